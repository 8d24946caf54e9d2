#include "workbench/Main.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QVBoxLayout>

#include "designer/CodeWriter_f.h"
#include "designer/ExtendedType.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Printing.h"
#include "platform/SysUtils.h"
#include "workbench/About_f.h"
#include "workbench/ArgApplet.h"
#include "workbench/ArgApplica.h"
#include "workbench/ClassViewer_f.h"
#include "workbench/CodeTemplet_f.h"
#include "workbench/Editor.h"
#include "workbench/EnvOpt.h"
#include "workbench/GotoLine.h"
#include "workbench/SettingsExchange.h"

namespace workbench {

using namespace platform;

TMainForm* MainForm = nullptr;
bool WorkbenchClosing = false;
bool SourceUpdating = false;
bool MarkerLost = false;
int SystemMenuHeight = 0;
TDesignFont DesignFont;
TWindowMetrics WindowMetrics;

namespace {

constexpr int kNoTool = 100;
constexpr int kPaletteGroup = 1;
constexpr int kLayoutGap = 10;  // between the windows of the default layout

// Reopen entries name the same file when their folders match ignoring case and their names match
// exactly.
bool SameReopenFile(const std::string& a, const std::string& b) {
  return SameText(ExtractFilePath(a), ExtractFilePath(b)) && ExtractFileName(a) == ExtractFileName(b);
}

}  // namespace

TMainForm::TMainForm() {
  setObjectName("MainForm");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildMenus();
  layout->setMenuBar(MainMenu1);
  auto* strip = new QHBoxLayout();
  strip->setContentsMargins(0, 0, 0, 0);
  strip->setSpacing(0);
  layout->addLayout(strip);
  BuildSpeedBar();
  strip->addWidget(speedPanel);
  BuildPalette();
  strip->addWidget(ComponentPalette, 1);
  FormCreate();
}

void TMainForm::FormCreate() {
  Application()->SetTitle(designer::GetVersionText());
  SetCaption(designer::GetVersionText());
  designer::GetWindowMetrics();
  SystemMenuHeight = WindowMetricsConst::MenuHeight;
  DesignFont = {"Dialog", 12, true, 0};
  // Java's logical face "Dialog" is Arial where the designs were made; Liberation Sans has its widths.
  QFont::insertSubstitution("Dialog", "Liberation Sans");
  FSelectedTool = kNoTool;
  WorkbenchClosing = false;
  MarkerLost = false;
  designer::CreateCodeTemplates();
  Application()->HelpFile = Application()->ExeDir() + "help/Morvane.html";
  Application()->OnActivate = [this] { AppActivate(); };
  // The strip keeps one height and is never narrower than 500 pixels, frame included.
  setMinimumWidth(500 - 2 * WindowMetrics.FrameWidth);
  setFixedHeight(SystemMenuHeight + 70 - 2 * WindowMetrics.FrameHeight);
}

// ---- Strip ----

void TMainForm::BuildSpeedBar() {
  speedPanel = new TPanel(this, "speedPanel");
  speedPanel->setFixedWidth(194);
  auto* grid = new QGridLayout(speedPanel);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setSpacing(1);
  struct Spec {
    TSpeedButton** field;
    const char* name;
    const char* hint;
    const char* glyph;
    std::function<void()> click;
  };
  const Spec specs[] = {
      {&openButton, "openButton", "Open File", "open", [this] { OpenFile1Click(); }},
      {&newfileButton, "newfileButton", "New File", "new", [this] { newfileButtonClick(); }},
      {&saveButton, "saveButton", "Save File", "save", [this] { SaveFile1Click(); }},
      {&SwapButton, "SwapButton", "Toggle Frame/Editor", "swap", {}},
      {&copyButton, "copyButton", "Copy", "copy", [this] { copyButtonClick(); }},
      {&cutButton, "cutButton", "Cut", "cut", [this] { cutButtonClick(); }},
      {&pasteButton, "pasteButton", "Paste", "paste", [this] { pasteButtonClick(); }},
      {&undoButton, "undoButton", "Undo", "undo", [this] { undoButtonClick(); }},
      {&findButton, "findButton", "Find", "find", [this] { findButtonClick(); }},
      {&findnextButton, "findnextButton", "Find Next", "findnext", [this] { findnextButtonClick(); }},
      {&replaceButton, "replaceButton", "Replace", "replace", [this] { replaceButtonClick(); }},
      {&runButton, "runButton", "Run", "run", [this] { Run2Click(); }},
      {&BrowserButton, "BrowserButton", "Class Viewer", "classviewer", [this] { ClassViewer1Click(); }},
      {&AlignButton, "AlignButton", "Alignment Palette", "align", [] {}},
  };
  int index = 0;
  for (const Spec& spec : specs) {
    auto* button = new TSpeedButton(speedPanel, spec.name, spec.hint);
    button->SetGlyph(std::string("morvane/") + spec.glyph);
    button->OnClick = spec.click;
    *spec.field = button;
    grid->addWidget(button, index / 7, index % 7);
    ++index;
  }
  copyButton->setEnabled(false);
  cutButton->setEnabled(false);
  pasteButton->setEnabled(false);
  undoButton->setEnabled(false);
  findnextButton->setEnabled(false);
}

TSpeedButton* TMainForm::PaletteButton(QWidget* page, const std::string& name, const std::string& hint,
                                       const std::string& glyph, int tool) {
  auto* button = new TSpeedButton(page, name, hint, kPaletteGroup);
  button->SetGlyph("morvane/" + glyph);
  if (tool > 0) button->OnClick = [this, tool] { FSelectedTool = tool; };
  page->layout()->addWidget(button);
  return button;
}

void TMainForm::BuildPalette() {
  ComponentPalette = new TPageControl(this);
  ComponentPalette->OnChange = [this] { ComponentPaletteChange(); };
  TSpeedButton** arrows[] = {&UnSelect1, &Unselect2, &Unselect3, &Unselect4, &Unselect5};
  const char* arrowNames[] = {"UnSelect1", "Unselect2", "Unselect3", "Unselect4", "Unselect5"};
  const char* pages[] = {"Standard", "Additional", "Dialog", "System", "Network"};
  QWidget* sheets[5];
  for (int i = 0; i < 5; ++i) {
    sheets[i] = ComponentPalette->AddPage(pages[i]);
    auto* row = new QHBoxLayout(sheets[i]);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(1);
    *arrows[i] = PaletteButton(sheets[i], arrowNames[i], "", "arrow", 0);
    (*arrows[i])->OnClick = [this] { UnSelect1Click(); };
  }
  CompoButton = PaletteButton(sheets[0], "CompoButton", "Button", "button", 102);
  CompoPanel = PaletteButton(sheets[0], "CompoPanel", "Panel", "panel", 103);
  CompoEdit = PaletteButton(sheets[0], "CompoEdit", "TextField", "textfield", 104);
  CompoMemo = PaletteButton(sheets[0], "CompoMemo", "TextArea", "textarea", 105);
  CompoLabel = PaletteButton(sheets[0], "CompoLabel", "Label", "label", 106);
  CompoCheck = PaletteButton(sheets[0], "CompoCheck", "Checkbox", "checkbox", 107);
  CompoCheckGrp = PaletteButton(sheets[0], "CompoCheckGrp", "CheckboxGroup", "checkboxgroup", 108);
  CompoCombo = PaletteButton(sheets[0], "CompoCombo", "Choice", "choice", 109);
  CompoList = PaletteButton(sheets[0], "CompoList", "List", "list", 110);
  ScrollBarControl = PaletteButton(sheets[0], "ScrollBarControl", "ScrollBar", "scrollbar", 111);
  CompoMenu = PaletteButton(sheets[0], "CompoMenu", "MenuBar", "menubar", 112);
  CompoImage = PaletteButton(sheets[1], "CompoImage", "Image", "image", 114);
  CompoAudioClip = PaletteButton(sheets[1], "CompoAudioClip", "AudioClip", "audioclip", 0);
  CompoOpenDlg = PaletteButton(sheets[2], "CompoOpenDlg", "Open Dialog", "opendialog", 116);
  CompoSaveDlg = PaletteButton(sheets[2], "CompoSaveDlg", "Save Dialog", "savedialog", 0);
  for (QWidget* sheet : sheets) static_cast<QHBoxLayout*>(sheet->layout())->addStretch(1);
  UnSelect1Click();
}

void TMainForm::BuildMenus() {
  MainMenu1 = new TMainMenu(this);
  BuildFileMenu();

  Edit1 = MainMenu1->Add("&Edit");
  Undo1 = Edit1->Add("&Undo", [this] { undoButtonClick(); });
  Cut1 = Edit1->Add("Cu&t", [this] { cutButtonClick(); });
  Copy1 = Edit1->Add("&Copy", [this] { copyButtonClick(); });
  Paste1 = Edit1->Add("&Paste", [this] { pasteButtonClick(); });
  Delete1 = Edit1->Add("&Delete", [this] { Delete1Click(); });
  for (TMenuItem* item : {Undo1, Cut1, Copy1, Paste1, Delete1}) item->SetEnabled(false);

  Search1 = MainMenu1->Add("&Search");
  Find1 = Search1->Add("&Find ...", [this] { findButtonClick(); }, "Ctrl+F");
  Replace1 = Search1->Add("&Replace ...", [this] { replaceButtonClick(); }, "Ctrl+R");
  FindNext1 = Search1->Add("Find &Next", [this] { findnextButtonClick(); }, "F3");
  FindNext1->SetEnabled(false);
  GotoLineNumber1 = Search1->Add("&Goto Line Number ...", [this] { GotoLineNumber1Click(); }, "Ctrl+L");

  View1 = MainMenu1->Add("&View", [this] { View1Click(); });
  EditorWindow1 = View1->Add("&Editor Window", [this] { EditorWindow1Click(); }, "F12");
  EditorWindow1->SetEnabled(false);
  ObjectInspector1 = View1->Add("&Object Inspector", [this] { ObjectInspector1Click(); }, "F11");
  AlignmentPalette1 = View1->Add("&Alignment Palette");
  AlignmentPalette1->SetEnabled(false);
  ClassViewer1 = View1->Add("&Class Viewer", [this] { ClassViewer1Click(); });
  Statusbar1 = View1->Add("&Status Bar", [this] { Statusbar1Click(); });
  Statusbar1->SetChecked(true);
  SpeedBar1 = View1->Add("S&peed Bar", [this] { SpeedBar1Click(); });
  SpeedBar1->SetChecked(true);

  BuildRunMenu();

  Option1 = MainMenu1->Add("&Option");
  Environment1 = Option1->Add("&Environment ...", [this] { Environment1Click(); });
  Templet1 = Option1->Add("&Templet ...", [this] { Templet1Click(); }, "Ctrl+T");

  Tools1 = MainMenu1->Add("&Tools");
  SimanticPrototyper1 = Tools1->Add("&Semantic Prototyper", [this] { SimanticPrototyper1Click(); });
  Evaluator1 = Tools1->Add("E&valuator");
  Evaluator1->SetEnabled(false);
  EventHandlerList1 = Tools1->Add("Event Handler List", [] {});
  EventHandlerList1->SetVisible(false);

  Help1 = MainMenu1->Add("&Help");
  Help2 = Help1->Add("&Help Topic", [this] { Help2Click(); }, "F1");
  About1 = Help1->Add("&About ...", [this] { About1Click(); });
}

void TMainForm::BuildFileMenu() {
  File1 = MainMenu1->Add("&File");
  New1 = File1->Add("&New");
  NewFile1 = New1->Add("New File");
  NewJavafile = NewFile1->Add("Java File    (.java)", [this] { NewJavafileClick(); });
  NewHTMLfile = NewFile1->Add("HTML File  (.html)", [this] { NewHTMLfileClick(); });
  NewForm1 = New1->Add("New Form");
  forApplet1 = NewForm1->Add("for Applet", [this] { forApplet1Click(); });
  forApplication1 = NewForm1->Add("for Application", [this] { forApplication1Click(); });
  forAnotherFrame1 = NewForm1->Add("for Another Frame", [this] { forAnotherFrame1Click(); });
  OpenFile1 = File1->Add("&Open ...", [this] { OpenFile1Click(); }, "Ctrl+O");
  Reopen1 = File1->Add("&Reopen");
  Reopen1->SubMenu();
  Reopen1->SetEnabled(false);
  SaveFile1 = File1->Add("&Save", [this] { SaveFile1Click(); }, "Ctrl+S");
  SaveFileAs1 = File1->Add("Save &As ...", [this] { SaveFileAs1Click(); });
  CloseFile1 = File1->Add("&Close", [this] { CloseFile1Click(); }, "Ctrl+F4");
  CloseAll1 = File1->Add("C&lose All", [this] { CloseAll1Click(); });
  Print1 = File1->Add("&Print ...", [this] { Print1Click(); }, "Ctrl+P");
  PrintSetup1 = File1->Add("Print S&etup ...", [this] { PrintSetup1Click(); });
  Exit1 = File1->Add("E&xit", [this] { Exit1Click(); });
}

void TMainForm::BuildRunMenu() {
  Run1 = MainMenu1->Add("&Run", [this] { Run1Click(); });
  Compile1 = Run1->Add("&Compile", [this] { Compile1Click(); }, "Ctrl+F9");
  Run2 = Run1->Add("&Run", [this] { Run2Click(); }, "F9");
  Reset1 = Run1->Add("Re&set", [this] { Reset1Click(); }, "Ctrl+F2");
  Arguments1 = Run1->Add("&Arguments");
  ArgApplet1 = Arguments1->Add("for Applet", [this] { ArgForApplet(); });
  ArgApplication1 = Arguments1->Add("for Application", [this] { ArgForApplication(); });
  Java1 = Run1->Add("&Java", [this] { ManualJava(); });
  Javah1 = Run1->Add("Java&h", [this] { Javah1Click(); });
  Javap1 = Run1->Add("Java&p");
  Javap1->SetVisible(false);
  Javadoc1 = Run1->Add("Java&doc", [this] { Javadoc1Click(); });
  Appletviewer1 = Run1->Add("Applet&viewer", [this] { ManualAppletViewer(); });
  JDB1 = Run1->Add("Jdb (Debugger)", [this] { JDB1Click(); });
}

// ---- Window events ----

void TMainForm::FormShow() {
  if (FShown) return;
  FShown = true;
  LoadSettingsFile();
  const TStringList& reopen = EditorForm->OpenFileList();
  if (reopen.Count() > 0) {
    TStringList files = reopen;
    for (const std::string& name : files.Lines()) {
      EditorForm->OpenFileByName(name);
      RemoveReopenItem(EditorForm->ActiveFileName());
    }
  } else {
    NewEditorFile("java");
  }
  EnableNewOpenCommands(true);
  EnableFileCommands(true);
  EnableUndoCommand(false);
  EnableSearchCommands(true);
  EnableRunCommands(true);
}

void TMainForm::FormCloseQuery(bool& canClose) {
  if (RefusedDuringRun()) {
    canClose = false;
    return;
  }
  if (PageCount() > 0 && !EditorForm->isVisible()) EditorForm->ShowNormal();
  for (int i = 0; i < PageCount() && canClose; ++i) {
    if (!EditorForm->IsPageModified(i)) continue;
    int answer = MessageDlg(FormatText("File %s has been modified. Save file?", {EditorForm->GetPageFileName(i)}),
                            mtWarning, mbYesNoCancel);
    if (answer == mrCancel || (answer == mrYes && !EditorForm->SavePage(i))) canClose = false;
  }
  if (!canClose) {
    EditorForm->activateWindow();
    BrowserButton->setEnabled(ActiveFileHasFolder());
  }
}

void TMainForm::FormClose(TCloseAction& action) {
  try {
    SaveSettingsFile();
  } catch (const Exception& failure) {
    MessageDlg(failure.Message(), mtError, mbOK);
  }
  WorkbenchClosing = true;
  EditorForm->close();
  action = caHide;
}

void TMainForm::AppActivate() { UpdateClipboardCommands(); }

// The strip along the top; the inspector on the left below it, the editor beside the inspector.
void TMainForm::SetDefaultLayout() {
  SetLeft(0);
  SetTop(0);
  SetWidth(800);
  int below = Top() + Height() + kLayoutGap;
  PlaceInspector({0, below, 190, 400});
  // The inspector does not get narrower than its rows can be read; the editor keeps its gap of 10
  // beside it and its right edge under the strip's.
  int editorLeft = std::max(200, designer::ObjInsForm->GetInspectorWidth() + kLayoutGap);
  EditorForm->SetFormLeft(editorLeft);
  EditorForm->SetFormTop(below);
  EditorForm->SetFormWidth(800 - editorLeft);
  EditorForm->SetFormHeight(500);
}

// ---- Command-group enablers ----

int TMainForm::PageCount() const { return EditorForm->GetPageCount(); }

bool TMainForm::ActiveFileHasFolder() const {
  return PageCount() > 0 && !ExtractFilePath(EditorForm->ActiveFileName()).empty();
}

void TMainForm::EnableFileCommands(bool enabled) {
  saveButton->setEnabled(enabled);
  for (TMenuItem* item : {SaveFile1, SaveFileAs1, CloseFile1, CloseAll1, Print1}) item->SetEnabled(enabled);
}

void TMainForm::EnableNewOpenCommands(bool enabled) {
  newfileButton->setEnabled(enabled);
  openButton->setEnabled(enabled);
  New1->SetEnabled(enabled);
  OpenFile1->SetEnabled(enabled);
  EditorForm->Open1->SetEnabled(enabled);
  Reopen1->SetEnabled(enabled && Reopen1->Count() > 0);
}

void TMainForm::EnablePasteCommands(bool enabled) {
  pasteButton->setEnabled(enabled);
  Paste1->SetEnabled(enabled);
}

void TMainForm::UpdateClipboardCommands() {
  bool pages = PageCount() > 0;
  TRichEdit* edit = pages ? EditorForm->ActiveEditor() : nullptr;
  bool selected = edit != nullptr && edit->SelLength() > 0;
  copyButton->setEnabled(selected);
  cutButton->setEnabled(selected);
  for (TMenuItem* item : {Cut1, Copy1, Delete1}) item->SetEnabled(selected);
  EnablePasteCommands(pages && Clipboard().HasText());
}

void TMainForm::EnableUndoCommand(bool enabled) {
  undoButton->setEnabled(enabled);
  Undo1->SetEnabled(enabled);
}

void TMainForm::EnableSearchCommands(bool enabled) {
  findButton->setEnabled(enabled);
  replaceButton->setEnabled(enabled);
  for (TMenuItem* item : {Find1, Replace1, GotoLineNumber1}) item->SetEnabled(enabled);
  bool findNext = enabled && !EditorForm->LastFindText().empty() && EditorForm->isVisible();
  FindNext1->SetEnabled(findNext);
  findnextButton->setEnabled(findNext);
}

void TMainForm::EnableRunCommands(bool enabled) {
  bool on = enabled && PageCount() > 0;
  runButton->setEnabled(on);
  for (TMenuItem* item : {Compile1, Run2, Arguments1, Java1, Javah1, Javap1, Javadoc1, JDB1, Appletviewer1})
    item->SetEnabled(on);
  BrowserButton->setEnabled(on && ActiveFileHasFolder());
}

// ---- Reopen list ----

void TMainForm::AddReopenItem(int index, const std::string& fileName) {
  for (int i = Reopen1->Count() - 1; i >= 0; --i)
    if (SameReopenFile(Reopen1->Items(i)->Caption(), fileName)) Reopen1->Remove(Reopen1->Items(i));
  auto* item = new TMenuItem(fileName, Reopen1);
  item->OnClick = [this, item] { ReopenSubItemClick(item); };
  Reopen1->Insert(std::clamp(index, 0, Reopen1->Count()), item);
  if (Reopen1->Count() > 10) Reopen1->Remove(Reopen1->Items(Reopen1->Count() - 1));
  Reopen1->SetEnabled(OpenFile1->Enabled());  // emptied and disabled before, it has an entry again
}

void TMainForm::RemoveReopenItem(const std::string& fileName) {
  for (int i = 0; i < Reopen1->Count(); ++i)
    if (SameReopenFile(Reopen1->Items(i)->Caption(), fileName)) {
      Reopen1->Remove(Reopen1->Items(i));
      break;
    }
  if (Reopen1->Count() == 0) Reopen1->SetEnabled(false);
}

std::string TMainForm::ReopenListToString() const {
  std::string text;
  for (int i = 0; i < Reopen1->Count(); ++i) text += Reopen1->Items(i)->Caption() + "|";
  return text;
}

void TMainForm::StringToReopenList(const std::string& text) {
  size_t start = 0;
  while (start < text.size()) {
    size_t bar = text.find('|', start);
    // A last entry without its "|" (a hand-edited file) still counts.
    size_t end = bar == std::string::npos ? text.size() : bar;
    if (end > start) AddReopenItem(Reopen1->Count(), text.substr(start, end - start));
    start = end + 1;
  }
}

void TMainForm::ReopenSubItemClick(TMenuItem* item) {
  bool closeWasDisabled = !CloseFile1->Enabled();
  EditorForm->OpenFileByName(item->Caption());
  if (closeWasDisabled) {
    EnableFileCommands(true);
    EnableSearchCommands(true);
    EnableRunCommands(true);
  }
  UpdateClipboardCommands();
  Reopen1->Remove(item);
  if (Reopen1->Count() == 0) Reopen1->SetEnabled(false);
}

// ---- Palette and design frames ----

void TMainForm::UnSelect1Click() {
  FSelectedTool = kNoTool;
  for (TSpeedButton* arrow : {UnSelect1, Unselect2, Unselect3, Unselect4, Unselect5}) arrow->SetDown(true);
}

void TMainForm::ComponentPaletteChange() { UnSelect1Click(); }

void TMainForm::EnableDesignTools() {
  CompoMenu->setEnabled(true);
  CompoOpenDlg->setEnabled(true);
}

designer::TFrame* TMainForm::CreateDesignFrame(const std::string& name, int kind) {
  auto* frame = new designer::TFrame(this);
  frame->SetName(name);
  frame->FrameId = kind;
  FCurrentFrame = frame;
  return frame;
}

void TMainForm::FindEditor() {
  designer::ActivateFrameSource();
  EditorForm->ShowNormal();
  if (TRichEdit* edit = EditorForm->ActiveEditor()) platform::FocusControl(*edit);
}

void TMainForm::FindFrame() {
  if (FPageFrame != nullptr) FPageFrame->Show();
}

// ---- File commands ----

void TMainForm::NewEditorFile(const std::string& kind) {
  bool closeWasDisabled = !CloseFile1->Enabled();
  EditorForm->NewNonamePage(kind);
  if (closeWasDisabled) {
    EnableFileCommands(true);
    EnableSearchCommands(true);
    EnableRunCommands(true);
  }
}

void TMainForm::newfileButtonClick() {
  if (PageCount() == 0) {
    NewEditorFile("java");
    return;
  }
  std::string ext = designer::GetFilterExt(EditorForm->OpenDialog1->Filter, EditorForm->OpenDialog1->FilterIndex);
  // "Any file (*.*)" names no kind: a Java page is the useful default.
  bool usable = ext.size() > 1 && ext.find_first_of("*?") == std::string::npos;
  NewEditorFile(usable ? ext.substr(1) : "java");
}

void TMainForm::forApplication1Click() { NewForm(designer::fkApplication); }

void TMainForm::forApplet1Click() { NewForm(designer::fkApplet); }

void TMainForm::forAnotherFrame1Click() { NewForm(designer::fkSecondaryFrame); }

// A new untitled page with a design frame of the kind bound to it and the class template written.
void TMainForm::NewForm(int kind) {
  // "noname" and two digits make the class name: past 99 there is none to give.
  if (designer::GetNextNonameNumber(*EditorForm->Page).size() > 2) {
    MessageDlg("   No untitled number is left for a new form (noname01 to noname99).   \r"
               "   Save or close an untitled page first.   ",
               mtError, mbOK);
    return;
  }
  SourceUpdating = true;
  NewEditorFile("java");
  int number = designer::GetNonameNumber(EditorForm->Page->ActivePage()->Caption());
  std::string name = "noname" + std::to_string(number / 10) + std::to_string(number % 10);
  designer::TFrame* frame = CreateDesignFrame(name, kind);
  PlaceClearOfInspector(*frame);
  if (kind == designer::fkApplet) CompoMenu->setEnabled(false);  // an applet gets no menu bar
  TTabSheet* sheet = EditorForm->Page->ActivePage();
  sheet->SetTag(frame);
  frame->FSourcePage = sheet;
  FPageFrame = frame;  // the frame of the active page, as the editor would set it
  EditorForm->ProgramWrite(*EditorForm->ActiveEditor(), [&] {
    designer::LoadCodeTemplate(kind);
    designer::WriteFrameInitialization(kind);
    designer::RenameClassCode(kind, "$NAME", name);
  });
  designer::SetEventHandler(frame->FHandlerList, name, "OnWindowDestroy", name + "_WindowDestroy");
  designer::ObjInsForm->ComboBox1->clear();
  designer::ObjInsForm->ComboBox1->addItem(QString::fromStdString(name + " : TFrame"));
  designer::ObjInsForm->SelectComponent(frame);
  frame->Show();
  SourceUpdating = false;
  EditorForm->UpdateCaretStatus();
  EditorForm->SetModifiedMarker(true);
}

// A new frame opens over the editor's area, where the default layout puts it; an inspector wider
// than that layout's would have its values covered by the frame, which then opens beside it.
void TMainForm::PlaceClearOfInspector(designer::TFrame& frame) {
  const TForm& inspector = *designer::ObjInsForm;
  if (!inspector.isVisible()) return;
  const int inspectorRight = inspector.Left() + inspector.Width();
  const bool overlaps = frame.Left() < inspectorRight && inspector.Left() < frame.Left() + frame.Width() &&
                        frame.Top() < inspector.Top() + inspector.Height() && inspector.Top() < frame.Top() + frame.Height();
  if (!overlaps) return;
  frame.SetLeft(inspectorRight + kLayoutGap);
  frame.KeepUsableOnScreen();
}

void TMainForm::NewJavafileClick() { NewEditorFile("java"); }

void TMainForm::NewHTMLfileClick() { NewEditorFile("html"); }

void TMainForm::OpenFile1Click() {
  EditorForm->SelectFilterForExt(".java");
  EditorForm->OpenFileDialog();
  if (PageCount() > 0) {
    EnableFileCommands(true);
    EnableSearchCommands(true);
    EnableRunCommands(true);
    RemoveReopenItem(EditorForm->ActiveFileName());
  }
}

void TMainForm::SaveFile1Click() {
  EditorForm->SaveFile();
  BrowserButton->setEnabled(ActiveFileHasFolder());
}

void TMainForm::SaveFileAs1Click() {
  std::string folder = ExtractFilePath(EditorForm->ActiveFileName());
  if (!folder.empty()) EditorForm->SaveDialog1->InitialDir = folder;
  EditorForm->SaveFileAs();
  BrowserButton->setEnabled(ActiveFileHasFolder());
}

void TMainForm::CloseFile1Click() {
  if (RefusedDuringRun()) return;
  int before = PageCount();
  designer::TFrame* closedFrame = FPageFrame;
  bool closedFrameWasCurrent = closedFrame != nullptr && closedFrame == FCurrentFrame;
  EditorForm->ClosePage();
  if (PageCount() == before) return;
  AfterPagesClosed(closedFrameWasCurrent);
}

void TMainForm::CloseAll1Click() {
  if (RefusedDuringRun()) return;
  int pages = PageCount();
  bool currentFrameClosed = false;
  for (int i = 0; i < pages; ++i) {
    int before = PageCount();
    bool frameIsCurrent = FPageFrame != nullptr && FPageFrame == FCurrentFrame;
    EditorForm->ClosePage();
    if (PageCount() == before) break;  // the user cancelled: leave the rest open
    currentFrameClosed = currentFrameClosed || frameIsCurrent;
  }
  AfterPagesClosed(currentFrameClosed);
}

// Sets the command groups and the inspector from the pages that remain after a close.
void TMainForm::AfterPagesClosed(bool closedFrameWasCurrent) {
  EnableNewOpenCommands(true);
  if (PageCount() == 0) {
    designer::ObjInsForm->ClearInspector();
    EnableFileCommands(false);
    UpdateClipboardCommands();
    EnableUndoCommand(false);
    EnableSearchCommands(false);
    EnableRunCommands(false);
    return;
  }
  if (FPageFrame != nullptr) ShowPageFrameInInspector();
  else if (closedFrameWasCurrent) designer::ObjInsForm->ClearInspector();
  UpdateClipboardCommands();
}

// The frame of the page now active becomes current: the chooser lists its components and the
// inspector shows its selection.
void TMainForm::ShowPageFrameInInspector() {
  FCurrentFrame = FPageFrame;
  designer::FillComboBox1();
  designer::ObjInsForm->SelectComponent(FPageFrame->FSelected);
}

void TMainForm::Print1Click() {
  if (!EditorForm->isVisible()) EditorForm->Show();
  EditorForm->activateWindow();
  if (!ExecutePrintDialog()) return;
  TRichEdit* edit = EditorForm->ActiveEditor();
  if (edit == nullptr) return;
  // Black on white in the page's font, whatever the editor's colours are.
  QTextDocument document;
  document.setPlainText(edit->toPlainText());
  document.setDefaultFont(edit->font());
  Printer().setDocName(QString::fromStdString("Printed by " + designer::GetVersionText()));
  document.print(&Printer());
}

void TMainForm::PrintSetup1Click() { ExecutePrinterSetupDialog(); }

void TMainForm::Exit1Click() { close(); }

// ---- Edit commands ----

void TMainForm::undoButtonClick() { EditorForm->UndoEdit(); }

void TMainForm::cutButtonClick() {
  TRichEdit* edit = EditorForm->ActiveEditor();
  if (edit != nullptr && edit->Tag < 0) Beep();
  else EditorForm->CutSelection();
}

void TMainForm::copyButtonClick() {
  EditorForm->CopySelection();
  if (Clipboard().HasText()) EnablePasteCommands(true);
}

void TMainForm::pasteButtonClick() { EditorForm->PasteSelection(); }

void TMainForm::Delete1Click() { EditorForm->DeleteSelection(); }

void TMainForm::findButtonClick() { EditorForm->ShowFindDialog(); }

void TMainForm::replaceButtonClick() { EditorForm->ShowReplaceDialog(); }

void TMainForm::findnextButtonClick() { EditorForm->FindNext(); }

void TMainForm::GotoLineNumber1Click() {
  if (LineNumberForm->ShowModal() == mrOk)
    designer::GotoEditorLine(StrToIntDef(LineNumberForm->ComboBox1->currentText().toStdString(), 1));
}

// ---- View commands ----

void TMainForm::View1Click() {
  bool pages = PageCount() >= 1;
  EditorWindow1->SetEnabled(pages && !EditorForm->isVisible());
  Statusbar1->SetEnabled(EditorForm->isVisible());
  SpeedBar1->SetEnabled(EditorForm->isVisible());
  ClassViewer1->SetEnabled(ActiveFileHasFolder());
}

void TMainForm::EditorWindow1Click() {
  if (!EditorForm->isVisible()) {
    EditorForm->Show();
    EnableNewOpenCommands(true);
    EnableFileCommands(true);
    EnableUndoCommand(true);
    EnableSearchCommands(true);
    EnableRunCommands(true);
    UpdateClipboardCommands();
  }
  EditorWindow1->SetEnabled(false);
}

void TMainForm::ObjectInspector1Click() { designer::ObjInsForm->ShowNormal(); }

void TMainForm::Statusbar1Click() {
  if (!EditorForm->isVisible()) EditorForm->Show();
  EditorForm->activateWindow();
  bool show = !EditorForm->StatusBar->isVisible();
  EditorForm->StatusBar->setVisible(show);
  Statusbar1->SetChecked(show);
  if (TRichEdit* edit = EditorForm->ActiveEditor()) edit->viewport()->update();
}

void TMainForm::SpeedBar1Click() {
  if (!EditorForm->isVisible()) EditorForm->Show();
  EditorForm->activateWindow();
  bool show = !speedPanel->isVisible();
  speedPanel->setVisible(show);
  SpeedBar1->SetChecked(show);
}

// ---- Run menu ----

void TMainForm::Run1Click() { Reset1->SetEnabled(PageCount() > 0 && !Run2->Enabled()); }

void TMainForm::Reset1Click() { FUserBreak = true; }

void TMainForm::Compile1Click() { ToolRuns.Compile(); }
void TMainForm::Run2Click() { ToolRuns.Run(); }
void TMainForm::ManualJava() { ToolRuns.ManualJava(); }
void TMainForm::JDB1Click() { ToolRuns.ManualJdb(); }
void TMainForm::Javah1Click() { ToolRuns.Javah(); }
void TMainForm::Javadoc1Click() { ToolRuns.Javadoc(); }
void TMainForm::ManualAppletViewer() { ToolRuns.ManualAppletViewer(); }

// A run waits with the message loop going, so its page and the workbench must stay open until it
// ends; Reset is the way to stop it.
bool TMainForm::RefusedDuringRun() {
  if (!ToolRuns.Running()) return false;
  Beep();
  return true;
}

void TMainForm::SimanticPrototyper1Click() {
  std::string program = Application()->ExeDir() + "zelvory/zelvory";
  if (!FileExists(program)) {
    MessageDlg("Can not start the Semantic Prototyper:\r" + program + " was not found.", mtError, mbOK);
    return;
  }
  if (!Launcher::Instance().StartDetached(program, {}))
    MessageDlg("Can not start the Semantic Prototyper:\r" + program + " could not be run.", mtError, mbOK);
}

void TMainForm::ArgForApplet() {
  if (!EditorForm->isVisible()) EditorForm->Show();
  EditorForm->activateWindow();
  ArgForAppletForm->ShowModal();
}

void TMainForm::ArgForApplication() {
  if (!EditorForm->isVisible()) EditorForm->Show();
  EditorForm->activateWindow();
  if (ArgForApplicaForm->ShowModal() == mrCancel) ArgForApplicaForm->ArgComboBox->setEditText({});
}

// ---- Options and help ----

void TMainForm::Environment1Click() {
  if (EditorForm->isVisible()) EditorForm->activateWindow();
  EnvForm->ShowModal();
}

void TMainForm::Templet1Click() { TempletForm->ShowModal(); }

void TMainForm::About1Click() { AboutForm->ShowModal(); }

void TMainForm::Help2Click() {
  if (FSelectedTool != kNoTool) designer::ShowComponentHelp(FSelectedTool);
  else if (!designer::ObjInsForm->miniEdit1->isHidden()) designer::ObjInsForm->PropertyHelp();
  else if (!designer::ObjInsForm->miniEdit2->isHidden()) designer::ObjInsForm->EventHelp();
  else Launcher::Instance().OpenHelp(Application()->HelpFile);
}

}  // namespace workbench

namespace workbench {

// The class viewer reads the scanner's report of the saved file, so an unsaved page is refused.
void TMainForm::ClassViewer1Click() {
  platform::TRichEdit* editor = EditorForm->ActiveEditor();
  if (editor == nullptr) return;
  if (editor->Modified()) {
    platform::MessageDlg(EditorForm->ActiveFileName() + " is not saved.", platform::mtError, platform::mbOK);
    return;
  }
  if (ToolRuns.RunScanner()) ClassViewer->ShowModal();
}

}  // namespace workbench
