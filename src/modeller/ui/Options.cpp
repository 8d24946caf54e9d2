#include "modeller/ui/Options.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "modeller/model/Globals.h"
#include "modeller/ui/Inspect.h"
#include "modeller/ui/SettingsFile.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/StdCtrls.h"

namespace modeller {

namespace {

constexpr const char* kPreviewText = "AaBbCc123";

QString Q(const std::string& text) { return QString::fromStdString(text); }

QSpinBox* SpinEdit(QWidget* parent, const char* name, int low, int high) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(low, high);
  return spin;
}

QPlainTextEdit* Preview(QWidget* parent, const char* name) {
  auto* memo = new platform::TMemo(parent);
  memo->setPlainText(kPreviewText);
  memo->setObjectName(name);
  memo->setReadOnly(true);
  memo->setFixedHeight(48);
  return memo;
}

QGroupBox* Group(QWidget* page, const char* caption) {
  auto* group = new QGroupBox(caption, page);
  qobject_cast<QVBoxLayout*>(page->layout())->addWidget(group);
  return group;
}

// A preview with its "Font..." and "Color..." buttons beside it.
void AddLookRow(QGroupBox* group, QPlainTextEdit* preview, QPushButton* font, QPushButton* color) {
  auto* row = new QHBoxLayout(group);
  row->addWidget(preview, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(font);
  buttons->addWidget(color);
  row->addLayout(buttons);
}

}  // namespace

TOptionsForm::TOptionsForm() {
  setObjectName("OptionsForm");
  setWindowFlag(Qt::Dialog);
  SetCaption("Options");
  Position = platform::poScreenCenter;
  auto* layout = new QVBoxLayout(this);
  PageControl = new platform::TPageControl(this);
  layout->addWidget(PageControl);
  BuildEnvironmentPage(PageControl->AddPage("Environment"));
  BuildDiagramPage(PageControl->AddPage("Diagram"));
  BuildEditorPage(PageControl->AddPage("Editor"));

  layout->addLayout(OkCancelRow(*this, OKButton, CancelButton));

  // On this system the tools are programs without an extension; an empty path runs the one on PATH.
  PathDialog = new platform::TOpenDialog(this);
  PathDialog->Title = "Java Compiler Path";
  PathDialog->Filter = "Java Compiler (*)|*";
  FontDialog = new platform::TFontDialog(this);
  ColorDialog = new platform::TColorDialog(this);
  resize(440, 420);
}

void TOptionsForm::BuildEnvironmentPage(QWidget* page) {
  new QVBoxLayout(page);
  auto* path = new QGridLayout(Group(page, "Path"));
  JavaCompilerPathEdit = new QLineEdit("javac.exe", page);
  JavaCompilerPathEdit->setObjectName("JavaCompilerPathEdit");
  JavaCompilerPathBrowseButton = NamedButton(page, "JavaCompilerPathBrowseButton", "Browse...");
  platform::Connect(JavaCompilerPathBrowseButton, &QPushButton::clicked, this, [this] { JavaCompilerPathBrowseButtonClick(); });
  JavaInterpreterPathEdit = new QLineEdit("java.exe", page);
  JavaInterpreterPathEdit->setObjectName("JavaInterpreterPathEdit");
  JavaInterpreterPathBrowseButton = NamedButton(page, "JavaInterpreterPathBrowseButton", "Browse...");
  platform::Connect(JavaInterpreterPathBrowseButton, &QPushButton::clicked, this,
          [this] { JavaInterpreterPathBrowseButtonClick(); });
  path->addWidget(new QLabel("Java Compiler :", page), 0, 0);
  path->addWidget(JavaCompilerPathEdit, 0, 1);
  path->addWidget(JavaCompilerPathBrowseButton, 0, 2);
  path->addWidget(new QLabel("Java Interpreter :", page), 1, 0);
  path->addWidget(JavaInterpreterPathEdit, 1, 1);
  path->addWidget(JavaInterpreterPathBrowseButton, 1, 2);

  auto* generate = new QGridLayout(Group(page, "Java Code Generate"));
  IncludeImplementationCheckBox = new QCheckBox("Include Implementation", page);
  IncludeImplementationCheckBox->setObjectName("IncludeImplementationCheckBox");
  IncludeCommentCheckBox = new QCheckBox("Include Comment", page);
  IncludeCommentCheckBox->setObjectName("IncludeCommentCheckBox");
  IndentationSpinEdit = SpinEdit(page, "IndentationSpinEdit", kMinIndentation, kMaxIndentation);
  generate->addWidget(IncludeImplementationCheckBox, 0, 0);
  generate->addWidget(IncludeCommentCheckBox, 1, 0);
  generate->addWidget(new QLabel("Indentation :", page), 0, 1);
  generate->addWidget(IndentationSpinEdit, 0, 2);

  EnvironmentBrowserMemo = Preview(page, "EnvironmentBrowserMemo");
  EnvironmentBrowserFontButton = NamedButton(page, "EnvironmentBrowserFontButton", "Font...");
  platform::Connect(EnvironmentBrowserFontButton, &QPushButton::clicked, this, [this] { EnvironmentBrowserFontButtonClick(); });
  EnvironmentBrowserColorButton = NamedButton(page, "EnvironmentBrowserColorButton", "Color...");
  platform::Connect(EnvironmentBrowserColorButton, &QPushButton::clicked, this, [this] { EnvironmentBrowserColorButtonClick(); });
  AddLookRow(Group(page, "Code Viewer"), EnvironmentBrowserMemo, EnvironmentBrowserFontButton,
             EnvironmentBrowserColorButton);
}

void TOptionsForm::BuildDiagramPage(QWidget* page) {
  new QVBoxLayout(page);
  auto* font = new QGridLayout(Group(page, "Font"));
  DiagramFontNameComboBox = new QComboBox(page);
  DiagramFontNameComboBox->setObjectName("DiagramFontNameComboBox");
  DiagramFontSizeSpinEdit = SpinEdit(page, "DiagramFontSizeSpinEdit", kMinFontSize, kMaxFontSize);
  DiagramBoldCheckBox = new QCheckBox("Bold", page);
  DiagramBoldCheckBox->setObjectName("DiagramBoldCheckBox");
  DiagramItalicCheckBox = new QCheckBox("Italic", page);
  DiagramItalicCheckBox->setObjectName("DiagramItalicCheckBox");
  font->addWidget(new QLabel("Font Name:", page), 0, 0);
  font->addWidget(DiagramFontNameComboBox, 0, 1);
  font->addWidget(new QLabel("Font Size:", page), 1, 0);
  font->addWidget(DiagramFontSizeSpinEdit, 1, 1);
  font->addWidget(DiagramBoldCheckBox, 2, 0);
  font->addWidget(DiagramItalicCheckBox, 2, 1);

  auto* size = new QGridLayout(Group(page, "Size"));
  DiagramWidthSpinEdit = SpinEdit(page, "DiagramWidthSpinEdit", kMinDiagramSize, kMaxDiagramSize);
  DiagramHeightSpinEdit = SpinEdit(page, "DiagramHeightSpinEdit", kMinDiagramSize, kMaxDiagramSize);
  size->addWidget(new QLabel("Width :", page), 0, 0);
  size->addWidget(DiagramWidthSpinEdit, 0, 1);
  size->addWidget(new QLabel("Height :", page), 1, 0);
  size->addWidget(DiagramHeightSpinEdit, 1, 1);
  qobject_cast<QVBoxLayout*>(page->layout())->addStretch();
}

void TOptionsForm::BuildEditorPage(QWidget* page) {
  new QVBoxLayout(page);
  EditorMemo = Preview(page, "EditorMemo");
  EditorFontButton = NamedButton(page, "EditorFontButton", "Font...");
  platform::Connect(EditorFontButton, &QPushButton::clicked, this, [this] { EditorFontButtonClick(); });
  EditorColorButton = NamedButton(page, "EditorColorButton", "Color...");
  platform::Connect(EditorColorButton, &QPushButton::clicked, this, [this] { EditorColorButtonClick(); });
  AddLookRow(Group(page, "Editor"), EditorMemo, EditorFontButton, EditorColorButton);
  qobject_cast<QVBoxLayout*>(page->layout())->addStretch();
}

int TOptionsForm::Execute() {
  return ExecuteDialog(*this, [this] { FormShow(); }, [this] { StoreOptions(); });
}

// The dialog opens on its first page, where its first field is, whatever page it was left on.
void TOptionsForm::FormShow() {
  PageControl->SetActivePageIndex(0);
  JavaCompilerPathEdit->setText(Q(JavaCompilerPath));
  JavaInterpreterPathEdit->setText(Q(JavaInterpreterPath));
  IncludeImplementationCheckBox->setChecked(GenIncludeImpl);
  IncludeCommentCheckBox->setChecked(GenIncludeCmmt);
  IndentationSpinEdit->setValue(static_cast<int>(IndentString.size()));
  browserFont_ = BrowserFont;
  browserColor_ = BrowserColor;
  editorFont_ = EditorFont;
  editorColor_ = EditorColor;
  ShowPreviews();
  FillFontNames();
  DiagramFontSizeSpinEdit->setValue(DiagramFont.Size);
  DiagramBoldCheckBox->setChecked(DiagramFont.Bold);
  DiagramItalicCheckBox->setChecked(DiagramFont.Italic);
  DiagramWidthSpinEdit->setValue(DiagramWidth);
  DiagramHeightSpinEdit->setValue(DiagramHeight);
}

// The screen's fonts, sorted, with the diagram font's entry selected, also where the screen only
// draws it with a substitute.
void TOptionsForm::FillFontNames() {
  DiagramFontNameComboBox->clear();
  DiagramFontNameComboBox->addItems(platform::ScreenFontFamilies(DiagramFont.Name));
  DiagramFontNameComboBox->setCurrentIndex(DiagramFontNameComboBox->findText(Q(DiagramFont.Name)));
}

// A font list with no entry chosen (the diagram font had no name) keeps the diagram font's name.
void TOptionsForm::StoreOptions() {
  JavaCompilerPath = JavaCompilerPathEdit->text().toStdString();
  JavaInterpreterPath = JavaInterpreterPathEdit->text().toStdString();
  GenIncludeImpl = IncludeImplementationCheckBox->isChecked();
  GenIncludeCmmt = IncludeCommentCheckBox->isChecked();
  SetIndent(IndentationSpinEdit->value());
  BrowserFont = browserFont_;
  BrowserColor = browserColor_;
  if (DiagramFontNameComboBox->currentIndex() >= 0)
    DiagramFont.Name = DiagramFontNameComboBox->currentText().toStdString();
  DiagramFont.Size = DiagramFontSizeSpinEdit->value();
  DiagramFont.Bold = DiagramBoldCheckBox->isChecked();
  DiagramFont.Italic = DiagramItalicCheckBox->isChecked();
  DiagramWidth = DiagramWidthSpinEdit->value();
  DiagramHeight = DiagramHeightSpinEdit->value();
  EditorFont = editorFont_;
  EditorColor = editorColor_;
}

void TOptionsForm::ShowPreviews() {
  platform::ShowTextLook(*EnvironmentBrowserMemo, browserFont_, browserColor_);
  platform::ShowTextLook(*EditorMemo, editorFont_, editorColor_);
}

void TOptionsForm::BrowseInto(QLineEdit& edit) {
  PathDialog->FileName = "javac";
  if (PathDialog->Execute()) edit.setText(Q(PathDialog->FileName));
}

void TOptionsForm::ChooseFont(platform::TFont& font) {
  FontDialog->Font = font;
  if (!FontDialog->Execute()) return;
  font = FontDialog->Font;
  ShowPreviews();
}

void TOptionsForm::ChooseColor(platform::TColor& color) {
  ColorDialog->Color = color;
  if (!ColorDialog->Execute()) return;
  color = ColorDialog->Color;
  ShowPreviews();
}

void TOptionsForm::JavaCompilerPathBrowseButtonClick() { BrowseInto(*JavaCompilerPathEdit); }
void TOptionsForm::JavaInterpreterPathBrowseButtonClick() { BrowseInto(*JavaInterpreterPathEdit); }
void TOptionsForm::EnvironmentBrowserFontButtonClick() { ChooseFont(browserFont_); }
void TOptionsForm::EnvironmentBrowserColorButtonClick() { ChooseColor(browserColor_); }
void TOptionsForm::EditorFontButtonClick() { ChooseFont(editorFont_); }
void TOptionsForm::EditorColorButtonClick() { ChooseColor(editorColor_); }

}  // namespace modeller
