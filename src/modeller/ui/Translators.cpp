#include "modeller/ui/Translators.h"

namespace modeller {

TTranslatorsForm* TranslatorsForm = nullptr;

TTranslatorsForm::TTranslatorsForm() {
  setObjectName("TranslatorsForm");
  SetCaption("Translators");
}

}  // namespace modeller
