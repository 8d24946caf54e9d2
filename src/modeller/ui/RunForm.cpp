#include "modeller/ui/RunForm.h"

namespace modeller {

TRunDialog* RunDialog = nullptr;

TRunDialog::TRunDialog() {
  setObjectName("RunDialog");
  SetCaption("Run");
}

}  // namespace modeller
