#pragma once
// TEnvForm: the environment-options dialog.
#include "platform/Forms.h"

namespace workbench {

class TEnvForm : public platform::TForm {
  Q_OBJECT
 public:
  TEnvForm();
};

extern TEnvForm* EnvForm;

}  // namespace workbench
