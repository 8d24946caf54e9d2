#include "modeller/ui/Options.h"

namespace modeller {

TOptionsForm* OptionsForm = nullptr;

TOptionsForm::TOptionsForm() {
  setObjectName("OptionsForm");
  SetCaption("Options");
}

}  // namespace modeller
