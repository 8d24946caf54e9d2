#pragma once
// TBrowserForm: the "Browser" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TBrowserForm : public platform::TForm {
  Q_OBJECT
 public:
  TBrowserForm();
};

extern TBrowserForm* BrowserForm;

}  // namespace modeller
