#include "modeller/ui/CodeView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "modeller/ui/Editor.h"
#include "modeller/ui/ToolPlace.h"
#include "platform/Captions.h"
#include "platform/Clipboard.h"
#include "platform/FontDialogs.h"

namespace modeller {

TCodeViewerForm::TCodeViewerForm() {
  setObjectName("CodeViewerForm");
  SetCaption("Code Viewer");
  setWindowFlags(Qt::Tool);
  FormStyle = platform::fsStayOnTop;
  resize(480, 360);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* toolBar = new QHBoxLayout();
  SaveButton = new platform::TSpeedButton(this, "SaveButton", "Save To File");
  SaveButton->setText("Save");
  SaveButton->SetGlyph("zelvory/save");
  SaveButton->OnClick = [this] { SaveButtonClick(); };
  CopyButton = new platform::TSpeedButton(this, "CopyButton", "Copy To Clipboard");
  CopyButton->setText("Copy");
  CopyButton->SetGlyph("zelvory/copy");
  CopyButton->OnClick = [this] { CopyButtonClick(); };
  EditButton = new platform::TSpeedButton(this, "EditButton", "To Editor...");
  EditButton->setText("Edit");
  EditButton->SetGlyph("zelvory/editor");
  EditButton->OnClick = [this] { EditButtonClick(); };
  for (platform::TSpeedButton* button : {SaveButton, CopyButton, EditButton}) {
    platform::GrowToFit(button);
    toolBar->addWidget(button);
  }
  toolBar->addStretch();
  layout->addLayout(toolBar);

  CodeViewMemo = new platform::TRichEdit(this);
  CodeViewMemo->setObjectName("CodeViewMemo");
  CodeViewMemo->setReadOnly(true);
  CodeViewMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
  CodeViewMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  CodeViewMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(CodeViewMemo);

  SaveDialog = new platform::TSaveDialog(this);
  SaveDialog->Filter = "All Files (*.*)|*.*";
  FormCreate();
}

void TCodeViewerForm::FormCreate() { ReadToolPlace(*this, kCodeViewerPlace); }

void TCodeViewerForm::FormClose(platform::TCloseAction& action) {
  (void)action;
  WriteToolPlace(*this, kCodeViewerPlace);
}

void TCodeViewerForm::SetViewerFont(const platform::TFont& font, platform::TColor color) {
  platform::ShowTextLook(*CodeViewMemo, font, color);
}

void TCodeViewerForm::SaveButtonClick() {
  if (!SaveDialog->Execute()) return;
  CodeViewMemo->Lines().ToStringList().SaveToFile(SaveDialog->FileName);
}

void TCodeViewerForm::CopyButtonClick() {
  CodeViewMemo->selectAll();
  platform::Clipboard().SetAsText(CodeViewMemo->toPlainText().toStdString());
}

void TCodeViewerForm::EditButtonClick() {
  EditorForm()->Show();
  TEditSheet* sheet = EditorForm()->NewPage();
  sheet->Memo->Lines().Assign(CodeViewMemo->Lines().ToStringList());
}

}  // namespace modeller
