#include "modeller/ui/Main.h"

#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/About.h"
#include "modeller/ui/AssoIns.h"
#include "modeller/ui/Browser.h"
#include "modeller/ui/ClassIns.h"
#include "modeller/ui/CmmtIns.h"
#include "modeller/ui/CodeView.h"
#include "modeller/ui/CreateHandlers.h"
#include "modeller/ui/DsgnInfo.h"
#include "modeller/ui/Editor.h"
#include "modeller/ui/IntfIns.h"
#include "modeller/ui/JavaGen.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/PackForm.h"
#include "modeller/ui/Program.h"
#include "modeller/ui/SettingsFile.h"
#include "modeller/ui/Splash.h"
#include "modeller/ui/TextIns.h"
#include "modeller/ui/Translators.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/Launcher.h"
#include "platform/Printing.h"
#include "platform/SysUtils.h"

namespace modeller {

using namespace platform;

TMainForm* MainForm = nullptr;

namespace {

constexpr int kPaletteGroup = 1;
constexpr const char* kModelFilter = "Zelvory File. (*.zel)|*.zel";
constexpr const char* kPatternFilter = "Design Pattern. (*.pat)|*.pat";
// Room beyond the farthest box for its shadow and the marks at the ends of its links.
constexpr int kDrawingMargin = 20;

// Saving and loading report their errors in a message box and end the command.
template <class Action>
bool Reported(Action action) {
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    Application()->ShowException(error);
    return false;
  }
}

// A file that cannot be read is named in the message, before what was wrong with it.
template <class Action>
bool ReportedFor(const std::string& fileName, Action action) {
  return Reported([&] {
    try {
      action();
    } catch (const std::exception& error) {
      throw platform::Exception(fileName + ": " + error.what());
    }
  });
}

TModellerOptions CurrentOptions() {
  TModellerOptions options;
  options.JavaCompilerPath = JavaCompilerPath;
  options.JavaInterpreterPath = JavaInterpreterPath;
  options.GenIncludeImpl = GenIncludeImpl;
  options.GenIncludeCmmt = GenIncludeCmmt;
  options.Indentation = static_cast<int>(IndentString.size());
  options.BrowserFont = BrowserFont;
  options.BrowserColor = BrowserColor;
  options.DiagramFont = DiagramFont;
  options.DiagramWidth = DiagramWidth;
  options.DiagramHeight = DiagramHeight;
  options.EditorFont = EditorFont;
  options.EditorColor = EditorColor;
  return options;
}

void UseOptions(const TModellerOptions& options) {
  JavaCompilerPath = options.JavaCompilerPath;
  JavaInterpreterPath = options.JavaInterpreterPath;
  GenIncludeImpl = options.GenIncludeImpl;
  GenIncludeCmmt = options.GenIncludeCmmt;
  SetIndent(options.Indentation);
  BrowserFont = options.BrowserFont;
  BrowserColor = options.BrowserColor;
  DiagramFont = options.DiagramFont;
  DiagramWidth = options.DiagramWidth;
  DiagramHeight = options.DiagramHeight;
  EditorFont = options.EditorFont;
  EditorColor = options.EditorColor;
}

}  // namespace

TMainForm::TMainForm() {
  setObjectName("MainForm");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildMenus();
  layout->setMenuBar(MainMenu);
  BuildToolBars();
  layout->addWidget(CoolBar);
  BuildDiagram();
  layout->addWidget(ScrollBox, 1);
  BuildStatusBar();
  layout->addWidget(StatusBar);
  BuildDialogs();
  BuildPopupMenu();
  SplashTimer = new TTimer(this);
  SplashTimer->SetEnabled(false);
  SplashTimer->SetInterval(1000);
  SplashTimer->OnTimer = [this] { SplashTimerTimer(); };
  qApp->installEventFilter(this);
  FormCreate();
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  if (TheGraph != nullptr) TheGraph->SetHandlerGroup(nullptr);
}

void TMainForm::FormCreate() {
  SetBounds(0, 0, 800, 600);
  LoadSettings();
  SetCaption(kProgramTitle);
  MakeHandlers();
  TheGraph = std::make_unique<TGraph>();
  BindGraph();
  SelectHandler->Activate();
}

void TMainForm::MakeHandlers() {
  HandlerGroup = std::make_unique<THandlerGroup>();
  SelectHandler = HandlerGroup->Add<TSelectHandler>();
  ClassHandler = HandlerGroup->Add<TClassCreateHandler>();
  InterfaceHandler = HandlerGroup->Add<TInterfaceCreateHandler>();
  InheritanceHandler = HandlerGroup->Add<TInheritanceCreateHandler>();
  AssociationHandler = HandlerGroup->Add<TAssociationCreateHandler>();
  AggregationHandler = HandlerGroup->Add<TAggregationCreateHandler>();
  InstantiateHandler = HandlerGroup->Add<TInstantiateCreateHandler>();
  CommentHandler = HandlerGroup->Add<TCommentCreateHandler>();
  CommentLinkHandler = HandlerGroup->Add<TCommentLinkCreateHandler>();
  TextHandler = HandlerGroup->Add<TTextCreateHandler>();
  handlerButtons_ = {{SelectHandler, SelectButton},           {ClassHandler, ClassButton},
                     {InterfaceHandler, InterfaceButton},     {InheritanceHandler, InheritanceButton},
                     {AssociationHandler, AssociationButton}, {AggregationHandler, AggregationButton},
                     {InstantiateHandler, InstantiateButton}, {CommentHandler, CommentButton},
                     {CommentLinkHandler, CommentLinkButton}, {TextHandler, TextButton}};
  for (const HandlerButton& pair : handlerButtons_) {
    pair.handler->OnActivate = [this](THandler* handler) { HandlerActivated(handler); };
    pair.handler->OnDeactivate = [this](THandler* handler) { HandlerDeactivated(handler); };
    if (auto* creator = dynamic_cast<TCreateHandler*>(pair.handler))
      creator->OnCreate = [this](THandler* handler) { ElementCreated(handler); };
  }
}

// A drag may leave boxes beyond the drawing area, which then grows to hold them.
void TMainForm::BindGraph() {
  TheGraph->SetPaintBox(PaintBox);
  TheGraph->SetHandlerGroup(HandlerGroup.get());
  auto graphMouseUp = PaintBox->OnMouseUp;
  PaintBox->OnMouseUp = [this, graphMouseUp](TMouseButton button, TShiftState shift, int x, int y) {
    graphMouseUp(button, shift, x, y);
    FitDrawingArea();
  };
}

// The area is the size the options give, larger while the model reaches beyond it; the options
// keep their values. A change of size draws the diagram anew.
bool TMainForm::FitDrawingArea() {
  TPoint corner = TheGraph->FarCorner();
  auto fit = [](int wanted, int reached) {
    long long needed = std::min<long long>(static_cast<long long>(reached) + kDrawingMargin, kMaxDiagramSize);
    return std::max(wanted, static_cast<int>(needed));
  };
  QSize size(fit(DiagramWidth, corner.X), fit(DiagramHeight, corner.Y));
  if (PaintBox->size() == size) return false;
  PaintBox->setFixedSize(size);
  return PaintBox->isVisible();
}

// ---- Menus, tool bars, status bar -------------------------------------------------------------

void TMainForm::BuildMenus() {
  MainMenu = new TMainMenu(this);
  BuildFileMenu();
  BuildEditMenu();
  BuildSymbolsMenu();
  BuildToolMenus();
}

void TMainForm::BuildFileMenu() {
  TMenuItem* file = MainMenu->Add("&File");
  FileNew = file->Add("&New", [this] { FileNewClick(); });
  FileOpen = file->Add("&Open...", [this] { FileOpenClick(); }, "Ctrl+O");
  FileSave = file->Add("&Save", [this] { FileSaveClick(); }, "Ctrl+S");
  FileSaveAs = file->Add("Save &As...", [this] { FileSaveAsClick(); });
  file->AddSeparator();
  FilePrint = file->Add("&Print...", [this] { FilePrintClick(); });
  FilePrintSetup = file->Add("Print Setup...", [this] { FilePrintSetupClick(); });
  file->AddSeparator();
  FileExit = file->Add("E&xit", [this] { FileExitClick(); });
}

void TMainForm::BuildEditMenu() {
  TMenuItem* edit = MainMenu->Add("&Edit");
  EditCut = edit->Add("Cu&t", [] { TheGraph->CutSelection(); });
  EditCopy = edit->Add("&Copy", [] { TheGraph->CopySelection(); });
  EditPaste = edit->Add("&Paste", [this] { EditPasteClick(); });
  EditDelete = edit->Add("&Delete", [] { TheGraph->DeleteSelection(); });
  edit->AddSeparator();
  EditSelectAll = edit->Add("&Select All", [] { TheGraph->SelectAll(); });
  EditRefresh = edit->Add("Refresh", [] { TheGraph->Refresh(); }, "F8");
}

void TMainForm::BuildSymbolsMenu() {
  TMenuItem* symbols = MainMenu->Add("&Symbols");
  SymbolsSelect = symbols->Add("&Select", [this] { SelectHandler->Activate(); });
  symbols->AddSeparator();
  using H = TCreateHandler * TMainForm::*;
  auto creator = [this](H field) { return [this, field] { (this->*field)->Activate(); }; };
  SymbolsClass = symbols->Add("&Class", creator(&TMainForm::ClassHandler));
  SymbolsInterface = symbols->Add("&Interface", creator(&TMainForm::InterfaceHandler));
  SymbolsInheritance = symbols->Add("&Extends . Implements", creator(&TMainForm::InheritanceHandler));
  SymbolsAssociation = symbols->Add("&Association", creator(&TMainForm::AssociationHandler));
  SymbolsAggregation = symbols->Add("A&ggregation", creator(&TMainForm::AggregationHandler));
  SymbolsInstantiation = symbols->Add("I&nstantiation", creator(&TMainForm::InstantiateHandler));
  symbols->AddSeparator();
  SymbolsComment = symbols->Add("C&omment", creator(&TMainForm::CommentHandler));
  SymbolsCommentLink = symbols->Add("Comment &Link", creator(&TMainForm::CommentLinkHandler));
  symbols->AddSeparator();
  SymbolsText = symbols->Add("&Text", creator(&TMainForm::TextHandler));
}

void TMainForm::BuildToolMenus() {
  TMenuItem* patterns = MainMenu->Add("&Patterns");
  PatternsSaveAsDesignPattern =
      patterns->Add("&Save As Design Pattern...", [this] { PatternsSaveAsDesignPatternClick(); });
  PatternsInsertDesignPattern =
      patterns->Add("&Insert Design Pattern...", [this] { PatternsInsertDesignPatternClick(); });

  TMenuItem* view = MainMenu->Add("&View");
  ViewBrowser = view->Add("Browser...", [this] { ViewBrowserClick(); }, "F5");
  view->AddSeparator();
  ViewPackage = view->Add("Package...", [this] { ViewPackageClick(); }, "F6");
  ViewDesignInformation = view->Add("Design Information...", [this] { ViewDesignInformationClick(); }, "F7");

  TMenuItem* tools = MainMenu->Add("&Tools");
  ToolsOptions = tools->Add("Options...", [this] { ToolsOptionsClick(); });
  tools->AddSeparator();
  ToolsJavaEditor = tools->Add("Java Editor...", [this] { ToolsJavaEditorClick(); }, "F3");
  ToolsJAVACodeGenerator = tools->Add("&Java Code-Generator...", [this] { ToolsJAVACodeGeneratorClick(); }, "F4");
  tools->AddSeparator();
  ToolsTranslators = tools->Add("Translators...", [this] { ToolsTranslatorsClick(); });

  TMenuItem* help = MainMenu->Add("&Help");
  HelpContents = help->Add("&Contents...", [this] { HelpContentsClick(); });
  help->AddSeparator();
  HelpAbout = help->Add("&About...", [this] { HelpAboutClick(); });
}

void TMainForm::BuildPopupMenu() {
  DiagramPopupMenu = new TPopupMenu(PaintBox);
  DiagramPopupMenu->Add("Insert Pattern...", [this] { PatternsInsertDesignPatternClick(); });
  DiagramPopupMenu->AddSeparator();
  DiagramPopupMenu->Add("Cut", [] { TheGraph->CutSelection(); });
  DiagramPopupMenu->Add("Copy", [] { TheGraph->CopySelection(); });
  DiagramPopupMenu->Add("Paste", [this] { EditPasteClick(); });
  DiagramPopupMenu->Add("Delete", [] { TheGraph->DeleteSelection(); });
  DiagramPopupMenu->AddSeparator();
  DiagramPopupMenu->Add("Refresh", [] { TheGraph->Refresh(); });
}

void TMainForm::BuildToolBars() {
  CoolBar = new QWidget(this);
  CoolBar->setObjectName("CoolBar");
  auto* bands = new QHBoxLayout(CoolBar);
  bands->setContentsMargins(2, 2, 2, 2);
  bands->setSpacing(8);
  struct Spec {
    TSpeedButton** field;
    const char* name;
    const char* hint;
    const char* glyph;
    std::function<void()> click;
  };
  auto band = [&](const char* name, std::initializer_list<Spec> specs) {
    auto* bar = new TPanel(CoolBar, name);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (const Spec& spec : specs) {
      auto* button = new TSpeedButton(bar, spec.name, spec.hint);
      button->SetGlyph(std::string("zelvory/") + spec.glyph);
      button->OnClick = spec.click;
      *spec.field = button;
      row->addWidget(button);
    }
    bands->addWidget(bar);
  };
  band("FileToolBar", {{&NewButton, "NewButton", "New", "new", [this] { FileNewClick(); }},
                       {&OpenButton, "OpenButton", "Open File...", "open", [this] { FileOpenClick(); }},
                       {&SaveButton, "SaveButton", "Save File", "save", [this] { FileSaveClick(); }},
                       {&PrintButton, "PrintButton", "Print...", "print", [this] { FilePrintClick(); }}});
  band("EditToolBar", {{&CutButton, "CutButton", "Cut", "cut", [] { TheGraph->CutSelection(); }},
                       {&PasteButton, "PasteButton", "Paste", "paste", [this] { EditPasteClick(); }},
                       {&DeleteButton, "DeleteButton", "Delete", "delete", [] { TheGraph->DeleteSelection(); }},
                       {&CopyButton, "CopyButton", "Copy", "copy", [] { TheGraph->CopySelection(); }}});
  band("ToolsToolBar",
       {{&EditorButton, "EditorButton", "Java Editor", "editor", [this] { ToolsJavaEditorClick(); }},
        {&SavePatternButton, "SavePatternButton", "Save As Design Pattern", "savepattern",
         [this] { PatternsSaveAsDesignPatternClick(); }},
        {&InsertPatternButton, "InsertPatternButton", "Insert Design Pattern", "insertpattern",
         [this] { PatternsInsertDesignPatternClick(); }},
        {&PackageButton, "PackageButton", "Package", "package", [this] { ViewPackageClick(); }},
        {&InformationButton, "InformationButton", "Design Information", "information",
         [this] { ViewDesignInformationClick(); }},
        {&BrowserButton, "BrowserButton", "Browser", "browser", [this] { ViewBrowserClick(); }},
        {&GenerateButton, "GenerateButton", "Generate Java-Code", "generate", [this] { ToolsJAVACodeGeneratorClick(); }},
        {&TranslatorsButton, "TranslatorsButton", "Translators", "translators", [this] { ToolsTranslatorsClick(); }},
        {&HelpButton, "HelpButton", "Help", "help", [this] { HelpContentsClick(); }}});
  BuildPalette(CoolBar);
  bands->addStretch(1);
}

void TMainForm::BuildPalette(QWidget* coolBar) {
  auto* bar = new TPanel(coolBar, "ElementToolBar");
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  struct Spec {
    TSpeedButton** field;
    const char* name;
    const char* hint;
    const char* glyph;
  };
  const Spec specs[] = {{&SelectButton, "SelectButton", "Select", "select"},
                        {&ClassButton, "ClassButton", "Class", "class"},
                        {&InterfaceButton, "InterfaceButton", "Interface", "interface"},
                        {&CommentButton, "CommentButton", "Comment", "comment"},
                        {&InheritanceButton, "InheritanceButton", "Extends . Implements", "inheritance"},
                        {&AssociationButton, "AssociationButton", "Association", "association"},
                        {&AggregationButton, "AggregationButton", "Aggregation", "aggregation"},
                        {&CommentLinkButton, "CommentLinkButton", "Comment Link", "commentlink"},
                        {&InstantiateButton, "InstantiateButton", "Instantiation", "instantiate"},
                        {&TextButton, "TextButton", "Text", "text"}};
  for (const Spec& spec : specs) {
    auto* button = new TSpeedButton(bar, spec.name, spec.hint, kPaletteGroup);
    button->SetGlyph(std::string("zelvory/") + spec.glyph);
    button->OnClick = [this, button] { HandlerButtonClick(button); };
    *spec.field = button;
    row->addWidget(button);
  }
  SelectButton->SetDown(true);
  qobject_cast<QHBoxLayout*>(coolBar->layout())->addWidget(bar);
}

// The white drawing area in its scroll box; a right click opens the diagram's pop-up menu.
void TMainForm::BuildDiagram() {
  ScrollBox = new QScrollArea(this);
  ScrollBox->setObjectName("ScrollBox");
  ScrollBox->setBackgroundRole(QPalette::Base);
  ScrollBox->setStyleSheet("QScrollArea { background: white; }");
  PaintBox = new TPaintBox();
  PaintBox->setObjectName("PaintBox");
  PaintBox->setFixedSize(1500, 2000);
  PaintBox->OnDblClick = [this] { PaintBoxDblClick(); };
  PaintBox->setContextMenuPolicy(Qt::CustomContextMenu);
  platform::Connect(PaintBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QPoint global = PaintBox->mapToGlobal(at);
    DiagramPopupMenu->Popup(global.x(), global.y());
  });
  ScrollBox->setWidget(PaintBox);
}

void TMainForm::BuildStatusBar() {
  StatusBar = new TStatusBar(this, {70, 150, 50, 150, 50});
  StatusBar->setObjectName("StatusBar");
  StatusBar->SetPanelText(0, "Filename:");
  StatusBar->SetPanelAlignment(0, Qt::AlignCenter);
  StatusBar->SetPanelText(2, "Title:");
  StatusBar->SetPanelAlignment(2, Qt::AlignCenter);
  for (int caption : {0, 2}) StatusBar->SetPanelBevel(caption, false);
}

void TMainForm::BuildDialogs() {
  auto make = [](TFileDialog* dialog, const char* title, const char* filter, const char* ext) {
    dialog->Title = title;
    dialog->Filter = filter;
    dialog->DefaultExt = ext;
  };
  make(OpenDialog = new TOpenDialog(this), "", kModelFilter, "zel");
  make(SaveDialog = new TSaveDialog(this), "", kModelFilter, "zel");
  make(OpenPatternDialog = new TOpenDialog(this), "Insert Design Pattern", kPatternFilter, "pat");
  make(SavePatternDialog = new TSaveDialog(this), "Save As Design Pattern", kPatternFilter, "pat");
}

// ---- Handlers ---------------------------------------------------------------------------------

TSpeedButton* TMainForm::ButtonOf(const THandler* handler) const {
  for (const HandlerButton& pair : handlerButtons_)
    if (pair.handler == handler) return pair.button;
  return nullptr;
}

THandler* TMainForm::HandlerOf(const TSpeedButton* button) const {
  for (const HandlerButton& pair : handlerButtons_)
    if (pair.button == button) return pair.handler;
  return nullptr;
}

void TMainForm::HandlerButtonClick(TSpeedButton* button) {
  if (THandler* handler = HandlerOf(button)) handler->Activate();
}

void TMainForm::HandlerActivated(THandler* handler) {
  if (TSpeedButton* button = ButtonOf(handler)) button->SetDown(true);
}

void TMainForm::HandlerDeactivated(THandler* handler) {
  if (TSpeedButton* button = ButtonOf(handler)) button->SetDown(false);
}

void TMainForm::ElementCreated(THandler*) { SelectHandler->Activate(); }

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      auto* key = static_cast<QKeyEvent*>(event);
      bool handled = false;
      platform::HandleEvent([&] { handled = FormKeyDown(key->key(), key->modifiers()); });
      if (handled) return true;
    }
  }
  return TForm::eventFilter(watched, event);
}

bool TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
  if (ctrl && key == Qt::Key_C) {
    TheGraph->CopySelection();
  } else if (ctrl && key == Qt::Key_V) {
    EditPasteClick();
  } else if (ctrl && key == Qt::Key_X) {
    TheGraph->CutSelection();
  } else if (!ctrl && key == Qt::Key_Delete) {
    TheGraph->DeleteSelection();
  } else {
    return false;
  }
  return true;
}

// ---- Start-up, settings -----------------------------------------------------------------------

void TMainForm::FormShow() {
  SplashTimer->SetEnabled(true);
  ApplyOptions();
  // The places read while the windows were made, told once the main window is up.
  ReportSettingCorrections();
  Application()->HelpFile = Application()->ExeDir() + "Help/Zelvory.html";
}

void TMainForm::SplashTimerTimer() {
  SplashTimer->SetEnabled(false);
  delete SplashForm;
  SplashForm = nullptr;
}

void TMainForm::LoadSettings() {
  TMainFormPlace place{Left(), Top(), Width(), Height(), false};
  ReadMainFormPlace(SettingsIniFile(), place);
  SetBounds(place.Left, place.Top, place.Width, place.Height);
  KeepStoredPlaceUsable(*this, SettingsIniFile(), MainFormPlaceKeys());
  if (place.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
  TModellerOptions options = CurrentOptions();
  ReadModellerOptions(SettingsIniFile(), options);
  UseOptions(options);
}

void TMainForm::SaveSettings() {
  TMainFormPlace place{Left(), Top(), Width(), Height(), isMaximized()};
  WriteMainFormPlace(SettingsIniFile(), place);
  WriteModellerOptions(SettingsIniFile(), CurrentOptions());
  std::error_code ignored;
  std::filesystem::create_directories(ExtractFileDir(SettingsIniFile().FileName()), ignored);
  SettingsIniFile().UpdateFile();
}

void TMainForm::ApplyOptions() {
  PaintBox->Canvas()->Font = DiagramFont;
  if (!FitDrawingArea()) TheGraph->Refresh();
  ApplyOptionsToToolWindows();
}

// ---- Model commands ---------------------------------------------------------------------------

int TMainForm::AskToSave() const {
  if (!TheGraph->Modified) return mrNo;
  return MessageDlg("Data has changed. do you want to save it?", mtWarning, mbYesNoCancel);
}

void TMainForm::FileNewClick() {
  int answer = AskToSave();
  if (answer == mrYes) {
    SaveOrSaveAs();
  } else if (answer == mrNo) {
    NewModel();
    FitDrawingArea();
    UpdateStatusBar();
  }
}

void TMainForm::FileOpenClick() {
  SelectHandler->Activate();
  if (!OpenDialog->Execute()) return;
  int answer = AskToSave();
  if (answer == mrYes) {
    SaveOrSaveAs();
  } else if (answer == mrNo) {
    if (ReportedFor(OpenDialog->FileName, [this] { LoadModel(OpenDialog->FileName); })) UpdateStatusBar();
  }
}

void TMainForm::FileSaveClick() {
  SelectHandler->Activate();
  SaveOrSaveAs();
}

void TMainForm::FileSaveAsClick() {
  SelectHandler->Activate();
  SaveAs();
}

bool TMainForm::SaveOrSaveAs() { return ModelFileName.empty() ? SaveAs() : SaveModel(); }

bool TMainForm::SaveAs() {
  SaveDialog->FileName = ModelFileName;
  if (!SaveDialog->Execute()) return false;
  if (!SaveModel(SaveDialog->FileName)) return false;
  UpdateStatusBar();
  return true;
}

bool TMainForm::SaveModel() {
  return Reported([] { modeller::SaveModel(); });
}

bool TMainForm::SaveModel(const std::string& fileName) {
  return Reported([&fileName] { modeller::SaveModel(fileName); });
}

// A failed read leaves the current model as it was.
void TMainForm::LoadModel(const std::string& fileName) {
  modeller::LoadModel(fileName);
  BindGraph();
  if (!FitDrawingArea()) TheGraph->Refresh();
}

void TMainForm::UpdateStatusBar() {
  StatusBar->SetPanelText(1, ExtractFileName(ModelFileName));
  StatusBar->SetPanelText(3, DesignTitle);
}

void TMainForm::FormCloseQuery(bool& canClose) {
  int answer = AskToSave();
  if (answer == mrYes) {
    canClose = SaveOrSaveAs();
  } else {
    canClose = answer == mrNo;
  }
}

void TMainForm::FormClose(TCloseAction& action) {
  (void)action;
  Reported([this] { SaveSettings(); });
  CloseToolWindows();
}

void TMainForm::FileExitClick() { close(); }

// ---- Patterns ---------------------------------------------------------------------------------

void TMainForm::PatternsSaveAsDesignPatternClick() {
  if (!SavePatternDialog->Execute()) return;
  TheGraph->SaveDesignPattern(SavePatternDialog->FileName);
}

void TMainForm::PatternsInsertDesignPatternClick() {
  if (!OpenPatternDialog->Execute()) return;
  ReportedFor(OpenPatternDialog->FileName, [this] { TheGraph->InsertDesignPattern(OpenPatternDialog->FileName); });
  FitDrawingArea();
}

void TMainForm::EditPasteClick() {
  TheGraph->PasteClipboard();
  FitDrawingArea();
}

// ---- Other windows ----------------------------------------------------------------------------

void TMainForm::ViewBrowserClick() { BrowserForm()->Show(); }
void TMainForm::ViewPackageClick() { PackageForm()->Execute(); }

void TMainForm::ViewDesignInformationClick() {
  DesignInfoForm()->Execute();
  UpdateStatusBar();
}

void TMainForm::ToolsOptionsClick() {
  if (OptionsForm()->Execute() == mrOk) ApplyOptions();
}

void TMainForm::ToolsJavaEditorClick() { EditorForm()->Show(); }
void TMainForm::ToolsJAVACodeGeneratorClick() { JavaCodeGenerator()->Execute(); }
void TMainForm::ToolsTranslatorsClick() { TranslatorsForm()->Show(); }

void TMainForm::HelpContentsClick() { Launcher::Instance().OpenHelp(Application()->HelpFile, "IDH_MAIN"); }
void TMainForm::HelpAboutClick() { AboutBox()->ShowModal(); }

// ---- Inspection -------------------------------------------------------------------------------

void TMainForm::PaintBoxDblClick() { InspectSelected(); }

TObj* TMainForm::SelectedObject() const {
  for (int i = 0; i < TheGraph->NodeCount(); ++i)
    if (TheGraph->Nodes(i)->Selected()) return TheGraph->Nodes(i);
  for (int i = 0; i < TheGraph->EdgeCount(); ++i)
    if (TheGraph->Edges(i)->Selected()) return TheGraph->Edges(i);
  return nullptr;
}

void TMainForm::InspectSelected() {
  TObj* object = SelectedObject();
  if (dynamic_cast<TJavaClass*>(object) != nullptr) {
    ClassInspector()->InspectElement(object);
  } else if (dynamic_cast<TJavaInterface*>(object) != nullptr) {
    InterfaceInspector()->InspectElement(object);
  } else if (dynamic_cast<TAssociation*>(object) != nullptr) {
    AssociationInspector()->InspectElement(object);
  } else if (auto* comment = dynamic_cast<TComment*>(object)) {
    if (CommentInspector()->InspectElement(comment) == platform::mrOk) comment->SetLines(CommentInspector()->Lines());
  } else if (dynamic_cast<TText*>(object) != nullptr) {
    TextInspector()->InspectElement(object);
  }
  TheGraph->Refresh();
}

// ---- Printing ---------------------------------------------------------------------------------

void TMainForm::FilePrintClick() {
  if (ExecutePrintDialog()) PrintDiagram();
}

void TMainForm::FilePrintSetupClick() { ExecutePrinterSetupDialog(); }

// The diagram is drawn on a picture of its own size, which is printed on one page, top-left,
// scaled to the page with its proportions kept. An empty diagram prints an empty page.
void TMainForm::PrintDiagram() {
  TPoint corner = TheGraph->FarCorner();
  int width = corner.X;
  int height = corner.Y;

  // The border lines lie on the coordinates, so the picture takes the largest one too.
  TCanvas picture(width + 1, height + 1);
  if (picture.Image().isNull()) throw Exception("The diagram is too large to print.");
  picture.Font = PaintBox->Canvas()->Font;
  TheGraph->DeselectAll();
  TheGraph->SetCanvas(&picture);
  TheGraph->RedrawAll();
  BindGraph();
  TheGraph->Refresh();

  QPrinter& printer = Printer();
  printer.setDocName(QString::fromStdString(std::string(kProgramTitle) + " - " + ExtractFileName(ModelFileName)));
  QPainter painter;
  if (!painter.begin(&printer)) throw Exception("Can not start printing.");
  const double pageWidth = printer.width();
  const double pageHeight = printer.height();
  if (width > 0 && height > 0 && pageWidth > 0 && pageHeight > 0) {
    const double pageRatio = pageHeight / pageWidth;
    const double pictureRatio = static_cast<double>(height) / width;
    int printedWidth = static_cast<int>(pageWidth);
    int printedHeight = static_cast<int>(pageHeight);
    if (pictureRatio >= pageRatio)
      printedWidth = static_cast<int>(pageHeight / pictureRatio);
    else
      printedHeight = static_cast<int>(pageWidth * pictureRatio);
    painter.drawImage(QRect(0, 0, printedWidth, printedHeight), picture.Image());
  }
  painter.end();
}

}  // namespace modeller
