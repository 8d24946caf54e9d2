#pragma once
// TCompileMsgForm: the "Compile" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TCompileMsgForm : public platform::TForm {
  Q_OBJECT
 public:
  TCompileMsgForm();
};

extern TCompileMsgForm* CompileMsgForm;

}  // namespace modeller
