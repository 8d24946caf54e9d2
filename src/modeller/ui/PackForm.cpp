#include "modeller/ui/PackForm.h"

namespace modeller {

TPackageForm* PackageForm = nullptr;

TPackageForm::TPackageForm() {
  setObjectName("PackageForm");
  SetCaption("Package");
}

}  // namespace modeller
