#include "workbench/CompilerMsg_f.h"

namespace workbench {

TCompileMsgForm* CompileMsgForm = nullptr;

TCompileMsgForm::TCompileMsgForm() {
  SetCaption("Compiler Messages");
}

}  // namespace workbench
