#pragma once
// TGenerateLogForm: the "Generate Log" window, made at start-up and reused. It shows the
// identifier warnings of the last generator or translator run under a fixed header, with a closing
// line that counts them.
#include "platform/Controls.h"
#include "platform/Forms.h"

namespace modeller {

class TGenerateLogForm : public platform::TForm {
  Q_OBJECT
 public:
  TGenerateLogForm();

  platform::TListBox* LogListBox = nullptr;

  // Fills the log from GenerateWarnings and shows it modally.
  int Execute();
  void FormShow() override;
};

TGenerateLogForm* GenerateLogForm();  // made on first use

}  // namespace modeller
