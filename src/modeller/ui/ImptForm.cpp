#include "modeller/ui/ImptForm.h"

namespace modeller {

TImportForm* ImportForm = nullptr;

TImportForm::TImportForm() {
  setObjectName("ImportForm");
  SetCaption("Import");
}

}  // namespace modeller
