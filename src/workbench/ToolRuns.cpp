#include "workbench/ToolRuns.h"

#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "designer/RunRoutines.h"
#include "platform/ConsoleTerminal.h"
#include "platform/Dialogs.h"
#include "platform/ProcessRunner.h"
#include "platform/ShellWords.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"
#include "workbench/ArgApplet.h"
#include "workbench/ArgApplica.h"
#include "workbench/CompilerMsg_f.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"
#include "workbench/Settings.h"
#include "workbench/SettingsExchange.h"

namespace workbench {

using namespace platform;

namespace {

constexpr const char* kTempPage = "MorvaneTemp.html";
constexpr const char* kRunScript = "run.sh";
// Run in the terminal for a console that closes with the program: the program in its folder, with
// its standard error added to the file "error" when that file could be made there, and its process
// id recorded for Reset.
std::string ConsoleStart() {
  return "cd \"$1\" || exit; shift; " + RecordConsolePid() + "; [ -w error ] && exec 2>>error; exec \"$@\"";
}
constexpr int kNotFoundInPath = 60;
constexpr int kNotUnderstood = 42;
constexpr int kFileRemoved = 43;

constexpr const char* kNotValidSource =
    "This is not a valid source file!\rSource file should have the extension of \".java\".";
constexpr const char* kNotJavaSource = "This is not a Java Source !\rSource file should have the extension of \".java\".";
constexpr const char* kNotRunnableApplet =
    "This file is not runnable !\rSource file should have the extension of \".java\" or \".html\".";
constexpr const char* kNotRunnable =
    "This file is not runnable !\rSource file should have the extension of \".java\" or \".led\" or \".html\".";

void SetStatus(const std::string& text) { EditorForm->StatusBar->SetPanelText(3, text); }

void AddMessage(const std::string& line) { EditorForm->MessageWindow->AddItem(line); }

bool MessagesHidden() { return EditorForm->MessageWindow->isHidden(); }

// "Show messages": a hidden message window with lines is shown; "hide messages": a shown one hidden.
void ShowMessages() {
  if (MessagesHidden() && EditorForm->MessageWindow->count() > 0) EditorForm->MessageWindow1Click();
}

void HideMessages() {
  if (!MessagesHidden()) EditorForm->MessageWindow1Click();
}

void ErrorBox(const std::string& text) { MessageDlg(text, mtError, mbOK); }

// The lines of a file, or none when it cannot be read.
TStringList ReadLines(const std::string& fileName) {
  TStringList lines;
  try {
    lines.LoadFromFile(fileName);
  } catch (const Exception&) {
    lines.Clear();
  }
  return lines;
}

void LoadMessages(const std::string& errorFile) {
  EditorForm->MessageWindow->clear();
  TStringList lines = ReadLines(errorFile);
  for (const std::string& line : lines.Lines()) AddMessage(line);
}

bool CreateEmptyFile(const std::string& fileName) {
  try {
    WriteFileAtomic(fileName, {});
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// A successful compile that still wrote to standard error shows that output in its own window.
void ShowCompilerOutput(const std::string& errorFile) {
  TStringList lines = ReadLines(errorFile);
  lines.Insert(0, "");
  lines.Insert(0, designer::GetVersionText());
  CompileMsgForm->RichEdit1->Lines().Assign(lines);
  if (lines.Count() > 2) CompileMsgForm->ShowBeside(*EditorForm);
}

std::string WithoutJavaExt(const std::string& fileName) { return fileName.substr(0, fileName.size() - 5); }

std::vector<std::string> Joined(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// Splits a line the user typed as a shell would; a quote left open is reported and refuses the run.
bool SplitTyped(const std::string& title, const std::string& line, std::vector<std::string>& words) {
  if (SplitShellWords(line, words)) return true;
  ErrorBox(title + " : a quote is not closed in\r" + line);
  return false;
}

// The command as one line of run.sh, each word quoted where sh would read it otherwise.
std::string ScriptLine(const std::vector<std::string>& command) {
  std::string line;
  for (const std::string& word : command) line += ShellQuote(word) + " ";
  return line + "2>>error";
}

std::string TempPageTitleLine() { return "<TITLE> " + designer::GetVersionText() + " temporary HTML file. </TITLE>"; }

// A page of that name that this program did not write is the user's own and is left alone.
bool IsForeignTempPage(const std::string& fileName) {
  return FileExists(fileName) && ReadLines(fileName).Get(2) != TempPageTitleLine();
}

designer::TFrame* FrameOfPage(const std::string& fileName) {
  int page = EditorForm->FindOpenFile(fileName);
  return page < 0 ? nullptr : qobject_cast<designer::TFrame*>(EditorForm->Page->Pages(page)->Tag());
}

void RepaintActivePage() {
  if (TRichEdit* edit = EditorForm->ActiveEditor()) edit->viewport()->update();
}

}  // namespace

// What one run starts and how it waits.
struct TToolRuns::TToolCall {
  std::string title{};  // of the "can not run" message
  std::string folder{};
  std::string program{};
  std::vector<std::string> arguments{};
  std::string status{};
  bool statusBeforeStart = false;
  bool pumpMessages = true;
  bool interruptible = false;
  bool classPath = false;
  std::string variableName{};
  std::string variableValue{};
  bool console = false;  // runs in a terminal, which is not given the file "error"
};

// Disables the run group for the length of a command, which enables Reset, and marks the run.
class TToolRuns::TRunGroupLock {
 public:
  explicit TRunGroupLock(bool& running) : running_(running) {
    running_ = true;
    MainForm->EnableRunCommands(false);
  }
  ~TRunGroupLock() {
    running_ = false;
    MainForm->EnableRunCommands(true);
  }
  TRunGroupLock(const TRunGroupLock&) = delete;
  TRunGroupLock& operator=(const TRunGroupLock&) = delete;

 private:
  bool& running_;
};

// ---- The run skeleton ----

TToolRuns::TToolEnd TToolRuns::Execute(const TToolCall& call) {
  std::string errorFile = call.folder + "error";
  DeleteFile(errorFile);
  // Reset ends a console program itself before its terminal, which may run it out of its reach: by
  // the record its script makes, never by one an earlier run left.
  const std::string pidFile = call.folder + ConsolePidFile;
  if (call.console) DeleteFile(pidFile);
  const bool endsProgram = call.console && !FileExists(pidFile);
  ProcessRunner runner;
  runner.SetProgram(call.program, call.arguments);
  runner.SetWorkingDirectory(call.folder);
  if (call.classPath) runner.SetEnvironmentVariable("CLASSPATH", ToolClassPath(EditorForm->GetClassPath()));
  runner.SetEnvironmentVariable(call.variableName, call.variableValue);
  // In a folder that takes no new file the tool still runs; its messages are lost.
  if (CreateEmptyFile(errorFile) && !call.console) runner.SetErrorFile(errorFile);
  if (call.statusBeforeStart) SetStatus(call.status);
  if (!runner.Start()) {
    DeleteFile(errorFile);
    designer::ShowErrorMessage(call.title, kNotFoundInPath);
    SetStatus("");
    return {};
  }
  if (!call.statusBeforeStart) SetStatus(call.status);
  if (call.interruptible) MainForm->FUserBreak = false;
  std::function<bool()> userBreak;
  if (call.interruptible) userBreak = [&] {
    if (MainForm->FUserBreak && endsProgram) EndConsoleProgram(pidFile);
    return MainForm->FUserBreak;
  };
  TToolEnd end;
  end.started = true;
  end.userBreak = runner.Wait(call.pumpMessages, userBreak) == ProcessRunner::WaitEnd::Broken;
  if (endsProgram) DeleteFile(pidFile);
  end.exitCode = end.userBreak ? 0 : runner.ExitCode();
  if (!end.userBreak) LoadMessages(errorFile);
  return end;
}

void TToolRuns::Finish(const std::string& folder) {
  DeleteFile(folder + "error");
  MainForm->FUserBreak = false;
  SetStatus("");
}

// Console programs run in a terminal: directly when the console is to close with the program,
// otherwise through run.sh, which waits for Enter before its terminal closes. Either way the
// program's standard error goes to the file "error" and its output stays in the terminal.
bool TToolRuns::PrepareConsole(TToolCall& call, const std::vector<std::string>& command, bool leaveOpen) {
  std::optional<TTerminal> terminal = FindTerminal();
  if (!terminal) {
    ErrorBox(call.title + " : " + NoTerminalMessage());
    return false;
  }
  call.program = terminal->Program;
  call.console = true;
  if (!leaveOpen) {
    call.arguments = terminal->Arguments(Joined({"sh", "-c", ConsoleStart(), "sh", call.folder}, command));
    return true;
  }
  TStringList script;
  script.LineBreak = "\n";
  script.Add("cd " + ShellQuote(call.folder));
  script.Add(RecordConsolePid());
  script.Add(ScriptLine(command));
  for (const std::string& line : WaitForEnterLines()) script.Add(line);
  try {
    script.SaveToFile(call.folder + kRunScript);
  } catch (const Exception& failure) {
    ErrorBox(failure.Message());
    return false;
  }
  call.arguments = terminal->Arguments({"sh", call.folder + kRunScript});
  return true;
}

// ---- The runs ----

bool TToolRuns::RunJavac(const std::string& folder, const std::string& fileName) {
  if (!EditorForm->SaveWithHandlerCleanup()) return false;
  TToolCall call{.title = "Javac",
                 .folder = folder,
                 .program = EditorForm->GetCompilerName(),
                 .status = "  Compiling ...",
                 .statusBeforeStart = true,
                 .classPath = true};
  if (!SplitTyped(call.title, Choices.CompileOptions, call.arguments)) return false;
  call.arguments.push_back(fileName);
  EditorForm->MessageWindow->clear();
  TToolEnd end = Execute(call);
  if (!end.started) return false;
  if (end.exitCode == 0) ShowCompilerOutput(folder + "error");
  Finish(folder);
  return end.exitCode == 0;
}

bool TToolRuns::RunAppletViewer(const std::string& folder, const std::string& htmlName) {
  bool pageWritten = tempPageWritten_ && htmlName == kTempPage;
  tempPageWritten_ = false;
  TToolCall call{.title = "Appletviewer",
                 .folder = folder,
                 .program = "appletviewer",
                 .arguments = {htmlName},
                 .status = "  Running ...",
                 .interruptible = true,
                 .classPath = true};
  TToolEnd end = Execute(call);
  if (!end.started) return false;
  if (end.userBreak) {
    AddMessage("User Break while running Applet");
  } else if (end.exitCode == 1) {
    ShowMessage("Temporary HTML not found or Not valid HTML file !");
    AddMessage("Appletviewer : Source reading error");
  }
  if (pageWritten) DeleteFile(folder + htmlName);
  Finish(folder);
  return EditorForm->MessageWindow->count() == 0;
}

bool TToolRuns::RunJava(const std::string& folder, const std::string& className) {
  std::string argumentLine = ArgForApplicaForm->ArgComboBox->currentText().toStdString();
  TToolCall call{
      .title = "Java", .folder = folder, .status = "  Running ...", .interruptible = true, .classPath = true};
  std::vector<std::string> arguments;
  if (!SplitTyped(call.title, argumentLine, arguments) ||
      !PrepareConsole(call, Joined({"java", className}, arguments), !MainForm->GetConsoleClosing()))
    return false;
  TToolEnd end = Execute(call);
  if (!MainForm->GetConsoleClosing()) DeleteFile(folder + kRunScript);
  if (!end.started) return false;
  if (end.userBreak) AddMessage("User Break while running Application");
  Finish(folder);
  return EditorForm->MessageWindow->count() == 0;
}

bool TToolRuns::RunJdb(const std::string& folder, const std::string& className) {
  TToolCall call{
      .title = "Jdb", .folder = folder, .status = "  Dedugging ...", .interruptible = true, .classPath = true};
  if (!PrepareConsole(call, {"jdb", className}, false)) return false;
  TToolEnd end = Execute(call);
  if (!end.started) return false;
  if (end.userBreak) AddMessage("User Break while debugging");
  Finish(folder);
  return EditorForm->MessageWindow->count() == 0;
}

bool TToolRuns::RunJavah(const std::string& folder, const std::string& fileName) {
  std::string className = WithoutJavaExt(fileName);
  DeleteFile(folder + "error");
  if (!FileExists(folder + className + ".class")) {
    ErrorBox("Can't find " + className + ".class file");
    return false;
  }
  // An old header is removed only when a new one can be made.
  if (FindProgram("javah").empty()) {
    designer::ShowErrorMessage("Javah", kNotFoundInPath);
    return false;
  }
  DeleteFile(folder + className + ".h");
  std::vector<std::string> arguments;
  bool stub = Choices.JavahStub;
  if (stub) arguments.push_back("-stubs");
  arguments.insert(arguments.end(), {"-classpath", ToolClassPath(EditorForm->GetClassPath()), className});
  std::string status = stub ? "  Generating C stub file ..." : "  Generating C header file ...";
  TToolCall call{.title = "Javah",
                 .folder = folder,
                 .program = "javah",
                 .arguments = arguments,
                 .status = status,
                 .statusBeforeStart = true,
                 .pumpMessages = false};
  TToolEnd end = Execute(call);
  if (!end.started) return false;
  Finish(folder);
  return end.exitCode == 0;
}

bool TToolRuns::RunJavadoc(const std::string& folder, const std::string& fileName) {
  DeleteFile(folder + "error");
  if (!FileExists(folder + fileName)) {
    ErrorBox("Can't find " + fileName + " file");
    return false;
  }
  TToolCall call{.title = "Javadoc",
                 .folder = folder,
                 .program = "javadoc",
                 .arguments = {fileName},
                 .status = "  Generating HTML documents ...",
                 .statusBeforeStart = true,
                 .pumpMessages = false};
  TToolEnd end = Execute(call);
  if (!end.started) return false;
  Finish(folder);
  return end.exitCode == 0;
}

bool TToolRuns::RunUserTool(const std::string& folder, const std::string& fileName) {
  const std::string& name = Choices.UserToolName;
  const std::string& variable = Choices.UserToolVariable;
  const std::string& options = Choices.UserToolOptions;
  const std::string& argument = Choices.UserToolArgument;
  TToolCall call{.title = "Lc",
                 .folder = folder,
                 .status = "  Running ...",
                 .interruptible = true,
                 .variableName = designer::GetFirstWord(variable),
                 .variableValue = designer::GetLastWord(variable)};
  std::vector<std::string> optionWords, argumentWords;
  if (!SplitTyped(call.title, options, optionWords) || !SplitTyped(call.title, argument, argumentWords) ||
      !PrepareConsole(call, Joined(Joined(Joined({name}, optionWords), {fileName}), argumentWords),
                      !MainForm->GetConsoleClosing()))
    return false;
  TToolEnd end = Execute(call);
  if (!MainForm->GetConsoleClosing()) DeleteFile(folder + kRunScript);
  if (!end.started) return false;
  if (end.userBreak) AddMessage("User Break while running Application");
  Finish(folder);
  return EditorForm->MessageWindow->count() == 0;
}

bool TToolRuns::RunScanner() {
  std::string fullName = EditorForm->ActiveFileName();
  if (LowerCase(ExtractFileExt(fullName)) != ".java") {
    ErrorBox(fullName + " is not Java source file !");
    return false;
  }
  ProcessRunner runner;
  runner.SetProgram(ScannerProgram.empty() ? Application()->ExeDir() + "tovik" : ScannerProgram, {fullName});
  runner.SetWorkingDirectory(ExtractFilePath(fullName));
  int code = 2;
  if (runner.Start()) {
    runner.Wait(false);
    code = runner.ExitCode();
    // The scanner's -1 and -2 arrive as the exit statuses 255 and 254.
    if (code > 127) code -= 256;
  }
  switch (code) {
    case 0: return true;
    case -2: ErrorBox("Can't create Tovik.out !"); break;
    case -1: ErrorBox(fullName + " not found !"); break;
    case 1: ErrorBox("File name is required ! "); break;
    case 2: ErrorBox("Can't run Tovik.exe !  Check the PATH."); break;
    default: designer::ShowErrorMessage("Tovik", code); break;
  }
  return false;
}

// ---- Source tests and the temporary applet page ----

int TToolRuns::PrecheckedSource(const std::string& sourcePath, std::string& text) {
  if (!FileExists(sourcePath)) {
    designer::ShowErrorMessage("Preprocessor", kFileRemoved);
    return 0;
  }
  TStringList lines = ReadLines(sourcePath);
  lines.LineBreak = "\r\n";
  text = lines.Text();
  for (char& c : text)
    if (c == '\t') c = ' ';
  designer::TPrecheckError error;
  if (designer::BlankCommentsAndLiterals(text, error)) return 1;
  if (TRichEdit* edit = EditorForm->ActiveEditor()) edit->SetSelStart(edit->SelStart());
  designer::ShowLineErrorMessage("Prepocessor", error.code, designer::LineOfPosition(text, error.position));
  return -1;
}

int TToolRuns::IsAppletSource(const std::string& sourcePath) {
  std::string text;
  int checked = PrecheckedSource(sourcePath, text);
  if (checked != 1) return checked;
  return designer::HasAppletClass(text) ? 1 : 0;
}

int TToolRuns::IsApplicationSource(const std::string& sourcePath) {
  std::string text;
  int checked = PrecheckedSource(sourcePath, text);
  if (checked != 1) return checked;
  return designer::HasApplicationMain(text) ? 1 : 0;
}

bool TToolRuns::MakeAppletHtml(const std::string& sourcePath) {
  std::string page = ExtractFilePath(sourcePath) + kTempPage;
  int width = EditorForm->GetAppletWidth();
  int height = EditorForm->GetAppletHeight();
  if (designer::TFrame* frame = FrameOfPage(sourcePath)) {
    width = frame->width();
    height = frame->height();
  }
  std::vector<std::pair<std::string, std::string>> params;
  const platform::TStringGrid& grid = *ArgForAppletForm->ArgGrid;
  for (int i = 1; i <= ArgForAppletForm->FArgCount && i < grid.columnCount(); ++i)
    params.emplace_back(grid.Cells(i, 1), grid.Cells(i, 2));
  TStringList lines = designer::AppletHtmlLines(designer::GetVersionText(),
                                                designer::RemoveFileExt(ExtractFileName(sourcePath)), width, height,
                                                params);
  lines.LineBreak = "\n";
  try {
    if (IsForeignTempPage(page)) throw EFCreateError(page);
    lines.SaveToFile(page);
  } catch (const Exception&) {
    ErrorBox("Temporary HTML: file creation Error");
    return false;
  }
  tempPageWritten_ = true;
  return true;
}

// ---- Commands ----

// The checks before the run group is disabled: a secondary frame's source cannot run by itself,
// and an empty page has nothing to run.
bool TToolRuns::PageAllowsRun(bool refuseSecondaryFrame) {
  EditorForm->Show();
  TRichEdit* edit = EditorForm->ActiveEditor();
  if (edit == nullptr) return false;
  platform::FocusControl(*edit);
  designer::TFrame* frame = MainForm->FPageFrame;
  if (refuseSecondaryFrame && frame != nullptr && frame->FrameId == 202) {
    ErrorBox("This is neigther Application nor Applet.");
    return false;
  }
  if (edit->Lines().Count() < 1) {
    ErrorBox("Sorry, this file has no content.");
    return false;
  }
  return true;
}

// The extension check, the save, and the extension check again, since a save-as may have changed
// the name.
bool TToolRuns::SaveChecked(const std::vector<std::string>& extensions, const std::string& message, TSource& source) {
  auto current = [] {
    std::string fullName = EditorForm->ActiveFileName();
    return TSource{fullName, ExtractFilePath(fullName), ExtractFileName(fullName), LowerCase(ExtractFileExt(fullName))};
  };
  auto accepted = [&](const TSource& candidate) {
    for (const std::string& ext : extensions)
      if (candidate.ext == ext) return true;
    ErrorBox(message);
    return false;
  };
  if (!accepted(current())) return false;
  if (!EditorForm->SaveFile()) return false;
  source = current();
  return accepted(source);
}

// Compiles unless the page was not modified and its class file is there.
bool TToolRuns::CompileUnlessCurrent(const TSource& source, bool modified) {
  std::string classFile = source.name.substr(0, source.name.find('.') + 1) + "class";
  if (!modified && FileExists(source.folder + classFile)) return true;
  if (!RunJavac(source.folder, source.name)) {
    ShowMessages();
    return false;
  }
  HideMessages();
  return true;
}

void TToolRuns::Compile() {
  if (!PageAllowsRun(false)) return;
  TRunGroupLock lock(running_);
  TSource source;
  if (!SaveChecked({".java"}, kNotValidSource, source)) return;
  if (RunJavac(source.folder, source.name)) HideMessages();
  else ShowMessages();
}

void TToolRuns::RunJavaClass(bool debugger) {
  if (!PageAllowsRun(true)) return;
  TRunGroupLock lock(running_);
  bool modified = EditorForm->ActiveEditor()->Modified();
  TSource source;
  if (!SaveChecked({".java"}, kNotJavaSource, source)) return;
  if (modified && !RunJavac(source.folder, source.name)) {
    ShowMessages();
    return;
  }
  std::string className = WithoutJavaExt(source.name);
  bool ran = debugger ? RunJdb(source.folder, className) : RunJava(source.folder, className);
  if (ran) HideMessages();
  else ShowMessages();
  RepaintActivePage();
}

void TToolRuns::ManualJava() { RunJavaClass(false); }

void TToolRuns::ManualJdb() { RunJavaClass(true); }

void TToolRuns::RunDocumentTool(bool header) {
  if (!PageAllowsRun(false)) return;
  TRunGroupLock lock(running_);
  TSource source;
  if (!SaveChecked({".java"}, kNotJavaSource, source)) return;
  bool done = header ? RunJavah(source.folder, source.name) : RunJavadoc(source.folder, source.name);
  if (done) HideMessages();
  else ShowMessages();
}

void TToolRuns::Javah() { RunDocumentTool(true); }

void TToolRuns::Javadoc() { RunDocumentTool(false); }

void TToolRuns::ManualAppletViewer() {
  if (!PageAllowsRun(true)) return;
  TRunGroupLock lock(running_);
  bool modified = EditorForm->ActiveEditor()->Modified();
  TSource source;
  if (!SaveChecked({".java", ".html"}, kNotRunnableApplet, source)) return;
  bool viewed;
  if (source.ext == ".html") {
    viewed = RunAppletViewer(source.folder, source.name);
  } else {
    if (modified && !RunJavac(source.folder, source.name)) {
      ShowMessages();
      return;
    }
    if (!MakeAppletHtml(source.fullName)) return;
    viewed = RunAppletViewer(source.folder, kTempPage);
  }
  if (viewed) HideMessages();
  else ShowMessages();
  RepaintActivePage();
}

void TToolRuns::RunJavaSource(const TSource& source, bool modified) {
  int applet = IsAppletSource(source.fullName);
  if (applet == -1) return;
  if (applet == 1) {
    if (!CompileUnlessCurrent(source, modified) || !MakeAppletHtml(source.fullName)) return;
    if (!RunAppletViewer(source.folder, kTempPage) && MessagesHidden()) EditorForm->MessageWindow1Click();
    return;
  }
  int application = IsApplicationSource(source.fullName);
  if (application == 0) designer::ShowErrorMessage("Preprocessor", kNotUnderstood);
  if (application != 1 || !CompileUnlessCurrent(source, modified)) return;
  if (!RunJava(source.folder, WithoutJavaExt(source.name))) ShowMessages();
}

void TToolRuns::Run() {
  if (!PageAllowsRun(true)) return;
  TRunGroupLock lock(running_);
  bool modified = EditorForm->ActiveEditor()->Modified();
  TSource source;
  if (!SaveChecked({".java", ".led", ".html"}, kNotRunnable, source)) return;
  if (source.ext == ".html") {
    if (!RunAppletViewer(source.folder, source.name)) ShowMessages();
  } else if (source.ext == ".led") {
    if (!RunUserTool(source.folder, source.name)) ShowMessages();
  } else {
    RunJavaSource(source, modified);
  }
}

}  // namespace workbench
