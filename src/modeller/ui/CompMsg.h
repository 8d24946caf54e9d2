#pragma once
// TCompileMsgForm: the "Compile" window, made at start-up and reused. It shows the file being
// compiled and then the outcome, and stays on top without blocking the other windows.
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace modeller {

class TCompileMsgForm : public platform::TForm {
  Q_OBJECT
 public:
  TCompileMsgForm();

  platform::TLabel* StatusLabel;
  platform::TLabel* FilenameLabel;
  platform::TButton* OKButton;

  void ShowCompiling(const std::string& path);
  void ShowCompileResult(const std::string& text);
};

TCompileMsgForm* CompileMsgForm();  // made on first use

}  // namespace modeller
