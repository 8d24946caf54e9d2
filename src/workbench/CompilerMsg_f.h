#pragma once
// TCompileMsgForm: the compile-message window: the standard error output of a successful compile,
// below the version line and an empty line, in one read-only plain-text rich edit.
#include "platform/Forms.h"
#include "platform/OnDemand.h"
#include "platform/RichEdit.h"

namespace workbench {

class TCompileMsgForm : public platform::TForm {
  Q_OBJECT
 public:
  TCompileMsgForm();
  platform::TRichEdit* RichEdit1;
  // Shows the window beside another one (the editor) unless it is already showing.
  void ShowBeside(const platform::TForm& window);
};

extern platform::OnDemand<TCompileMsgForm> CompileMsgForm;

}  // namespace workbench
