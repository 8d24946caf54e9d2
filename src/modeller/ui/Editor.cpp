#include "modeller/ui/Editor.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QHBoxLayout>
#include <QSplitter>
#include <QPrinter>
#include <QTextDocument>
#include <QVBoxLayout>

#include "modeller/model/Globals.h"
#include "modeller/ui/CompMsg.h"
#include "modeller/ui/EditAbout.h"
#include "modeller/ui/RunForm.h"
#include "modeller/ui/Search.h"
#include "modeller/ui/ToolPlace.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/FontDialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/Printing.h"
#include "platform/ProcessRunner.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

constexpr const char* kNoName = "noname.java";

std::string NotFoundMessage(const std::string& text) { return "Cannot find \"" + text + "\"."; }

// The lines the compiler wrote, one item each, line ends of either kind removed.
platform::TStringList ReadErrorLines(const std::string& fileName) {
  platform::TStringList lines;
  try {
    lines.SetText(platform::ReadFileBytes(fileName));
  } catch (const platform::Exception&) {
    // An error file that cannot be read holds no messages.
  }
  return lines;
}

// Made (or emptied) before the compiler starts, so a folder that refuses it is known at once.
bool CreateErrorFile(const std::string& fileName) {
  QFile file(QString::fromStdString(fileName));
  return file.open(QIODevice::ReadWrite | QIODevice::Truncate);
}

}  // namespace

// ---- TEditSheet ------------------------------------------------------------------------------

TEditSheet::TEditSheet() : platform::TTabSheet(kNoName) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Memo = new platform::TRichEdit(this);
  Memo->setObjectName("Memo");
  Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setTabChangesFocus(false);
  platform::ShowTextLook(*Memo, EditorFont, EditorColor);
  layout->addWidget(Memo);
}

void TEditSheet::NewFile() {
  Memo->Lines().Clear();
  Memo->SetModified(false);
  HasFileName = false;
  FilePath = kNoName;
  SetCaption(kNoName);
}

void TEditSheet::LoadFile(const std::string& path) {
  Memo->LoadFromFile(path);
  HasFileName = true;
  FilePath = path;
  SetCaption(platform::ExtractFileName(path));
}

void TEditSheet::SaveFile(const std::string& path) {
  Memo->SaveToFile(path);
  Memo->SetModified(false);
  HasFileName = true;
  FilePath = path;
  SetCaption(platform::ExtractFileName(path));
}

void TEditSheet::GetCaretPosition(int& column, int& line) const {
  int caret = Memo->textCursor().position();
  line = Memo->LineFromChar(caret);
  column = caret - Memo->LineIndex(line) + 1;
}

void TEditSheet::PrintFile() {
  QTextDocument document;
  document.setDefaultFont(Memo->font());
  std::string text = platform::ExtractFileName(FilePath) + "\n\n" + Memo->Lines().Text();
  document.setPlainText(QString::fromStdString(text));
  document.print(&platform::Printer());
}

// The compiler runs as a program with the file as its one argument, in the package folder, its
// standard error going to "err.tmp" there. Nothing of this page is touched after the wait, since
// the page may be closed while the compiler runs.
void TEditSheet::CompileFile(platform::TListBox& messages) {
  const std::string path = FilePath;
  std::string folder = platform::DirectoryExists(PackagePath) ? PackagePath : QDir::currentPath().toStdString();
  const std::string errorFile = platform::IncludeTrailingPathDelimiter(folder) + "err.tmp";
  const bool haveErrorFile = CreateErrorFile(errorFile);
  if (!haveErrorFile) platform::ShowMessage("File Handle Error!");

  CompileMsgForm()->ShowCompiling(path);
  platform::ProcessRunner compiler;
  const std::string command = JavaCompilerCommand();
  compiler.SetProgram(command, {path});
  compiler.SetWorkingDirectory(folder);
  if (haveErrorFile) compiler.SetErrorFile(errorFile);
  if (!compiler.Start()) {
    platform::ShowMessage(command + ": can not run this program.");
    CompileMsgForm()->close();
    if (haveErrorFile) QFile::remove(QString::fromStdString(errorFile));
    return;
  }
  compiler.Wait(true);

  messages.clear();
  if (haveErrorFile) {
    platform::TStringList lines = ReadErrorLines(errorFile);
    for (int i = 0; i < lines.Count(); ++i) messages.AddItem(lines[i]);
    QFile::remove(QString::fromStdString(errorFile));
  }
  messages.repaint();
  const int exitCode = compiler.ExitCode();
  // Exit code 0 is a success even when the compiler wrote notes or warnings; a compiler that fails
  // without a word has not compiled the file either.
  if (exitCode == 0 || exitCode == 1)
    CompileMsgForm()->ShowCompileResult(exitCode == 1 ? "errors!" : "compile successfully!");
  else
    CompileMsgForm()->ShowCompileResult("terminated abnormally!");
}

std::string JavaCompilerCommand() { return JavaCompilerPath.empty() ? "javac" : JavaCompilerPath; }

std::string JavaInterpreterCommand() { return JavaInterpreterPath.empty() ? "java" : JavaInterpreterPath; }

// ---- search ----------------------------------------------------------------------------------

bool FindInEdit(platform::TRichEdit& edit, const std::string& text, unsigned options) {
  if (text.empty()) return false;
  const QString all = edit.toPlainText();
  if (all.isEmpty()) return false;
  const std::u16string buffer = all.toStdU16String();
  const std::u16string wanted = QString::fromStdString(text).toStdU16String();
  TSearchOptions search{(options & platform::frDown) != 0, (options & platform::frMatchCase) != 0,
                        (options & platform::frWholeWord) != 0};
  std::optional<int> hit = ScanTextBuffer(buffer, edit.SelStart(), edit.SelLength(), wanted, search);
  if (!hit) return false;
  edit.setFocus();
  edit.SetSelStart(*hit);
  edit.SetSelLength(static_cast<int>(wanted.size()));
  return true;
}

// ---- TEditorForm -----------------------------------------------------------------------------

TEditorForm::TEditorForm() {
  setObjectName("EditorForm");
  SetCaption("Java Editor");
  setWindowFlags(Qt::Tool);
  FormStyle = platform::fsStayOnTop;
  resize(560, 420);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  MainMenu = new platform::TMainMenu(this);
  layout->setMenuBar(MainMenu);
  auto* toolBar = new QWidget(this);
  layout->addWidget(toolBar);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  PageControl = new platform::TPageControl(splitter);
  PageControl->setObjectName("PageControl");
  PageControl->OnChange = [this] { PageControlChange(); };
  MessageWindow = new platform::TListBox(splitter);
  MessageWindow->setObjectName("MessageWindow");
  QFont messageFont("Courier New");
  messageFont.setPixelSize(13);
  MessageWindow->setFont(messageFont);
  MessageWindow->setStyleSheet("color: red;");
  splitter->addWidget(PageControl);
  splitter->addWidget(MessageWindow);
  splitter->setSizes({340, 61});
  layout->addWidget(splitter, 1);

  StatusBar = new platform::TStatusBar(this, {70, 60, 50});
  StatusBar->SetPanelAlignment(0, Qt::AlignCenter);
  StatusBar->SetPanelAlignment(1, Qt::AlignCenter);
  layout->addWidget(StatusBar);

  OpenDialog = new platform::TOpenDialog(this);
  OpenDialog->Filter =
      "Java File (*.java)|*.java|HTML File (*.htm; *.html)|*.htm; *.html|Text File (*.txt)|*.txt|All File (*.*)|*.*";
  OpenDialog->DefaultExt = "java";
  SaveDialog = new platform::TSaveDialog(this);
  SaveDialog->Filter = "Java File (*.java)|*.java|HTML File (*.html)|*.html|Text File (*.txt)|*.txt|All File (*.*)|*.*";
  SaveDialog->DefaultExt = "java";
  FindDialog = new platform::TFindDialog(this);
  FindDialog->OnFind = [this] { Find(*FindDialog); };
  ReplaceDialog = new platform::TReplaceDialog(this);
  ReplaceDialog->OnFind = [this] { Find(*ReplaceDialog); };
  ReplaceDialog->OnReplace = [this] { Replace(); };

  BuildMenus();
  BuildToolBar(toolBar);
  BuildPopupMenu();
  FormCreate();
}

void TEditorForm::BuildMenus() {
  FileMenu = MainMenu->Add("&File");
  FileNewItem = FileMenu->Add("&New", [this] { FileNewItemClick(); }, "Ctrl+N");
  FileOpenItem = FileMenu->Add("&Open...", [this] { FileOpenItemClick(); }, "Ctrl+O");
  FileSaveItem = FileMenu->Add("&Save", [this] { FileSaveItemClick(); }, "Ctrl+S");
  FileSaveAsItem = FileMenu->Add("Save &As...", [this] { FileSaveAsItemClick(); });
  FileCloseItem = FileMenu->Add("&Close", [this] { FileCloseItemClick(); });
  FilePrintItem = FileMenu->Add("&Print...", [this] { FilePrintItemClick(); }, "Ctrl+P");
  FileMenu->AddSeparator();
  FileExitItem = FileMenu->Add("E&xit", [this] { FileExitItemClick(); });
  EditMenu = MainMenu->Add("&Edit");
  EditUndoItem = EditMenu->Add("Undo", [this] { EditUndoItemClick(); }, "Ctrl+Z");
  EditCutItem = EditMenu->Add("Cu&t", [this] { EditCutItemClick(); }, "Ctrl+X");
  EditCopyItem = EditMenu->Add("&Copy", [this] { EditCopyItemClick(); }, "Ctrl+C");
  EditPasteItem = EditMenu->Add("&Paste", [this] { EditPasteItemClick(); }, "Ctrl+V");
  EditSelectAllItem = EditMenu->Add("Select &All", [this] { EditSelectAllItemClick(); }, "Ctrl+A");
  SearchMenu = MainMenu->Add("&Search");
  SearchFindItem = SearchMenu->Add("&Find...", [this] { SearchFindItemClick(); }, "Ctrl+F");
  SearchReplaceItem = SearchMenu->Add("R&eplace...", [this] { SearchReplaceItemClick(); }, "Ctrl+R");
  SearchFindNextItem = SearchMenu->Add("&Find Next", [this] { SearchFindNextItemClick(); }, "F3");
  SearchFindNextItem->SetEnabled(false);
  CompileMenu = MainMenu->Add("&Compile");
  CompileCompileItem = CompileMenu->Add("&Compile...", [this] { CompileCompileItemClick(); }, "F8");
  CompileRunItem = CompileMenu->Add("Run...", [this] { CompileRunItemClick(); }, "F9");
  HelpMenu = MainMenu->Add("&Help");
  HelpAboutItem = HelpMenu->Add("&About...", [this] { HelpAboutItemClick(); });
}

void TEditorForm::BuildToolBar(QWidget* bar) {
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(2, 2, 2, 2);
  auto make = [this, row](platform::TSpeedButton*& button, const char* name, const char* hint, const char* glyph,
                          std::function<void()> onClick) {
    button = new platform::TSpeedButton(this, name, hint);
    button->SetGlyph(std::string("zelvory/") + glyph);
    button->OnClick = std::move(onClick);
    row->addWidget(button);
  };
  make(NewButton, "NewButton", "New", "new", [this] { FileNewItemClick(); });
  make(OpenButton, "OpenButton", "Open", "open", [this] { FileOpenItemClick(); });
  make(SaveButton, "SaveButton", "Save", "save", [this] { FileSaveItemClick(); });
  make(PrintButton, "PrintButton", "Print", "print", [this] { PrintButtonClick(); });
  row->addSpacing(8);
  make(CutButton, "CutButton", "Cut", "cut", [this] { EditCutItemClick(); });
  make(CopyButton, "CopyButton", "Copy", "copy", [this] { EditCopyItemClick(); });
  make(PasteButton, "PasteButton", "Paste", "paste", [this] { EditPasteItemClick(); });
  make(FindNextButton, "FindNextButton", "Find Next", "findnext", [this] { FindNextButtonClick(); });
  make(FindButton, "FindButton", "Find", "find", [this] { FindButtonClick(); });
  make(ReplaceButton, "ReplaceButton", "Replace", "replace", [this] { ReplaceButtonClick(); });
  row->addSpacing(8);
  make(CompileButton, "CompileButton", "Compile", "compile", [this] { CompileButtonClick(); });
  make(RunButton, "RunButton", "Run...", "run", [this] { RunButtonClick(); });
  row->addStretch();
}

void TEditorForm::BuildPopupMenu() {
  PagePopupMenu = new platform::TPopupMenu(PageControl);
  PagePopupMenu->Add("Close Page", [this] { FileCloseItemClick(); });
  PagePopupMenu->Add("New Edit Page", [this] { FileNewItemClick(); });
  PagePopupMenu->Add("Undo", [this] { EditUndoItemClick(); });
  PagePopupMenu->Add("Copy", [this] { EditCopyItemClick(); }, "Ctrl+C");
  PagePopupMenu->Add("Cut", [this] { EditCutItemClick(); }, "Ctrl+X");
  PagePopupMenu->Add("Paste", [this] { EditPasteItemClick(); }, "Ctrl+V");
  PageControl->setContextMenuPolicy(Qt::CustomContextMenu);
  platform::Connect(PageControl, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PagePopupMenu->Popup(at.x(), at.y()); });
}

void TEditorForm::FormCreate() { ReadToolPlace(*this, kEditorPlace); }

void TEditorForm::FormShow() {
  UpdateMenus();
  MessageWindow->clear();
}

// Every page is offered for saving; a page kept by Cancel stays, and the window closes all the same.
void TEditorForm::FormClose(platform::TCloseAction& action) {
  (void)action;
  for (int i = PageCount() - 1; i >= 0; --i) {
    if (i >= PageCount()) continue;
    PageControl->SetActivePageIndex(i);
    FileCloseItemClick();
  }
  WriteToolPlace(*this, kEditorPlace);
}

TEditSheet* TEditorForm::Pages(int index) const { return qobject_cast<TEditSheet*>(PageControl->widget(index)); }

TEditSheet* TEditorForm::ActiveSheet() const { return qobject_cast<TEditSheet*>(PageControl->currentWidget()); }

TEditSheet* TEditorForm::AddSheet() {
  auto* sheet = new TEditSheet();
  PageControl->addTab(sheet, QString::fromStdString(sheet->Caption()));
  return sheet;
}

// The page made active takes the typing, also when it is the first: no page had the focus to pass on.
void TEditorForm::ShowPage(TEditSheet& sheet) {
  PageControl->SetActivePageIndex(sheet.PageIndex());
  sheet.Memo->setFocus();
}

void TEditorForm::RouteEvents(TEditSheet& sheet) {
  auto update = [this](int&, Qt::KeyboardModifiers) { UpdateStatusBar(); };
  sheet.Memo->OnKeyDown = update;
  sheet.Memo->OnKeyUp = update;
  sheet.Memo->OnSelectionChange = [this] { UpdateStatusBar(); };
  sheet.Memo->OnChange = [this] { UpdateStatusBar(); };
}

TEditSheet* TEditorForm::NewPage() {
  TEditSheet* sheet = AddSheet();
  RouteEvents(*sheet);
  sheet->NewFile();
  ShowPage(*sheet);
  UpdateMenus();
  UpdateStatusBar();
  return sheet;
}

// A file that cannot be read leaves its new empty page open, with the read error shown.
TEditSheet* TEditorForm::OpenFileInNewPage(const std::string& path) {
  TEditSheet* sheet = AddSheet();
  ShowPage(*sheet);
  RouteEvents(*sheet);
  try {
    sheet->LoadFile(path);
  } catch (const platform::Exception& error) {
    platform::Application()->ShowException(error);
  }
  UpdateMenus();
  UpdateStatusBar();
  return sheet;
}

void TEditorForm::UpdateMenus() {
  const bool any = PageCount() > 0;
  for (platform::TMenuItem* item : {FileSaveItem, FileSaveAsItem, FileCloseItem, FilePrintItem}) item->SetEnabled(any);
  for (platform::TMenuItem* menu : {EditMenu, SearchMenu, CompileMenu}) menu->SetVisible(any);
  for (platform::TSpeedButton* button : {SaveButton, PrintButton, CutButton, CopyButton, PasteButton, FindButton,
                                         FindNextButton, ReplaceButton, CompileButton, RunButton})
    button->setVisible(any);
}

void TEditorForm::UpdateStatusBar() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return;
  UpdateCaretPanel();
  StatusBar->SetPanelText(1, sheet->IsModified() ? "Modified" : "");
  StatusBar->SetPanelText(2, sheet->FilePath);
}

void TEditorForm::UpdateCaretPanel() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return;
  int column = 0;
  int line = 0;
  sheet->GetCaretPosition(column, line);
  StatusBar->SetPanelText(0, std::to_string(column) + ":" + std::to_string(line + 1));
}

void TEditorForm::SetPagesFont() {
  for (int i = 0; i < PageCount(); ++i) platform::ShowTextLook(*Pages(i)->Memo, EditorFont, EditorColor);
}

void TEditorForm::PageControlChange() { UpdateStatusBar(); }

void TEditorForm::FileNewItemClick() { NewPage(); }

void TEditorForm::FileOpenItemClick() {
  if (!OpenDialog->Execute()) return;
  TEditSheet* sheet = NewPage();
  try {
    sheet->LoadFile(OpenDialog->FileName);
  } catch (const platform::Exception& error) {
    platform::Application()->ShowException(error);
  }
  UpdateStatusBar();
  UpdateMenus();
}

// A failed write shows the error and leaves the page's text, name and modified state as they were.
bool TEditorForm::SaveActiveTo(const std::string& path) {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return false;
  try {
    sheet->SaveFile(path);
  } catch (const platform::Exception& error) {
    platform::Application()->ShowException(error);
    return false;
  }
  UpdateStatusBar();
  return true;
}

bool TEditorForm::FileSaveItemClick() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return false;
  if (!sheet->HasFileName) return FileSaveAsItemClick();
  return SaveActiveTo(sheet->FilePath);
}

bool TEditorForm::FileSaveAsItemClick() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return false;
  SaveDialog->FileName = sheet->FilePath;
  if (!SaveDialog->Execute()) return false;
  return SaveActiveTo(SaveDialog->FileName);
}

void TEditorForm::FileCloseItemClick() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return;
  while (sheet->IsModified()) {
    int answer = platform::MessageDlg("Save Changes to " + platform::ExtractFileName(sheet->FilePath) + "?",
                                      platform::mtWarning, platform::mbYesNoCancel);
    if (answer == platform::mrYes) {
      FileSaveItemClick();
      continue;
    }
    if (answer != platform::mrNo) return;
    PageControl->SetActivePageIndex(0);
    delete sheet;
    UpdateMenus();
    UpdateStatusBar();
    return;
  }
  const int index = sheet->PageIndex();
  PageControl->SetActivePageIndex(index > 0 ? index - 1 : PageCount() - 1);
  delete sheet;
  UpdateMenus();
  UpdateStatusBar();
}

void TEditorForm::FilePrintItemClick() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet != nullptr && platform::ExecutePrintDialog()) sheet->PrintFile();
}

void TEditorForm::FileExitItemClick() { close(); }

void TEditorForm::EditUndoItemClick() {
  if (TEditSheet* sheet = ActiveSheet()) sheet->Memo->undo();
}
void TEditorForm::EditCutItemClick() {
  if (TEditSheet* sheet = ActiveSheet()) sheet->Memo->cut();
}
void TEditorForm::EditCopyItemClick() {
  if (TEditSheet* sheet = ActiveSheet()) sheet->Memo->copy();
}
void TEditorForm::EditPasteItemClick() {
  if (TEditSheet* sheet = ActiveSheet()) platform::Clipboard().PasteInto(*sheet->Memo);
}
void TEditorForm::EditSelectAllItemClick() {
  if (TEditSheet* sheet = ActiveSheet()) sheet->Memo->selectAll();
}

void TEditorForm::SearchFindItemClick() {
  SearchFindNextItem->SetEnabled(true);
  FindDialog->Execute();
}

void TEditorForm::SearchReplaceItemClick() { ReplaceDialog->Execute(); }

void TEditorForm::SearchFindNextItemClick() {
  if (SearchFindNextItem->Enabled()) Find(*FindDialog);
}

void TEditorForm::Find(platform::TFindDialog& dialog) {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return;
  if (!FindInEdit(*sheet->Memo, dialog.FindText, dialog.Options())) platform::ShowMessage(NotFoundMessage(dialog.FindText));
}

// Searching upwards, the caret goes back to the start of each replacement, so a replace text
// that holds the find text is never found again and Replace All ends.
void TEditorForm::Replace() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return;
  platform::TRichEdit& memo = *sheet->Memo;
  const unsigned options = ReplaceDialog->Options();
  auto replaceSelection = [&] {
    const int start = memo.SelStart();
    memo.SetSelText(ReplaceDialog->ReplaceText);
    if ((options & platform::frDown) == 0) memo.SetSelStart(start);
  };
  const QString findText = QString::fromStdString(ReplaceDialog->FindText);
  const Qt::CaseSensitivity matchCase =
      (options & platform::frMatchCase) != 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
  if (!findText.isEmpty() && QString::fromStdString(memo.SelText()).compare(findText, matchCase) == 0)
    replaceSelection();
  bool found = FindInEdit(memo, ReplaceDialog->FindText, options);
  while (found && (options & platform::frReplaceAll) != 0) {
    replaceSelection();
    found = FindInEdit(memo, ReplaceDialog->FindText, options);
  }
  if (!found && (options & platform::frReplace) != 0) platform::ShowMessage(NotFoundMessage(ReplaceDialog->FindText));
}

// A page that could not be written is not compiled: the compiler would read the old file.
void TEditorForm::CompileCompileItemClick() {
  TEditSheet* sheet = ActiveSheet();
  if (sheet == nullptr || compiling_) return;
  if (!sheet->HasFileName) {
    platform::ShowMessage("Save it, first!");
    return;
  }
  if (!FileSaveItemClick()) return;
  MessageWindow->show();
  compiling_ = true;
  sheet->CompileFile(*MessageWindow);
  compiling_ = false;
  UpdateMenus();
}

void TEditorForm::CompileRunItemClick() {
  RunDialog()->FillFileList();
  RunDialog()->ShowModal();
}

void TEditorForm::HelpAboutItemClick() { EditorAboutForm()->ShowModal(); }

}  // namespace modeller
