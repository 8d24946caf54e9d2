#pragma once
// TTempletForm: the keyboard-macro template dialog.
#include "platform/Forms.h"

namespace workbench {

class TTempletForm : public platform::TForm {
  Q_OBJECT
 public:
  TTempletForm();
};

extern TTempletForm* TempletForm;

}  // namespace workbench
