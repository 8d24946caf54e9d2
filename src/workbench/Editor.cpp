#include "workbench/Editor.h"

#include <QEvent>
#include <QMouseEvent>
#include <QTextDocument>
#include <QVBoxLayout>

#include "designer/CodeWriter_f.h"
#include "designer/DesignFile.h"
#include "designer/EventWriters.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/SysUtils.h"
#include "workbench/ArgApplica.h"
#include "workbench/EditorText.h"
#include "workbench/KeyMapFile.h"
#include "workbench/Main.h"

namespace workbench {

using namespace platform;

TEditorForm* EditorForm = nullptr;
int CaretLine = 0;
int CaretColumn = 1;

namespace {

// A page made or opened from another window (the main strip's New File, Open, Reopen) takes the
// user's next keys: its window is activated with the focus on the page.
void TakeTheKeys(TRichEdit* edit) {
  if (edit != nullptr) platform::FocusControl(*edit);
}

}  // namespace

namespace {

constexpr const char* kFileFilter =
    "Java files (*.java)|*.java|HTML files (*.html)|*.html|Text files (*.txt)|*.txt|Any file (*.*)|*.*";

bool HasFolder(const std::string& fileName) { return !ExtractFilePath(fileName).empty(); }

int FilterEntryCount(const std::string& filter) {
  int bars = static_cast<int>(std::count(filter.begin(), filter.end(), '|'));
  return (bars + 1) / 2;
}

// Dragging the split bar moves the border between the pages and the message list.
class SplitDrag : public QObject {
 public:
  SplitDrag(QWidget* bar, QWidget* list) : QObject(bar), list_(list) { bar->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      startY_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint().y();
      startHeight_ = list_->height();
      return true;
    }
    if (event->type() == QEvent::MouseMove) {
      int dy = static_cast<QMouseEvent*>(event)->globalPosition().toPoint().y() - startY_;
      list_->setFixedHeight(std::max(16, startHeight_ - dy));
      return true;
    }
    return false;
  }

 private:
  QWidget* list_;
  int startY_ = 0;
  int startHeight_ = 0;
};

}  // namespace

TEditorForm::TEditorForm() {
  setObjectName("EditorForm");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Page = new TPageControl(this);
  Page->setContextMenuPolicy(Qt::CustomContextMenu);
  Page->OnChange = [this] { PageChange(); };
  layout->addWidget(Page, 1);

  SplitPanel = new TPanel(this, "SplitPanel");
  SplitPanel->setFixedHeight(3);
  SplitPanel->setCursor(Qt::SplitVCursor);
  SplitPanel->hide();
  layout->addWidget(SplitPanel);

  MessageWindow = new TListBox(this);
  MessageWindow->setFixedHeight(46);
  QFont listFont = MessageWindow->font();
  listFont.setPixelSize(13);
  MessageWindow->setFont(listFont);
  MessageWindow->hide();
  MessageWindow->OnDblClick = [this] { MessageWindowDblClick(); };
  layout->addWidget(MessageWindow);
  new SplitDrag(SplitPanel, MessageWindow);

  StatusBar = new TStatusBar(this, {70, 70, 70, 100});
  StatusBar->SetPanelAlignment(0, Qt::AlignCenter);
  StatusBar->SetPanelAlignment(1, Qt::AlignCenter);
  StatusBar->SetPanelText(0, "1:1");
  layout->addWidget(StatusBar);

  OpenDialog1 = new TOpenDialog(this);
  SaveDialog1 = new TSaveDialog(this);
  OpenDialog1->Filter = SaveDialog1->Filter = kFileFilter;
  BuildKeyCodeList();
  ClearKeyMacroTexts(FKeyMacros);

  PopupMenu1 = new TPopupMenu(this);
  CodeAssistant = PopupMenu1->Add("", [this] { CodeAssistantClick(); }, "Ctrl+J");
  CodeAssistant->SetVisible(false);
  CodeAssistant->SetEnabled(false);
  Open1 = PopupMenu1->Add("Ope&n", [this] { Open1Click(); }, "Ctrl+O");
  Close1 = PopupMenu1->Add("Clo&se", [this] { Close1Click(); }, "Ctrl+F4");
  RefreshEditor1 = PopupMenu1->Add("&Refresh Editor", [this] { RefreshEditor1Click(); });
  FindFrame1 = PopupMenu1->Add("&Find Frame", [this] { FindFrame1Click(); }, "F12");
  HelpTopics1 = PopupMenu1->Add("&Help Topics", [this] { HelpTopics1Click(); }, "F1");
  PopupMenu1->AddSeparator();
  Copy1 = PopupMenu1->Add("&Copy", [this] {
    CopySelection();
    if (Clipboard().HasText()) MainForm->EnablePasteCommands(true);
  }, "Ctrl+C");
  Cut1 = PopupMenu1->Add("Cu&t", [this] {
    if (ActiveEditor() != nullptr && ActiveEditor()->Tag < 0) Beep();
    else CutSelection();
  }, "Ctrl+X");
  Paste1 = PopupMenu1->Add("&Paste", [this] { PasteSelection(); }, "Ctrl+V");
  Undo1 = PopupMenu1->Add("&Undo", [this] { UndoEdit(); }, "Ctrl+Z");
  PopupMenu1->AddSeparator();
  ReadOnly1 = PopupMenu1->Add("Read &Only", [this] { ReadOnly1Click(); });
  MessageWindow1 = PopupMenu1->Add("&Message Window", [this] { MessageWindow1Click(); });
  MessageWindow1->SetChecked(false);
  ReadOnly1->SetChecked(false);
  PopupMenu1->OnPopup = [this] { PopupMenu1Popup(); };
  platform::Connect(Page, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->Popup(Page->mapToGlobal(at).x(), Page->mapToGlobal(at).y()); });
  platform::Connect(Page, &QTabWidget::tabBarClicked, this, [this](int) { PageMouseDown(); });
}

// ---- Pages ----

TRichEdit* TEditorForm::PageEditor(int n) const {
  TTabSheet* sheet = Page->Pages(n);
  return sheet ? sheet->findChild<TRichEdit*>() : nullptr;
}

TRichEdit* TEditorForm::ActiveEditor() const { return PageEditor(Page->currentIndex()); }

std::string TEditorForm::ActiveFileName() const { return FFileNames.Get(Page->currentIndex()); }

bool TEditorForm::IsPageModified(int n) const {
  TRichEdit* edit = PageEditor(n);
  return edit != nullptr && edit->Modified();
}

void TEditorForm::SetupPageEditor(TTabSheet* sheet) {
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* edit = new TRichEdit(sheet);
  layout->addWidget(edit);
  edit->SetColor(FBackgroundColor);
  edit->SetFontColor(FTextColor);
  if (!FFontName.empty()) edit->SetFontName(FFontName);
  edit->SetFontSize(FFontSize);
  edit->Tag = 1;
  edit->setContextMenuPolicy(Qt::CustomContextMenu);
  platform::Connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& at) {
    PopupMenu1->Popup(edit->mapToGlobal(at).x(), edit->mapToGlobal(at).y());
  });
  edit->OnChange = [this] { EditorChange(); };
  // The Undo commands offer what the active page can take back, and nothing once it cannot.
  platform::Connect(edit->document(), &QTextDocument::undoAvailable, this, [this, edit](bool available) {
    if (edit == ActiveEditor()) MainForm->EnableUndoCommand(available);
  });
  edit->OnSelectionChange = [this] { EditorSelectionChange(); };
  BindEditingKeys(edit);
}

void TEditorForm::NewNonamePage(const std::string& ext) {
  std::string caption = "noname" + designer::GetNextNonameNumber(*Page) + "." + ext;
  TTabSheet* sheet = Page->AddPage(caption);
  SetupPageEditor(sheet);
  Page->SetActivePageIndex(Page->indexOf(sheet));
  FFileNames.Add(caption);
  PageChange();
  ShowIfHidden();
  TakeTheKeys(ActiveEditor());
}

std::string TEditorForm::WithFilterExtension(const std::string& name, const TFileDialog& dialog) const {
  if (!ExtractFileExt(name).empty()) return name;
  std::string ext = designer::GetFilterExt(dialog.Filter, dialog.FilterIndex);
  // "Any file (*.*)" offers no extension to append.
  if (ext.find_first_of("*?") != std::string::npos) return name;
  return name + ext;
}

void TEditorForm::OpenFileDialog() {
  if (GetPageCount() > 0) SelectFilterForExt(ExtractFileExt(ActiveFileName()));
  std::string name;
  for (;;) {
    if (!OpenDialog1->Execute()) {
      if (isVisible()) FocusActiveEditor();
      return;
    }
    name = WithFilterExtension(OpenDialog1->FileName, *OpenDialog1);
    if (FileExists(name)) break;
    MessageDlg(FormatText("There is no\r %s .\r", {name}), mtWarning, mbOK);
  }
  int open = FindOpenFile(name);
  if (open >= 0) {
    SelectPage(open);
    if (isVisible()) TakeTheKeys(ActiveEditor());
    return;
  }
  OpenPage(name, false);
  OpenDialog1->InitialDir.clear();
}

void TEditorForm::OpenFileByName(const std::string& fileName) {
  int open = FindOpenFile(fileName);
  if (open >= 0) {
    SelectPage(open);
    return;
  }
  OpenPage(fileName, true);
}

TTabSheet* TEditorForm::OpenPage(const std::string& fileName, bool missingIsEmpty) {
  TTabSheet* sheet = Page->AddPage(ExtractFileName(fileName));
  SetupPageEditor(sheet);
  SourceUpdating = true;
  try {
    if (!missingIsEmpty || FileExists(fileName)) sheet->findChild<TRichEdit*>()->LoadFromFile(fileName);
  } catch (const Exception& failure) {
    // An empty page under the file's name would, once saved, write nothing over the file.
    delete sheet;
    SourceUpdating = false;
    MessageDlg(failure.Message(), mtError, mbOK);
    return nullptr;
  }
  ColorComments(*sheet->findChild<TRichEdit*>());
  Page->SetActivePageIndex(Page->indexOf(sheet));
  FFileNames.Add(fileName);
  ShowIfHidden();
  TakeTheKeys(ActiveEditor());
  RunDesignFileHook(sheet, fileName);
  return sheet;
}

void TEditorForm::RunDesignFileHook(TTabSheet* sheet, const std::string& fileName) {
  std::string link = LowerCase(ExtractFileExt(fileName)) == ".java" ? FormLinkName() : std::string();
  if (!link.empty()) {
    std::string folder = ExtractFilePath(fileName);
    std::string designFile = folder + link + ".jfm";
    if (!FileExists(designFile)) {
      SourceUpdating = false;
      MessageDlg(FormatText("The design file %s is missing.\rThe source is opened as plain text.", {designFile}),
                 mtWarning, mbOK);
    } else {
      ProgramWrite(*sheet->findChild<TRichEdit*>(), [&] {
        if (designer::TFrame* frame = designer::LoadDesignFile(folder, link)) {
          designer::UpgradeGeneratedSource(fileName, link, frame->FrameId);
          frame->RaiseMarkers();
        }
      });
    }
  }
  // Whatever the design link holds, the page ends up editable and unmodified.
  SourceUpdating = false;
  sheet->findChild<TRichEdit*>()->SetModified(false);
  PageChange();
}

std::string TEditorForm::FormLinkName() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr || edit->Lines().Count() < 1) return {};
  std::string line = edit->Lines()[0];
  if (line.size() <= 6 || line.find("// {$R ") == std::string::npos) return {};
  std::string name = line.substr(7);
  size_t end = name.find(".JFM}");
  if (end != std::string::npos) name.erase(end);
  return name.find(' ') == std::string::npos && IsLinkBesideSource(name) ? name : std::string();
}

int TEditorForm::FindOpenFile(const std::string& fileName) {
  if (FFileNames.Count() != GetPageCount())
    ShowMessage("Internal error : Page fault in function DoesThisFileExistInEditor !");
  std::string wanted = LowerCase(fileName);
  for (int i = 0; i < FFileNames.Count(); ++i)
    if (LowerCase(FFileNames[i]) == wanted) return i;
  return -1;
}

void TEditorForm::SelectPage(int index) {
  Page->SetActivePageIndex(index);
  PageChange();
}

// ---- Saving ----

// A page with a design frame is saved with its design file beside it: both files are replaced, or
// neither is and the page stays modified.
bool TEditorForm::SavePageFiles(int n, const std::string& fileName) {
  TRichEdit* edit = PageEditor(n);
  std::vector<TFileContent> files;
  if (auto* frame = qobject_cast<designer::TFrame*>(Page->Pages(n)->Tag()))
    files.push_back(designer::DesignFileContent(ExtractFilePath(fileName), *frame));
  files.push_back({fileName, edit->FileBytes()});
  try {
    WriteFilesTogether(files);
  } catch (const Exception& failure) {
    MessageDlg(failure.Message(), mtError, mbOK);
    return false;
  }
  edit->SetModified(false);
  if (n == Page->currentIndex()) SetModifiedMarker(false);
  return true;
}

void TEditorForm::RenamePageFile(int n, const std::string& fileName) {
  Page->Pages(n)->SetCaption(ExtractFileName(fileName));
  FFileNames.Put(n, fileName);
  if (n == Page->currentIndex()) SetCaption(fileName);
}

bool TEditorForm::SaveFile() {
  ShowIfHidden();
  int n = Page->currentIndex();
  if (n < 0) return false;
  if (!SavePage(n)) return false;
  FocusActiveEditor();
  return true;
}

bool TEditorForm::SavePage(int n) {
  TTabSheet* sheet = Page->Pages(n);
  if (sheet == nullptr) return false;
  std::string name = FFileNames.Get(n);
  if (designer::GetNonameNumber(sheet->Caption()) == -1 && HasFolder(name)) {
    if (!PageEditor(n)->Modified()) return true;
    return SavePageFiles(n, name);
  }
  SelectFilterForExt(ExtractFileExt(sheet->Caption()));
  SaveDialog1->FileName = name;
  SaveDialog1->InitialDir = FWorkingDir;
  return SaveAsFlow(n, n == Page->currentIndex());
}

bool TEditorForm::SaveFileAs() {
  int n = Page->currentIndex();
  if (n < 0) return false;
  return SaveAsFlow(n, true);
}

bool TEditorForm::SavePageAs(int n) { return SaveAsFlow(n, false); }

bool TEditorForm::AskFileName(const std::string& currentName, std::string& chosen) {
  if (!currentName.empty()) SelectFilterForExt(ExtractFileExt(currentName));
  // An untitled page proposes its own name, which a designed page's class bears.
  if (!HasFolder(currentName)) SaveDialog1->FileName = currentName;
  for (;;) {
    if (!SaveDialog1->Execute()) return false;
    chosen = WithFilterExtension(SaveDialog1->FileName, *SaveDialog1);
    if (!FileExists(chosen)) return true;
    if (MessageDlg(FormatText("There exists\r %s .\rOverwrite it ?", {chosen}), mtWarning, mbYesNo) == mrYes)
      return true;
  }
}

bool TEditorForm::SaveAsFlow(int n, bool interactive) {
  if (interactive) ShowIfHidden();
  std::string oldName = FFileNames.Get(n);
  std::string name;
  if (!AskFileName(oldName, name)) {
    if (interactive) FocusActiveEditor();
    return false;
  }
  if (!SavePageFiles(n, name)) return false;
  if (HasFolder(oldName)) MainForm->AddReopenItem(0, oldName);
  Page->Pages(n)->SetCaption(ExtractFileName(name));
  FFileNames.Put(n, name);
  if (n == Page->currentIndex()) SetCaption(name);
  MainForm->RemoveReopenItem(name);
  if (interactive) FocusActiveEditor();
  return true;
}

// ---- Handler clean-up before a compile ----

namespace {

// A binding whose handler routine is empty.
struct TEmptyBinding {
  std::string component;
  std::string event;  // "OnAction"
  std::string handler;
};

std::vector<TEmptyBinding> EmptyBindings(const designer::TEventHandlerList& list,
                                         const std::function<bool(const std::string&)>& isEmpty) {
  std::vector<TEmptyBinding> empty;
  std::string component;
  for (int i = 0; i < list.Count(); ++i) {
    const std::string& line = list[i];
    if (line.find('[') != std::string::npos) component = line.substr(1, line.find(']') - 1);
    else if (!line.empty() && isEmpty(designer::GetLastWord(line)))
      empty.push_back({component, designer::GetFirstWord(line), designer::GetLastWord(line)});
  }
  return empty;
}

void RemoveBindings(designer::TFrame& frame, const std::vector<TEmptyBinding>& empty) {
  for (const TEmptyBinding& binding : empty) {
    designer::SetEventHandler(frame.FHandlerList, binding.component, binding.event, "");
    // The frame's own events test "this", whichever frame is the current one.
    std::string target = binding.component == frame.Name() ? "this" : binding.component;
    designer::RemoveEventClause(target, designer::EventNameToID(binding.event.substr(2)));
    designer::RemoveHandlerRoutine(binding.handler);
  }
}

}  // namespace

bool TEditorForm::IsHandlerBodyEmpty(const std::string& handler) const {
  // Every routine of the name counts: the clean-up removes them all.
  return designer::HandlerRoutinesEmpty(handler);
}

bool TEditorForm::SaveWithHandlerCleanup() {
  int n = Page->currentIndex();
  auto* frame = n < 0 ? nullptr : qobject_cast<designer::TFrame*>(ActiveSheet()->Tag());
  if (frame == nullptr) return true;
  std::vector<TEmptyBinding> empty =
      EmptyBindings(frame->FHandlerList, [this](const std::string& handler) { return IsHandlerBodyEmpty(handler); });
  if (!empty.empty()) {
    designer::WriteFrameSource(frame, [&] { RemoveBindings(*frame, empty); }, false);
    if (frame->FSourcePage.isNull()) return false;  // a lost marker closed the page
    if (MainForm->FCurrentFrame == frame && designer::ObjInsForm->Shown() != nullptr)
      designer::ObjInsForm->ShowComponent(designer::ObjInsForm->Shown());
  }
  n = Page->indexOf(frame->FSourcePage.data());
  std::string name = FFileNames.Get(n);
  return HasFolder(name) && SavePageFiles(n, name);
}

// ---- Closing ----

void TEditorForm::ClosePage() {
  int n = Page->currentIndex();
  if (n < 0) return;
  if (ActiveEditor()->Modified()) {
    int answer = MessageDlg(FormatText("File %s has been modified. Save file?", {FFileNames.Get(n)}), mtWarning,
                            mbYesNoCancel);
    if (answer == mrCancel) return;
    if (answer == mrYes && !SaveFile()) return;
  }
  std::string name = FFileNames.Get(n);
  if (HasFolder(name)) MainForm->AddReopenItem(0, name);
  FFileNames.Delete(n);
  TTabSheet* sheet = Page->Pages(n);
  if (QObject* frame = sheet->Tag()) {
    delete frame;
    MainForm->UnSelect1Click();
    MainForm->EnableDesignTools();
  }
  delete sheet;
  if (GetPageCount() == 0) {
    hide();
    return;
  }
  Page->SetActivePageIndex(n == 0 ? 0 : n - 1);
  PageChange();
  ShowIfHidden();
  FocusActiveEditor();
}

// ---- Status and page change ----

void TEditorForm::PageChange() {
  MainForm->UpdateClipboardCommands();
  TTabSheet* sheet = ActiveSheet();
  if (sheet == nullptr) return;
  std::string name = ActiveFileName();
  SetCaption(name);
  MainForm->BrowserButton->setEnabled(HasFolder(name));
  SetModifiedMarker(ActiveEditor()->Modified());
  MainForm->EnableUndoCommand(ActiveEditor()->document()->isUndoAvailable());
  if (ArgForApplicaForm.Made()) ArgForApplicaForm->ArgComboBox->setEditText({});
  UpdateCaretStatus();
  UpdateModeStatus();
  MainForm->FPageFrame = qobject_cast<designer::TFrame*>(sheet->Tag());
}

void TEditorForm::UpdateCaretStatus() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  int position = edit->SelStart();
  CaretLine = edit->LineFromChar(position);
  CaretColumn = position - edit->LineIndex(CaretLine) + 1;
  StatusBar->SetPanelText(0, IntToStr(CaretLine + 1) + ":" + IntToStr(CaretColumn));
}

void TEditorForm::SetModifiedMarker(bool modified) {
  if (SourceUpdating) return;
  StatusBar->SetPanelText(1, modified ? "Modified" : "");
}

void TEditorForm::UpdateModeStatus() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  StatusBar->SetPanelText(2, edit->Tag < 0 ? " Read only" : edit->Tag == 1 ? " Insert" : " Overwrite");
}

void TEditorForm::SelectFilterForExt(const std::string& ext) {
  int entries = FilterEntryCount(SaveDialog1->Filter);
  for (int i = 1; i <= entries; ++i) {
    std::string entryExt = designer::GetFilterExt(SaveDialog1->Filter, i);
    if (entryExt.empty()) return;
    if (entryExt == ext) {
      OpenDialog1->FilterIndex = SaveDialog1->FilterIndex = i;
      OpenDialog1->FileName.clear();
      SaveDialog1->FileName.clear();
      return;
    }
  }
}

int TEditorForm::ErrorLineOfMessage(int index) const {
  std::vector<std::string> messages;
  for (int i = 0; i < MessageWindow->count(); ++i) messages.push_back(MessageWindow->Items(i));
  return ErrorLineOfMessages(messages, index);
}

void TEditorForm::MessageWindowDblClick() {
  int line = ErrorLineOfMessage(MessageWindow->currentRow());
  if (line == -1) ShowMessage("Can not find error line !");
  else designer::GotoEditorLine(line);
}

void TEditorForm::MessageWindow1Click() {
  bool show = !MessageWindow->isVisible();
  if (show) {
    MessageWindow->show();
    SplitPanel->show();
  } else {
    SplitPanel->hide();
    MessageWindow->hide();
  }
  MessageWindow1->SetChecked(show);
  RepaintActiveEditor();
}

// ---- Open-file list ----

void TEditorForm::CollectOpenFiles() {
  FOpenFileList.Clear();
  for (int i = GetPageCount() - 1; i >= 0; --i)
    if (HasFolder(FFileNames.Get(i))) FOpenFileList.Add(FFileNames.Get(i));
}

std::string TEditorForm::GetOpenFileList() {
  CollectOpenFiles();
  std::string text;
  for (const std::string& name : FOpenFileList.Lines()) text += name + "|";
  return text;
}

void TEditorForm::SetOpenFileList(const std::string& text) {
  FOpenFileList.Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t bar = text.find('|', start);
    // A last entry without its "|" (a hand-edited file) still counts.
    size_t end = bar == std::string::npos ? text.size() : bar;
    if (end > start) FOpenFileList.Insert(0, text.substr(start, end - start));
    start = end + 1;
  }
}

// ---- Settings applied to the pages ----

void TEditorForm::ApplyToEveryPage(const std::function<void(TRichEdit*)>& change) {
  for (int i = 0; i < GetPageCount(); ++i) change(PageEditor(i));
}

void TEditorForm::SetFileFilter(const std::string& filter) { OpenDialog1->Filter = SaveDialog1->Filter = filter; }

void TEditorForm::SetWorkingDir(const std::string& folder) {
  FWorkingDir = folder;
  OpenDialog1->InitialDir = SaveDialog1->InitialDir = folder;
}

void TEditorForm::SetGridSize(int size) {
  FGridSize = size;
  for (int i = 0; i < GetPageCount(); ++i)
    if (auto* frame = qobject_cast<QWidget*>(Page->Pages(i)->Tag())) frame->update();
}

void TEditorForm::SetFontName(const std::string& name) {
  FFontName = name;
  ApplyToEveryPage([&](TRichEdit* edit) { edit->SetFontName(name); });
}

void TEditorForm::SetFontSize(int size) {
  FFontSize = size;
  ApplyToEveryPage([&](TRichEdit* edit) { edit->SetFontSize(size); });
}

void TEditorForm::SetTextColor(unsigned color) {
  FTextColor = color;
  RecolorEveryPage();
}

void TEditorForm::SetBackgroundColor(unsigned color) {
  FBackgroundColor = color;
  ApplyToEveryPage([&](TRichEdit* edit) { edit->SetColor(color); });
}

// ---- Clipboard, undo, read-only ----

// The main window's clipboard and undo commands show the editor and act on its active page.
void TEditorForm::OnActiveEditor(const std::function<void(TRichEdit&)>& action) {
  ShowIfHidden();
  if (TRichEdit* edit = ActiveEditor()) action(*edit);
  activateWindow();
}

void TEditorForm::CopySelection() {
  OnActiveEditor([](TRichEdit& edit) { edit.copy(); });
}

void TEditorForm::CutSelection() {
  OnActiveEditor([](TRichEdit& edit) {
    edit.copy();
    edit.SetSelText({});
  });
}

void TEditorForm::DeleteSelection() {
  OnWritableEditor([](TRichEdit& edit) { edit.SetSelText({}); });
}

void TEditorForm::PasteSelection() {
  OnWritableEditor([](TRichEdit& edit) { Clipboard().PasteInto(edit); });
}

void TEditorForm::UndoEdit() {
  OnWritableEditor([](TRichEdit& edit) { edit.undo(); });
}

void TEditorForm::ReadOnly1Click() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  edit->Tag = -edit->Tag;
  edit->setReadOnly(!edit->isReadOnly());
  ReadOnly1->SetChecked(!ReadOnly1->Checked());
  UpdateModeStatus();
}

void TEditorForm::PopupMenu1Popup() {
  TRichEdit* edit = ActiveEditor();
  bool selected = edit != nullptr && edit->SelLength() > 0;
  ReadOnly1->SetChecked(edit != nullptr && edit->Tag < 0);
  Copy1->SetEnabled(selected);
  Cut1->SetEnabled(selected);
  Paste1->SetEnabled(Clipboard().HasText());
  Undo1->SetEnabled(edit != nullptr && edit->document()->isUndoAvailable());
}

void TEditorForm::EditorChange() {
  SetModifiedMarker(true);
  if (!MainForm->Undo1->Enabled()) MainForm->EnableUndoCommand(true);
}

void TEditorForm::EditorSelectionChange() {
  if (SourceUpdating) return;
  UpdateCaretStatus();
  if (!FReplacingAll) MainForm->UpdateClipboardCommands();
}

// ---- Window events ----

void TEditorForm::FormShow() {
  if (GetPageCount() > 0) SetCaption(ActiveFileName());
}

void TEditorForm::FormActivate() {
  MainForm->AppActivate();
  TTabSheet* sheet = ActiveSheet();
  MainForm->FPageFrame = sheet ? qobject_cast<designer::TFrame*>(sheet->Tag()) : nullptr;
  MainForm->SwapButton->OnClick = [] { MainForm->FindFrame(); };
}

void TEditorForm::FormResize() {
  if (isVisible()) RepaintActiveEditor();
}

void TEditorForm::PageMouseDown() { RepaintActiveEditor(); }
void TEditorForm::RefreshEditor1Click() { RepaintActiveEditor(); }
void TEditorForm::FindFrame1Click() { MainForm->SwapButton->Click(); }
void TEditorForm::Open1Click() { MainForm->OpenFile1Click(); }
void TEditorForm::Close1Click() { MainForm->CloseFile1Click(); }

void TEditorForm::FocusActiveEditor() {
  if (TRichEdit* edit = ActiveEditor()) edit->setFocus();
}

void TEditorForm::ShowIfHidden() {
  if (!isVisible()) Show();
}

void TEditorForm::RepaintActiveEditor() {
  if (TRichEdit* edit = ActiveEditor()) edit->viewport()->update();
}

// Delete, Paste and Undo never change a read-only page: they beep there, as Cut does.
void TEditorForm::OnWritableEditor(const std::function<void(TRichEdit&)>& action) {
  TRichEdit* edit = ActiveEditor();
  if (edit != nullptr && edit->Tag < 0) {
    Beep();
    return;
  }
  OnActiveEditor(action);
}

}  // namespace workbench
