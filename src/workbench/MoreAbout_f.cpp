#include "workbench/MoreAbout_f.h"

namespace workbench {

TMoreAboutForm* MoreAboutForm = nullptr;

TMoreAboutForm::TMoreAboutForm() {
  SetCaption("Credits");
}

}  // namespace workbench
