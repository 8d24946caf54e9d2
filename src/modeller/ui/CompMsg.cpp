#include "modeller/ui/CompMsg.h"

namespace modeller {

TCompileMsgForm* CompileMsgForm = nullptr;

TCompileMsgForm::TCompileMsgForm() {
  setObjectName("CompileMsgForm");
  SetCaption("Compile");
}

}  // namespace modeller
