#pragma once
// TGenerateLogForm: the "Generate Log" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TGenerateLogForm : public platform::TForm {
  Q_OBJECT
 public:
  TGenerateLogForm();
};

extern TGenerateLogForm* GenerateLogForm;

}  // namespace modeller
