#include "workbench/CodeTemplet_f.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/StdCtrls.h"
#include "workbench/Editor.h"
#include "workbench/KeyMapFile.h"

namespace workbench {

using namespace platform;

platform::OnDemand<TTempletForm> TempletForm;

namespace {

// Runs the handler when the focus leaves the watched widget.
class FocusExit : public QObject {
 public:
  FocusExit(QWidget* watched, std::function<void()> onExit) : QObject(watched), onExit_(std::move(onExit)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) platform::HandleEvent(onExit_);
    return false;
  }

 private:
  std::function<void()> onExit_;
};

QStringList Items(std::initializer_list<const char*> texts) {
  QStringList items;
  for (const char* text : texts) items << text;
  return items;
}

}  // namespace

TTempletForm::TTempletForm() {
  SetCaption("Code Templet");
  setWindowFlag(Qt::Dialog);
  auto* layout = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->addTab(BuildKeyboardMapPage(), "Keyboard map");
  PageControl1->addTab(BuildSaveOptionPage(), "Save option");
  PageControl1->addTab(BuildComponentsPage(), "Components");
  PageControl1->addTab(BuildCodeInsightPage(), "Code Insight");
  // The window is as wide as its four tabs: scrolled, two of them hid behind the arrows.
  PageControl1->tabBar()->setUsesScrollButtons(false);
  layout->addWidget(PageControl1, 1);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  TempletOK = new QPushButton("OK", this);
  TempletCancel = new QPushButton("Cancel", this);
  TempletHelp = new QPushButton("Help", this);
  TempletOK->setDefault(true);
  platform::SetCancel(TempletCancel);
  for (QPushButton* button : {TempletOK, TempletCancel, TempletHelp}) buttons->addWidget(button);
  layout->addLayout(buttons);
  platform::Connect(TempletOK, &QPushButton::clicked, this, [this] { TempletOKClick(); });
  platform::Connect(TempletCancel, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
  OpenDialog1 = new TOpenDialog(this);
  SaveDialog1 = new TSaveDialog(this);
  ClearKeyTemplates(FKeyTemplates);
}

// The window takes the focus from the memo as it goes, after this form's members are gone.
TTempletForm::~TTempletForm() { delete FMemoExit; }

QWidget* TTempletForm::BuildKeyboardMapPage() {
  auto* page = new QWidget();
  auto* form = new QFormLayout(page);
  KM_Combo = new QComboBox(page);
  for (int key = 0; key < KeyMacroCount; ++key) KM_Combo->addItem(QString::fromStdString(KeyMacroName(key)));
  form->addRow("&Key :", KM_Combo);
  KM_Memo = new platform::TMemo(page);
  form->addRow(KM_Memo);
  platform::Connect(KM_Combo, &QComboBox::activated, this, [this](int) { KM_ComboClick(); });
  FMemoExit = new FocusExit(KM_Memo, [this] { KM_MemoExit(); });
  return page;
}

QWidget* TTempletForm::BuildSaveOptionPage() {
  auto* page = new QWidget();
  auto* column = new QVBoxLayout(page);
  auto* keyGroup = new QGroupBox(" Keyboard Map Templet ", page);
  auto* keyRow = new QHBoxLayout(keyGroup);
  keyRow->addWidget(new QLabel("File : ", keyGroup));
  KM_Label = new QLabel(keyGroup);
  keyRow->addWidget(KM_Label, 1);
  KM_ReloadButton = new QPushButton("Reload", keyGroup);
  KM_ClearButton = new QPushButton("Clear", keyGroup);
  keyRow->addWidget(KM_ReloadButton);
  keyRow->addWidget(KM_ClearButton);
  platform::Connect(KM_ReloadButton, &QPushButton::clicked, this, [this] { KM_ReloadButtonClick(); });
  platform::Connect(KM_ClearButton, &QPushButton::clicked, this, [this] { KM_ClearButtonClick(); });
  auto* compoGroup = new QGroupBox(" Component Code Templet ", page);
  auto* compoRow = new QHBoxLayout(compoGroup);
  compoRow->addWidget(new QLabel("File : ", compoGroup));
  CompoCodeLabel = new QLabel(compoGroup);
  compoRow->addWidget(CompoCodeLabel, 1);
  CC_ReloadButton = new QPushButton("Reload", compoGroup);
  CC_ClearButton = new QPushButton("Clear", compoGroup);
  compoRow->addWidget(CC_ReloadButton);
  compoRow->addWidget(CC_ClearButton);
  column->addWidget(keyGroup);
  column->addWidget(compoGroup);
  column->addStretch(1);
  return page;
}

// The component templates are kept by name only: the page is shown disabled.
QWidget* TTempletForm::BuildComponentsPage() {
  auto* page = new QWidget();
  auto* column = new QVBoxLayout(page);
  CompoCombo = new QComboBox(page);
  CompoCombo->addItems(Items({"Frame", "Applet", "Panel", "Button", "Edit", "Memo", "Label", "ListBox", "ComboBox",
                              "Scrollbar", "CheckBox", "RadioButton", "MainMenu", "OpenDialog", "SaveDialog",
                              "Image"}));
  TempletMemo = new platform::TMemo(page);
  column->addWidget(CompoCombo);
  column->addWidget(TempletMemo, 1);
  CompoCombo->setEnabled(false);
  TempletMemo->setEnabled(false);
  return page;
}

QWidget* TTempletForm::BuildCodeInsightPage() {
  auto* page = new QWidget();
  auto* column = new QVBoxLayout(page);
  ComboBox1 = new QComboBox(page);
  ComboBox1->addItems(Items({"array declaration", "try - catch", "for statement", "while statement"}));
  Memo1 = new platform::TMemo(page);
  Memo1->setPlainText("not implemented yet");
  column->addWidget(ComboBox1);
  column->addWidget(Memo1, 1);
  ComboBox1->setEnabled(false);
  Memo1->setEnabled(false);
  return page;
}

std::string TTempletForm::GetKeyTemplate(const TStringList& lines, int key) const {
  return KeyTextFromLines(lines, KM_Combo->itemText(key).toStdString());
}

void TTempletForm::SaveKeyTemplates(const std::string& fileName, const TStringList& texts) const {
  BuildKeyMapLines(texts).SaveToFile(fileName);
}

void TTempletForm::ClearKeyTemplates(TStringList& texts) const { ClearKeyMacroTexts(texts); }

void TTempletForm::FormShow() {
  std::string fileName = EditorForm->GetKeyMapFileName();
  KM_Label->setText(QString::fromStdString(fileName));
  if (!fileName.empty()) FKeyTemplates = EditorForm->KeyMacros();
  else ClearKeyTemplates(FKeyTemplates);
  PageControl1->setCurrentIndex(0);
  KM_Memo->document()->setModified(false);  // an edit left from a cancelled showing is dropped
  KM_Combo->setCurrentIndex(0);
  KM_ComboClick();
}

void TTempletForm::KM_ComboClick() {
  KM_MemoExit();
  FMemoKey = std::max(0, KM_Combo->currentIndex());
  KM_Memo->setPlainText(QString::fromStdString(FKeyTemplates.Get(FMemoKey)));
  KM_Memo->document()->setModified(false);
}

// The memo's lines, each followed by CR LF, become the text of the key it shows.
void TTempletForm::KM_MemoExit() {
  if (!KM_Memo->document()->isModified()) return;
  std::string text;
  for (const std::string& line : SplitLines(KM_Memo->toPlainText().toStdString())) text += line + "\r\n";
  while (FKeyTemplates.Count() < KeyMacroCount) FKeyTemplates.Add("");
  FKeyTemplates.Put(FMemoKey, text);
  KM_Memo->document()->setModified(false);
}

void TTempletForm::KM_ReloadButtonClick() {
  if (!OpenDialog1->Execute()) return;
  QString previous = KM_Label->text();
  KM_Label->setText(QString::fromStdString(OpenDialog1->FileName));
  std::string editorFile = EditorForm->GetKeyMapFileName();
  try {
    EditorForm->LoadKeyMacroFile(OpenDialog1->FileName, FKeyTemplates);
  } catch (const Exception&) {
    // A file that cannot be read is not named, so OK never writes over it.
    KM_Label->setText(previous);
    throw;
  }
  // A refused file empties the label only: the editor's template file changes on OK, not before.
  EditorForm->SetKeyMapFileName(editorFile);
  KM_Memo->document()->setModified(false);
  KM_ComboClick();
}

void TTempletForm::KM_ClearButtonClick() {
  KM_Label->clear();
  ClearKeyTemplates(FKeyTemplates);
  KM_Memo->document()->setModified(false);
  KM_ComboClick();
}

void TTempletForm::ApplyTemplates() { EditorForm->SetKeyMacros(FKeyTemplates); }

void TTempletForm::TempletOKClick() {
  KM_MemoExit();
  std::string fileName = KM_Label->text().toStdString();
  if (!fileName.empty()) {
    SaveKeyTemplates(fileName, FKeyTemplates);
    ApplyTemplates();
    EditorForm->SetKeyMapFileName(fileName);
  } else if (MessageDlg("Templet Codes for Keyboard Map are modified. Save changes ?", mtInformation, mbYesNo) ==
             mrYes) {
    if (SaveDialog1->Execute()) {
      SaveKeyTemplates(SaveDialog1->FileName, FKeyTemplates);
      KM_Label->setText(QString::fromStdString(SaveDialog1->FileName));
      ApplyTemplates();
    }
    EditorForm->SetKeyMapFileName(KM_Label->text().toStdString());
  }
  SetModalResult(mrOk);
}

}  // namespace workbench

