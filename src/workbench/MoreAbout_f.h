#pragma once
// TMoreAboutForm: the credits window.
#include "platform/Forms.h"

namespace workbench {

class TMoreAboutForm : public platform::TForm {
  Q_OBJECT
 public:
  TMoreAboutForm();
};

extern TMoreAboutForm* MoreAboutForm;

}  // namespace workbench
