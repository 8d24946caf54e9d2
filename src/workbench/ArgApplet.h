#pragma once
// TArgForAppletForm: the applet argument dialog.
#include "platform/Forms.h"

namespace workbench {

class TArgForAppletForm : public platform::TForm {
  Q_OBJECT
 public:
  TArgForAppletForm();
};

extern TArgForAppletForm* ArgForAppletForm;

}  // namespace workbench
