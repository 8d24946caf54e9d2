#pragma once
// TItemsEditorForm: the modal dialog in which the lines of a TextArea or the items of a List or a
// Choice are edited, one per line. Its caller fills Memo1, shows it and takes the lines back on OK.
#include <QPlainTextEdit>
#include <string>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/OnDemand.h"
#include "platform/StdCtrls.h"

namespace designer {

class TItemsEditorForm : public platform::TForm {
  Q_OBJECT
 public:
  TItemsEditorForm();
  platform::TPanel* Panel1;
  platform::TLabel* Label1;
  QPlainTextEdit* Memo1;
  platform::TButton* Button1;
  platform::TButton* Button2;
  platform::TButton* Button3;

  // The count the label shows: a line break that ends the text opens no line of its own.
  static int LineCount(const std::string& text);
  void Memo1Change();

 protected:
  void FormShow() override;
};

extern platform::OnDemand<TItemsEditorForm> ItemsEditorForm;

}  // namespace designer
