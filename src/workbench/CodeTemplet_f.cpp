#include "workbench/CodeTemplet_f.h"

namespace workbench {

TTempletForm* TempletForm = nullptr;

TTempletForm::TTempletForm() {
  SetCaption("Code Templet");
}

}  // namespace workbench
