#include "workbench/EnvOpt.h"

#include <QGroupBox>

#include "designer/Lib.h"
#include "platform/Dialogs.h"
#include "platform/FontDialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "workbench/BrowsingForm_f.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace workbench {

platform::OnDemand<TEnvForm> EnvForm;

namespace {

constexpr const char* kAnyFileEntry = "Any file (*.*)";
constexpr const char* kBarInFilterEntry =
    "A description or a mask cannot hold \"|\": it separates the entries of the filter.";
constexpr const char* kSampleText =
    "// A sample of Java text\n"
    "import java.awt.*;\n"
    "\n"
    "public class Sample extends Frame {\n"
    "  int count = 10;\n"
    "  char mark = 'x';\n"
    "  String name = \"sample\";\n"
    "}\n";

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

TToolChoices& Choices() { return MainForm->ToolRuns.Choices; }

QColor ToQColor(unsigned color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

QGroupBox* Group(QWidget* parent, const char* caption, int x, int y, int w, int h) {
  auto* group = new QGroupBox(caption, parent);
  group->setGeometry(x, y, w, h);
  return group;
}

QLineEdit* LabelledEdit(QWidget* parent, const char* caption, int x, int y, int labelWidth, int editWidth) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(x, y, labelWidth, 22);
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(x + labelWidth, y, editWidth, 22);
  label->setBuddy(edit);
  return edit;
}

QCheckBox* CheckBox(QWidget* parent, const char* caption, int x, int y, int w = 360) {
  auto* box = new QCheckBox(caption, parent);
  box->setGeometry(x, y, w, 22);
  return box;
}

QRadioButton* Radio(QWidget* parent, const char* caption, int x, int y, int w = 220) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setGeometry(x, y, w, 22);
  return radio;
}

QPushButton* Button(QWidget* parent, const char* caption, int x, int y, int w = 80) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, w, 26);
  return button;
}

}  // namespace

TEnvForm::TEnvForm() {
  SetCaption("Environment Options");
  setWindowFlags(Qt::Tool);
  Position = platform::poScreenCenter;
  resize(470, 420);
  EnvPage = new platform::TPageControl(this);
  EnvPage->setGeometry(6, 6, 458, 368);
  BuildPreferencesPage(EnvPage->AddPage("Preferences"));
  BuildCompilePage(EnvPage->AddPage("Compile"));
  BuildEditorPage(EnvPage->AddPage("Editor"));
  BuildColorPage(EnvPage->AddPage("Color"));
  BuildEtcPage(EnvPage->AddPage("Etc."));
  EnvOKBtn = Button(this, "&OK", 200, 386);
  EnvOKBtn->setDefault(true);
  platform::Connect(EnvOKBtn, &QPushButton::clicked, this, [this] { EnvOKBtnPressed(); });
  Cancel = Button(this, "&Cancel", 290, 386);
  platform::SetCancel(Cancel);
  platform::Connect(Cancel, &QPushButton::clicked, this, [this] {
    SetModalResult(platform::mrCancel);
    CancelClick();
  });
  HelpBtn = Button(this, "&Help", 380, 386);
  LoadAcceptedChoices();
}

void TEnvForm::BuildPreferencesPage(QWidget* page) {
  QGroupBox* autosave = Group(page, " &Autosave options ", 8, 4, 436, 50);
  DesktopRadio = Radio(autosave, "Desktop", 12, 20, 160);
  FilesOnlyRadio = Radio(autosave, "Editor files only", 200, 20, 200);

  QGroupBox* filter = Group(page, " &File filter editor ", 8, 60, 436, 130);
  DescriptEdit = LabelledEdit(filter, "&Description : ", 12, 20, 100, 200);
  extEdit = LabelledEdit(filter, "E&xt mask :", 12, 48, 100, 200);
  auto* listLabel = new QLabel("Current filter &lists :", filter);
  listLabel->setGeometry(12, 76, 140, 22);
  FilterComboBox = new platform::TFilterComboBox(filter);
  FilterComboBox->setGeometry(12, 98, 300, 24);
  listLabel->setBuddy(FilterComboBox);
  FilterComboBox->OnChange = [this] { filterComboBoxChange(); };
  resetButton = Button(filter, "&Reset", 330, 16, 90);
  addButton = Button(filter, "A&dd", 330, 50, 90);
  removeButton = Button(filter, "Remo&ve", 330, 84, 90);
  platform::Connect(resetButton, &QPushButton::clicked, this, [this] { resetButtonClick(); });
  platform::Connect(addButton, &QPushButton::clicked, this, [this] { addButtonClick(); });
  platform::Connect(removeButton, &QPushButton::clicked, this, [this] { removeButtonClick(); });

  tabsizeEdit = LabelledEdit(page, "&Tab size :", 12, 200, 80, 60);
  gridsizeEdit = LabelledEdit(page, "&Grid size :", 200, 200, 80, 60);

  QGroupBox* workdir = Group(page, " &Working directory ", 8, 232, 436, 56);
  workdirEdit = new QLineEdit("", workdir);
  workdirEdit->setGeometry(12, 22, 310, 22);
  BButton = Button(workdir, "&Browse...", 330, 20, 90);
  platform::Connect(BButton, &QPushButton::clicked, this, [this] { BButtonClick(); });
}

void TEnvForm::BuildCompilePage(QWidget* page) {
  coMakeDebuggingTable = CheckBox(page, "make debu&gging table", 12, 6);
  coOptimizedCode = CheckBox(page, "&Optimized code (large size)", 12, 28);
  coTurnOffWarning = CheckBox(page, "turn o&ff  warning", 12, 50);
  coTurnOnVerboseMode = CheckBox(page, "Turn on &verbose mode", 12, 72);
  coDeprecated = CheckBox(page, "Show warnings with uses of &deprecated methods or classes", 12, 94, 430);
  coNoWriting = CheckBox(page, "&No writing", 12, 116);
  coMakeExeFile = CheckBox(page, "make E&XE file", 12, 138);
  coNoWriting->setEnabled(false);
  coMakeExeFile->setEnabled(false);

  CompNameEdit = LabelledEdit(page, "compiler n&ame :", 12, 168, 110, 200);
  auto* pathLabel = new QLabel("class &path :", page);
  pathLabel->setGeometry(12, 196, 110, 22);
  classpathCombo = new QComboBox(page);
  classpathCombo->setEditable(true);
  classpathCombo->setInsertPolicy(QComboBox::NoInsert);
  classpathCombo->setGeometry(122, 196, 320, 22);
  pathLabel->setBuddy(classpathCombo);
  classpathCombo->addItems({".;c:\\jdk\\lib\\classes.zip", ".;c:\\netscape\\navigator\\program\\java\\lib\\classes.zip",
                            ".;c:\\jdk\\java\\lib\\classes.zip", ".;c:\\java\\lib\\classes.zip"});

  QGroupBox* javah = Group(page, " &Javah ", 8, 228, 436, 70);
  JavahHeader = Radio(javah, "Generate C header file (*.h)", 12, 20, 300);
  JavahStub = Radio(javah, "Generate C stub file (*.c)", 12, 42, 300);
  JavahHeader->setChecked(true);
}

void TEnvForm::BuildEditorPage(QWidget* page) {
  const std::array<std::pair<const char*, bool>, 6> fixedOptions = {{{"&Auto indent mode", true},
                                                                      {"&Insert mode", true},
                                                                      {"&Enable keymapping", true},
                                                                      {"&Use syntax highlight", true},
                                                                      {"&BRIEF cursor shapes", false},
                                                                      {"C&reate backup file", false}}};
  int y = 6;
  for (const auto& [caption, checked] : fixedOptions) {
    QCheckBox* box = CheckBox(page, caption, 12, y, 220);
    box->setChecked(checked);
    box->setEnabled(false);
    y += 22;
  }
  UseSmartTabCB = CheckBox(page, "Use Smart &Tab", 12, y, 220);

  auto* fontLabel = new QLabel("&Fonts :", page);
  fontLabel->setGeometry(240, 6, 80, 22);
  fontnameComboBox = new QComboBox(page);
  fontnameComboBox->setGeometry(240, 28, 200, 24);
  fontLabel->setBuddy(fontnameComboBox);
  platform::Connect(fontnameComboBox, &QComboBox::currentTextChanged, this, [this](const QString&) { fontnameComboBoxChange(); });
  auto* sizeLabel = new QLabel("Si&ze :", page);
  sizeLabel->setGeometry(240, 60, 80, 22);
  fontsizeSpinEdit = new QSpinBox(page);
  fontsizeSpinEdit->setRange(8, 32);
  fontsizeSpinEdit->setGeometry(240, 82, 80, 24);
  sizeLabel->setBuddy(fontsizeSpinEdit);
  platform::Connect(fontsizeSpinEdit, &QSpinBox::valueChanged, this, [this](int) { fontsizeSpinEditChange(); });
  samplefontPanel = new QLabel("AaBbYyZz", page);
  samplefontPanel->setAlignment(Qt::AlignCenter);
  samplefontPanel->setFrameShape(QFrame::Panel);
  samplefontPanel->setGeometry(12, 190, 430, 100);
}

void TEnvForm::BuildColorPage(QWidget* page) {
  ColoringList = new QListWidget(page);
  ColoringList->setGeometry(12, 6, 160, 150);
  ColoringList->addItems({"Comment", "Plain Text", "Keyword", "Class Signature", "Numeral Constant",
                          "Character Literal", "String Literal", "Import Statement"});
  ColoringList->setEnabled(false);
  ColorGrid1 = new platform::TColorGrid(page);
  ColorGrid1->setGeometry(190, 6, 248, 62);
  ColorGrid1->OnChange = [this] { ColorGrid1Change(); };
  UseDefaultColorCB = CheckBox(page, "&Use default color set", 190, 80, 240);
  exMemo = new platform::TMemo(page);
  exMemo->setReadOnly(true);
  exMemo->setPlainText(kSampleText);
  exMemo->setGeometry(12, 166, 430, 160);
}

void TEnvForm::BuildEtcPage(QWidget* page) {
  QGroupBox* viewer = Group(page, " &Viewer Options ", 8, 4, 436, 80);
  DefAppletWidthEdit = LabelledEdit(viewer, "Default Applet Wi&dth :", 12, 20, 160, 80);
  DefAppletHeightEdit = LabelledEdit(viewer, "Default Applet Hi&ght  :", 12, 48, 160, 80);

  QGroupBox* console = Group(page, " Console ", 8, 90, 436, 50);
  ConsoleCloseRadio = Radio(console, "Close console immediately", 12, 20, 200);
  ConsolenotCloseRadio = Radio(console, "Let user close console", 220, 20, 200);
  ConsoleCloseRadio->setChecked(true);

  QGroupBox* tool = Group(page, " User &Tool ", 8, 146, 436, 180);
  auto stacked = [tool](const char* caption, int y) {
    auto* label = new QLabel(caption, tool);
    label->setGeometry(12, y, 300, 18);
    auto* edit = new QLineEdit(tool);
    edit->setGeometry(12, y + 18, 410, 22);
    return edit;
  };
  AppNameEdit = stacked("Application name with full path :", 18);
  EnvVarEdit = stacked("Environment variable :", 58);
  OptionEdit = stacked("Options :", 98);
  ArgEdit = stacked("Arguments :", 138);
}

// ---- Compiler options ----

void TEnvForm::BuildCompileOptions() {
  std::string options;
  if (coMakeDebuggingTable->isChecked()) options += "-g ";
  if (coOptimizedCode->isChecked()) options += "-O ";
  if (coTurnOnVerboseMode->isChecked()) options += "-verbose ";
  if (coTurnOffWarning->isChecked()) options += "-nowarn ";
  else if (coDeprecated->isChecked()) options += "-deprecation ";
  if (!options.empty()) options.pop_back();
  Choices().CompileOptions = options;
}

std::string TEnvForm::GetCompileOptions() const { return Choices().CompileOptions; }

// The string read from the settings file stays the option string until OK builds a new one, so a
// run without OK neither compiles without the stored options nor writes them back empty.
void TEnvForm::SetCompileOptions(const std::string& options) {
  auto has = [&](const char* option) { return options.find(option) != std::string::npos; };
  coMakeDebuggingTable->setChecked(has("-g"));
  coOptimizedCode->setChecked(has("-O"));
  coTurnOnVerboseMode->setChecked(has("-verbose"));
  coTurnOffWarning->setChecked(has("-nowarn"));
  coDeprecated->setChecked(has("-deprecation"));
  Choices().CompileOptions = options;
}

// ---- Showing and loading ----

void TEnvForm::FormShow() {
  LoadControls();
  EnvPage->SetActivePageIndex(0);
  filterComboBoxChange();
  ClearOptionErrors();
}

void TEnvForm::LoadControls() {
  DescriptEdit->clear();
  extEdit->clear();
  workdirEdit->setText(Q(EditorForm->GetWorkingDir()));
  DesktopRadio->setChecked(EditorForm->GetDesktopMode() == 0);
  FilesOnlyRadio->setChecked(EditorForm->GetDesktopMode() != 0);
  FilterComboBox->SetFilter(EditorForm->GetFileFilter());
  loadedTabSize_ = std::to_string(EditorForm->GetTabSize());
  loadedGridSize_ = std::to_string(EditorForm->GetGridSize());
  tabsizeEdit->setText(Q(loadedTabSize_));
  gridsizeEdit->setText(Q(loadedGridSize_));
  classpathCombo->setEditText(Q(EditorForm->GetClassPath()));
  loadedCompilerName_ = EditorForm->GetCompilerName();
  CompNameEdit->setText(Q(loadedCompilerName_));
  UseSmartTabCB->setChecked(EditorForm->GetUseSmartTab());
  sampleFontSize_ = EditorForm->GetFontSize();
  sampleFontName_ = EditorForm->GetFontName();
  {
    QSignalBlocker quiet(fontnameComboBox);
    fontnameComboBox->clear();
    fontnameComboBox->addItems(platform::ScreenFontFamilies(sampleFontName_));
    fontnameComboBox->setCurrentIndex(fontnameComboBox->findText(Q(sampleFontName_)));
  }
  {
    QSignalBlocker quiet(fontsizeSpinEdit);
    fontsizeSpinEdit->setValue(sampleFontSize_);
  }
  ApplySampleFont();
  LoadColorChoices();
  loadedAppletHeight_ = std::to_string(EditorForm->GetAppletHeight());
  loadedAppletWidth_ = std::to_string(EditorForm->GetAppletWidth());
  DefAppletHeightEdit->setText(Q(loadedAppletHeight_));
  DefAppletWidthEdit->setText(Q(loadedAppletWidth_));
  ConsoleCloseRadio->setChecked(MainForm->GetConsoleClosing());
  ConsolenotCloseRadio->setChecked(!MainForm->GetConsoleClosing());
  LoadAcceptedChoices();
}

// ---- OK, its checks, and closing ----

void TEnvForm::Check(TOptionCheck check, bool passes, const std::string& message) {
  FOptionError[check] = !passes;
  if (!passes) platform::ShowMessage(message);
}

void TEnvForm::EnvOKBtnClick() {
  bool ext = !extEdit->text().isEmpty();
  bool description = !DescriptEdit->text().isEmpty();
  Check(ocFileType, ext == description, "Fill Both fields in the \"Register file type\" section !");
  Check(ocTabSize, platform::StrToInt(S(tabsizeEdit->text())) > 0, "Tabsize must be at least 1 !");
  int grid = platform::StrToInt(S(gridsizeEdit->text()));
  Check(ocGridSize, grid >= 5 && grid <= 20, "Gridsize must be between 5 and 20 !");
  Check(ocAppletHeight, platform::StrToInt(S(DefAppletHeightEdit->text())) > 99,
        "Applet's default height value must be more than 100 !");
  Check(ocAppletWidth, platform::StrToInt(S(DefAppletWidthEdit->text())) > 99,
        "Applet's default width value must be more than 100 !");
}

// A refused check or a number that does not convert keeps the dialog open with the user's input.
void TEnvForm::EnvOKBtnPressed() {
  EnvOKBtnClick();
  okPressed_ = true;
  bool closed = close();
  okPressed_ = false;
  if (closed) SetModalResult(platform::mrOk);
}

void TEnvForm::FormCloseQuery(bool& canClose) {
  for (bool refused : FOptionError)
    if (refused) canClose = false;
}

void TEnvForm::FormClose(platform::TCloseAction&) {
  if (okPressed_) ApplySettings();
  else LoadAcceptedChoices();
}

bool TEnvForm::Edited(const QLineEdit* edit) const {
  const std::string* loaded = edit == tabsizeEdit        ? &loadedTabSize_
                              : edit == gridsizeEdit      ? &loadedGridSize_
                              : edit == CompNameEdit      ? &loadedCompilerName_
                              : edit == DefAppletHeightEdit ? &loadedAppletHeight_
                                                            : &loadedAppletWidth_;
  return S(edit->text()) != *loaded;
}

void TEnvForm::ApplySettings() {
  hide();
  EditorForm->SetFileFilter(FilterComboBox->Filter());
  if (S(workdirEdit->text()) != EditorForm->GetWorkingDir()) EditorForm->SetWorkingDir(S(workdirEdit->text()));
  EditorForm->SetDesktopMode(DesktopRadio->isChecked() ? 0 : 1);
  if (Edited(tabsizeEdit)) EditorForm->SetTabSize(platform::StrToInt(S(tabsizeEdit->text())));
  if (Edited(gridsizeEdit)) EditorForm->SetGridSize(platform::StrToInt(S(gridsizeEdit->text())));
  if (Edited(CompNameEdit)) EditorForm->SetCompilerName(S(CompNameEdit->text()));
  QString classPath = classpathCombo->currentText();
  if (classpathCombo->findText(classPath) < 0) {
    classpathCombo->insertItem(0, classPath);
    classpathCombo->setEditText(classPath);
  }
  EditorForm->SetClassPath(S(classPath));
  BuildCompileOptions();
  if (sampleFontSize_ != EditorForm->GetFontSize()) EditorForm->SetFontSize(sampleFontSize_);
  if (sampleFontName_ != EditorForm->GetFontName()) EditorForm->SetFontName(sampleFontName_);
  EditorForm->SetUseSmartTab(UseSmartTabCB->isChecked());
  if (textChoice_ != EditorForm->GetTextColor()) EditorForm->SetTextColor(textChoice_);
  if (backgroundChoice_ != EditorForm->GetBackgroundColor()) EditorForm->SetBackgroundColor(backgroundChoice_);
  if (Edited(DefAppletHeightEdit)) EditorForm->SetAppletHeight(platform::StrToInt(S(DefAppletHeightEdit->text())));
  if (Edited(DefAppletWidthEdit)) EditorForm->SetAppletWidth(platform::StrToInt(S(DefAppletWidthEdit->text())));
  MainForm->SetConsoleClosing(ConsoleCloseRadio->isChecked());
  AcceptChoices();
}

void TEnvForm::CancelClick() {
  hide();
  ClearOptionErrors();
  LoadControls();
}

// ---- Samples ----

void TEnvForm::ApplySampleFont() {
  QFont font(Q(sampleFontName_), sampleFontSize_);
  samplefontPanel->setFont(font);
  exMemo->setFont(font);
}

void TEnvForm::ApplySampleColors() {
  QPalette colors = exMemo->palette();
  colors.setColor(QPalette::Text, ToQColor(textChoice_));
  colors.setColor(QPalette::Base, ToQColor(backgroundChoice_));
  exMemo->setPalette(colors);
}

void TEnvForm::fontsizeSpinEditChange() {
  sampleFontSize_ = fontsizeSpinEdit->value();
  ApplySampleFont();
}

void TEnvForm::fontnameComboBoxChange() {
  if (fontnameComboBox->currentText().isEmpty()) return;
  sampleFontName_ = S(fontnameComboBox->currentText());
  ApplySampleFont();
}

void TEnvForm::ColorGrid1Change() {
  TakeGridChoices();
  if (exMemo->palette().color(QPalette::Text) != ToQColor(textChoice_) ||
      exMemo->palette().color(QPalette::Base) != ToQColor(backgroundChoice_))
    ApplySampleColors();
}

// ---- The file filter editor ----

void TEnvForm::filterComboBoxChange() {
  DescriptEdit->setText(FilterComboBox->currentText());
  bool last = FilterComboBox->currentIndex() == FilterComboBox->count() - 1;
  extEdit->setText(last ? "*.*" : Q(designer::GetFilterMask(FilterComboBox->Filter(), FilterComboBox->currentIndex() + 1)));
  removeButton->setEnabled(extEdit->text() != "*.*");
}

void TEnvForm::resetButtonClick() {
  FilterComboBox->SetFilter(EditorForm->GetFileFilter());
  FilterComboBox->setCurrentIndex(0);
  filterComboBoxChange();
}

void TEnvForm::addButtonClick() {
  std::string description = S(DescriptEdit->text());
  std::string mask = S(extEdit->text());
  std::string filter = FilterComboBox->Filter();
  if (description.find('|') != std::string::npos || mask.find('|') != std::string::npos) {
    platform::ShowMessage(kBarInFilterEntry);
    return;
  }
  if (description.empty() || mask.empty() || filter.find(mask) != std::string::npos) return;
  size_t anyFile = filter.find(kAnyFileEntry);
  filter.insert(anyFile == std::string::npos ? 0 : anyFile, description + "|" + mask + "|");
  FilterComboBox->SetFilter(filter);
}

void TEnvForm::removeButtonClick() {
  std::string filter = FilterComboBox->Filter();
  std::string entry = S(FilterComboBox->currentText()) + "|" + FilterComboBox->Mask() + "|";
  size_t at = filter.find(entry);
  if (at == std::string::npos) return;
  filter.erase(at, entry.size());
  FilterComboBox->SetFilter(filter);
}

// ---- The working directory ----

void TEnvForm::BButtonClick() {
  BrowsingForm->DirectoryListBox1->SetDirectory(S(workdirEdit->text()));
  if (BrowsingForm->ShowModal() != platform::mrCancel)
    workdirEdit->setText(Q(BrowsingForm->DirectoryListBox1->Directory()));
}

// ---- Choices that Cancel must leave as they were ----

// The compile boxes, the Javah choice and the user tool show the runs' choices: every showing,
// Cancel and close box puts them back, and only OK changes them.
void TEnvForm::LoadAcceptedChoices() {
  const TToolChoices& accepted = Choices();
  SetCompileOptions(accepted.CompileOptions);
  (accepted.JavahStub ? JavahStub : JavahHeader)->setChecked(true);
  AppNameEdit->setText(Q(accepted.UserToolName));
  EnvVarEdit->setText(Q(accepted.UserToolVariable));
  OptionEdit->setText(Q(accepted.UserToolOptions));
  ArgEdit->setText(Q(accepted.UserToolArgument));
}

void TEnvForm::AcceptChoices() {
  TToolChoices& accepted = Choices();
  accepted.JavahStub = JavahStub->isChecked();
  accepted.UserToolName = S(AppNameEdit->text());
  accepted.UserToolVariable = S(EnvVarEdit->text());
  accepted.UserToolOptions = S(OptionEdit->text());
  accepted.UserToolArgument = S(ArgEdit->text());
}

// ---- Colours ----

// The grid holds sixteen colours; a colour the settings hold beside them stays chosen until the
// user picks one in the grid.
void TEnvForm::LoadColorChoices() {
  ColorGrid1->SetForegroundIndex(designer::ColorToIndex(EditorForm->GetTextColor()));
  ColorGrid1->SetBackgroundIndex(designer::ColorToIndex(EditorForm->GetBackgroundColor()));
  textChoice_ = EditorForm->GetTextColor();
  backgroundChoice_ = EditorForm->GetBackgroundColor();
  gridForeground_ = ColorGrid1->ForegroundIndex();
  gridBackground_ = ColorGrid1->BackgroundIndex();
  ApplySampleColors();
}

void TEnvForm::TakeGridChoices() {
  if (ColorGrid1->ForegroundIndex() != gridForeground_) textChoice_ = ColorGrid1->ForegroundColor();
  if (ColorGrid1->BackgroundIndex() != gridBackground_) backgroundChoice_ = ColorGrid1->BackgroundColor();
  gridForeground_ = ColorGrid1->ForegroundIndex();
  gridBackground_ = ColorGrid1->BackgroundIndex();
}

}  // namespace workbench
