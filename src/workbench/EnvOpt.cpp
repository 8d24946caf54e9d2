#include "workbench/EnvOpt.h"

namespace workbench {

TEnvForm* EnvForm = nullptr;

TEnvForm::TEnvForm() {
  SetCaption("Environment Options");
}

}  // namespace workbench
