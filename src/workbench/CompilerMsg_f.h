#pragma once
// TCompileMsgForm: the compile-message window.
#include "platform/Forms.h"

namespace workbench {

class TCompileMsgForm : public platform::TForm {
  Q_OBJECT
 public:
  TCompileMsgForm();
};

extern TCompileMsgForm* CompileMsgForm;

}  // namespace workbench
