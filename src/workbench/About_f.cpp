#include "workbench/About_f.h"

#include "designer/Lib.h"
namespace workbench {

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm() {
  SetCaption(designer::GetVersionText());
}

}  // namespace workbench
