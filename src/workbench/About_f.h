#pragma once
// TAboutForm: the about box.
#include "platform/Forms.h"

namespace workbench {

class TAboutForm : public platform::TForm {
  Q_OBJECT
 public:
  TAboutForm();
};

extern TAboutForm* AboutForm;

}  // namespace workbench
