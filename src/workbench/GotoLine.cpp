#include "workbench/GotoLine.h"

#include <QLabel>

#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"

namespace workbench {

platform::OnDemand<TLineNumberForm> LineNumberForm;

TLineNumberForm::TLineNumberForm() {
  SetCaption("Go to Line Number");
  setWindowFlags(Qt::Tool | Qt::WindowCloseButtonHint);
  resize(260, 110);
  auto* label = new QLabel("Enter new line number :", this);
  label->setGeometry(8, 8, 240, 20);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setGeometry(8, 30, 244, 22);
  label->setBuddy(ComboBox1);
  okButton = new QPushButton("&OK", this);
  okButton->setGeometry(82, 72, 80, 26);
  okButton->setDefault(true);
  platform::Connect(okButton, &QPushButton::clicked, this, [this] {
    okButtonClick();
    if (close()) SetModalResult(platform::mrOk);
  });
  cancelButton = new QPushButton("&Cancel", this);
  cancelButton->setGeometry(172, 72, 80, 26);
  platform::SetCancel(cancelButton);
  platform::Connect(cancelButton, &QPushButton::clicked, this, [this] {
    calcelButtonClick();
    SetModalResult(platform::mrCancel);
    close();
  });
}

void TLineNumberForm::okButtonClick() {
  FKeepOpen = false;
  platform::TRichEdit* edit = EditorForm->ActiveEditor();
  int lines = edit == nullptr ? 1 : std::max(1, edit->Lines().Count());
  std::string entry = ComboBox1->currentText().toStdString();
  int number = platform::StrToIntDef(entry, -1);
  if (number >= 1 && number <= lines) {
    QString typed = QString::fromStdString(entry);
    if (ComboBox1->findText(typed) < 0) {
      ComboBox1->addItem(typed);
      ComboBox1->setEditText(typed);
    }
    return;
  }
  platform::ShowMessage("Line number should be between 1 and " + std::to_string(lines) + ".");
  FKeepOpen = true;
}

void TLineNumberForm::FormCloseQuery(bool& canClose) { canClose = !FKeepOpen; }

void TLineNumberForm::calcelButtonClick() { FKeepOpen = false; }

}  // namespace workbench
