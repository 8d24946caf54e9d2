// The Java tool runs with real processes: the real javac and java where their results matter,
// and small fake tools (shell scripts first on PATH) that record what they were given.
#include <signal.h>
#include <sys/stat.h>

#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "Keys.h"
#include "WorkbenchFixture.h"
#include "designer/Lib.h"
#include "platform/ConsoleTerminal.h"
#include "platform/ShellWords.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"
#include "workbench/ArgApplet.h"
#include "workbench/ArgApplica.h"
#include "workbench/CompilerMsg_f.h"

using platform::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;
using TextLines = std::vector<std::string>;

namespace {

// Prints each argument in brackets on standard error, and throws when the first is "throw".
constexpr const char* kArgsProgram =
    "public class Args {\n  public static void main(String[] args) {\n"
    "    for (String a : args) System.err.println(\"[\" + a + \"]\");\n"
    "    if (args.length > 0 && args[0].equals(\"throw\")) throw new IllegalStateException(\"boom\");\n  }\n}\n";

// Records its process id in "sleeper.pid" and sleeps for a minute.
constexpr const char* kSleeperProgram =
    "public class Sleeper {\n  public static void main(String[] args) throws Exception {\n"
    "    java.nio.file.Files.writeString(java.nio.file.Path.of(\"sleeper.pid\"),\n"
    "                                    ProcessHandle.current().pid() + \"\\n\");\n"
    "    Thread.sleep(60000);\n  }\n}\n";

// A process that has not ended; one that ended but was not yet reaped by its parent counts as ended.
bool ProcessRuns(pid_t pid) {
  std::string stat = testsupport::ReadFile("/proc/" + std::to_string(pid) + "/stat");
  size_t state = stat.rfind(") ");
  return state != std::string::npos && stat[state + 2] != 'Z';
}

}  // namespace

class ToolRunsTest : public WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    const char* path = std::getenv("PATH");
    savedPath_ = path != nullptr ? path : "";
    const char* terminal = std::getenv("TERMINAL");
    savedTerminal_ = terminal != nullptr ? terminal : "";
    unsetenv("TERMINAL");
    bin_ = temp_.File("bin/");
    src_ = temp_.File("src/");
    std::filesystem::create_directories(bin_);
    std::filesystem::create_directories(src_);
    setenv("PATH", (bin_ + ":" + savedPath_).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", savedPath_.c_str(), 1);
    if (!savedTerminal_.empty()) setenv("TERMINAL", savedTerminal_.c_str(), 1);
    WorkbenchTest::TearDown();
  }
  // A shell script in the fake-tool folder; it finds that folder as $BIN.
  void FakeTool(const std::string& name, const std::string& body) {
    WriteFile(bin_ + name, "#!/bin/sh\nBIN=\"$(dirname \"$0\")\"\n" + body);
    chmod((bin_ + name).c_str(), 0755);
  }
  // Records its arguments, drops the first `skip` of them and runs the rest as the command.
  void FakeTerminal(const std::string& name, int skip) {
    FakeTool(name, "echo \"$@\" > \"$BIN/terminal-args\"\nshift " + std::to_string(skip) + "\nexec \"$@\"\n");
  }
  // PATH holds the fake tools and only the real programs the runs need: no terminal of this machine.
  void IsolatePath() {
    std::string tools = temp_.File("tools/");
    std::filesystem::create_directories(tools);
    for (const char* name : {"sh", "dirname", "java", "javac"})
      std::filesystem::create_symlink(platform::FindProgram(name, savedPath_), tools + name);
    setenv("PATH", (bin_ + ":" + tools).c_str(), 1);
  }
  void OpenSource(const std::string& name, const std::string& text) {
    WriteFile(src_ + name, text);
    OpenThroughDialog(src_ + name);
  }
  std::vector<std::string> Lines(const std::string& fileName) { return platform::SplitLines(ReadFile(fileName)); }
  std::vector<std::string> Messages() {
    std::vector<std::string> items;
    for (int i = 0; i < Editor().MessageWindow->count(); ++i) items.push_back(Editor().MessageWindow->Items(i));
    return items;
  }
  void RestartWithSettings(const std::string& ini) {
    Main().close();
    workbench::DestroyWorkbenchWindows();
    WriteFile(temp_.File("config") + "/morvane/Morvane.ini", ini);
    workbench::CreateWorkbenchWindows();
    Main().Show();
  }

  std::string savedPath_;
  std::string savedTerminal_;
  std::string bin_;
  std::string src_;
};

TEST_F(ToolRunsTest, CompileShowsTheCompilerMessagesAndJumpsToTheErrorLine) {
  OpenSource("Broken.java", "public class Broken {\n  void f() {\n    int x = 1\n  }\n}\n");
  Main().Compile1Click();
  std::vector<std::string> messages = Messages();
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages[0].rfind("Broken.java:3: error:", 0), 0u) << messages[0];
  EXPECT_FALSE(Editor().MessageWindow->isHidden());
  Editor().MessageWindow->setCurrentRow(static_cast<int>(messages.size()) - 1);
  Editor().MessageWindowDblClick();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 2);
  EXPECT_FALSE(FileExists(src_ + "error"));
  EXPECT_EQ(Editor().StatusBar->PanelText(3), "");
  EXPECT_TRUE(Main().Compile1->Enabled());
  EXPECT_FALSE(Main().ToolRuns.Running());

  // Mended and compiled again: saved first, no messages, no compile-message window.
  Active().Lines().Put(2, "    int x = 1;");
  Main().Compile1Click();
  EXPECT_EQ(ReadFile(src_ + "Broken.java"), "public class Broken {\n  void f() {\n    int x = 1;\n  }\n}\n");
  EXPECT_TRUE(FileExists(src_ + "Broken.class"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Editor().MessageWindow->isHidden());
  EXPECT_FALSE(workbench::CompileMsgForm->isVisible());
}

TEST_F(ToolRunsTest, CompilerNameOptionsAndClassPathComeFromTheSettingsFromStartUp) {
  FakeTool("fakec",
           "echo \"$@\" > \"$BIN/args\"\necho \"$CLASSPATH\" > \"$BIN/classpath\"\n"
           "echo \"warning: be careful\" >&2\nexit 0\n");
  RestartWithSettings("[Preferences]\nSave Desktop=0\n[Compile]\nCompiler Name=" + bin_ +
                      "fakec\nCompile Option=-g -nowarn\nClass Path=.;/opt/lib\n");
  OpenSource("A.java", "class A {}\n");
  Main().Compile1Click();
  EXPECT_EQ(ReadFile(bin_ + "args"), "-g -nowarn A.java\n");
  EXPECT_EQ(ReadFile(bin_ + "classpath"), ".:/opt/lib\n");
  // A successful compile that wrote to standard error shows it below the version line.
  EXPECT_TRUE(workbench::CompileMsgForm->isVisible());
  EXPECT_EQ(workbench::CompileMsgForm->RichEdit1->Lines().Text(), "Morvane 0.64\n\nwarning: be careful\n");
  EXPECT_EQ(workbench::CompileMsgForm->Top(), Editor().Top());  // beside the editor, below the strip
  EXPECT_GT(workbench::CompileMsgForm->Left(), Editor().Left());
  EXPECT_TRUE(Editor().MessageWindow->isHidden());

  // Any exit code ends the wait; only 0 is a successful compile.
  FakeTool("fakec", "echo \"A.java:1: trouble\" >&2\nexit 7\n");
  Main().Compile1Click();
  EXPECT_EQ(Messages(), std::vector<std::string>{"A.java:1: trouble"});
  EXPECT_FALSE(Editor().MessageWindow->isHidden());
  EXPECT_TRUE(Main().Compile1->Enabled());
}

TEST_F(ToolRunsTest, RunCompilesAnApplicationAndRunsItThroughRunShInATerminal) {
  FakeTool("x-terminal-emulator", "echo \"$@\" > \"$BIN/terminal-args\"\ncp run.sh \"$BIN/run.sh.copy\"\nshift\nexec \"$@\"\n");
  OpenSource("Hello.java",
             "import java.io.*;\npublic class Hello {\n  public static void main(String[] args) throws IOException {\n"
             "    try (FileWriter out = new FileWriter(\"ran.txt\")) { out.write(String.join(\" \", args)); }\n  }\n}\n");
  workbench::ArgForApplicaForm->ArgComboBox->setEditText("one two");
  Main().Run2Click();
  EXPECT_EQ(ReadFile(bin_ + "terminal-args"), "-e sh " + src_ + "run.sh\n");
  std::vector<std::string> script = {"cd " + platform::ShellQuote(src_), "{ echo $$ > run.pid; } 2>/dev/null",
                                     "java Hello one two 2>>error",
                                     "echo \"Press Enter to continue . . .\"", "read answer"};
  EXPECT_EQ(Lines(bin_ + "run.sh.copy"), script);
  EXPECT_EQ(ReadFile(src_ + "ran.txt"), "one two");
  EXPECT_FALSE(FileExists(src_ + "run.sh"));
  EXPECT_FALSE(FileExists(src_ + "error"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Main().Run2->Enabled());
}

TEST_F(ToolRunsTest, RunShowsAnAppletOnTheTemporaryPageAndDeletesIt) {
  FakeTool("appletviewer", "echo \"$@\" > \"$BIN/viewer-args\"\ncp \"$1\" \"$BIN/page.copy\"\n");
  OpenSource("Hi.java", "import java.applet.Applet;\npublic class Hi extends Applet {\n}\n");
  WriteFile(src_ + "Hi.class", "");  // up to date: no compile
  workbench::ArgForAppletForm->ArgGrid->SetCells(1, 0, "   Arg 1");
  workbench::ArgForAppletForm->ArgGrid->SetCells(1, 1, "color");
  workbench::ArgForAppletForm->ArgGrid->SetCells(1, 2, "red");
  workbench::ArgForAppletForm->FArgCount = 1;
  Main().Run2Click();
  EXPECT_EQ(ReadFile(bin_ + "viewer-args"), "MorvaneTemp.html\n");
  std::vector<std::string> page = {"<HTML>",
                                   "<HEAD>",
                                   "<TITLE> Morvane 0.64 temporary HTML file. </TITLE>",
                                   "</HEAD>",
                                   "<BODY>",
                                   "<APPLET CODE = Hi WIDTH = 300 HEIGHT = 400",
                                   ">",
                                   "<PARAM NAME = color VALUE = \"red\" >",
                                   "</APPLET>",
                                   "</BODY>",
                                   "</HTML>"};
  EXPECT_EQ(Lines(bin_ + "page.copy"), page);
  EXPECT_FALSE(FileExists(src_ + "MorvaneTemp.html"));
  EXPECT_EQ(ReadFile(src_ + "Hi.class"), "");  // not compiled again
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ToolRunsTest, AUsersOwnPageOfTheTemporaryNameSurvives) {
  FakeTool("appletviewer", "echo \"$@\" > \"$BIN/viewer-args\"\n");
  OpenSource("MorvaneTemp.html", "<HTML>mine</HTML>\n");
  Main().Run2Click();
  EXPECT_EQ(ReadFile(bin_ + "viewer-args"), "MorvaneTemp.html\n");
  EXPECT_EQ(ReadFile(src_ + "MorvaneTemp.html"), "<HTML>mine</HTML>\n");

  // An applet run beside it neither overwrites it nor starts the viewer.
  std::filesystem::remove(bin_ + "viewer-args");
  OpenSource("Hi.java", "public class Hi extends java.applet.Applet {}\n");
  WriteFile(src_ + "Hi.class", "");
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  EXPECT_EQ(LastMessage(), "Temporary HTML: file creation Error");
  EXPECT_FALSE(FileExists(bin_ + "viewer-args"));
  EXPECT_EQ(ReadFile(src_ + "MorvaneTemp.html"), "<HTML>mine</HTML>\n");
}

TEST_F(ToolRunsTest, ResetEndsARunningToolWhileThePageAndTheWindowStayOpen) {
  FakeTool("appletviewer", "exec sleep 30\n");
  OpenSource("Page.html", "<HTML></HTML>\n");
  bool runGroupOff = false, resetOn = false, pageKept = false, windowKept = false;
  QTimer::singleShot(300, [&] {
    runGroupOff = !Main().Run2->Enabled();
    Main().Run1Click();
    resetOn = Main().Reset1->Enabled();
    int pages = Editor().GetPageCount();
    Main().CloseFile1Click();
    pageKept = Editor().GetPageCount() == pages;
    windowKept = !Main().close();
    Main().Reset1Click();
  });
  auto started = std::chrono::steady_clock::now();
  Main().Run2Click();
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_TRUE(runGroupOff);
  EXPECT_TRUE(resetOn);
  EXPECT_TRUE(pageKept);
  EXPECT_TRUE(windowKept);
  EXPECT_EQ(Messages(), std::vector<std::string>{"User Break while running Applet"});
  EXPECT_FALSE(Editor().MessageWindow->isHidden());
  EXPECT_FALSE(Main().FUserBreak);
  EXPECT_TRUE(Main().Run2->Enabled());
  EXPECT_TRUE(Main().isVisible());
}

TEST_F(ToolRunsTest, F9AndCtrlF2TypedInTheEditorRunThePageAndStopTheRun) {
  FakeTool("appletviewer", "exec sleep 30\n");
  OpenSource("Page.html", "<HTML></HTML>\n");
  Main().Run1Click();  // the Run menu opened before the run turns Reset off
  QTimer::singleShot(300, [&] { testsupport::TypeKey(Editor(), Qt::Key_F2, Qt::ControlModifier); });
  auto started = std::chrono::steady_clock::now();
  testsupport::TypeKey(Editor(), Qt::Key_F9);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_EQ(Messages(), std::vector<std::string>{"User Break while running Applet"});
}

TEST_F(ToolRunsTest, ResetEndsTheJavaProgramOfATerminalThatRunsItOutOfItsOwnReach) {
  // As a terminal that hands its command to a server: the command runs in a session of its own,
  // which ending the terminal does not reach, and the terminal waits until it ends.
  FakeTool("x-terminal-emulator", "shift\nsetsid \"$@\" < /dev/null > /dev/null 2>&1 &\nwait\n");
  OpenSource("Sleeper.java", kSleeperProgram);
  for (bool closing : {false, true}) {
    SCOPED_TRACE(closing ? "console closing" : "through run.sh");
    Main().SetConsoleClosing(closing);
    std::filesystem::remove(src_ + "sleeper.pid");
    Editor().MessageWindow->clear();
    pid_t program = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      const std::string record = ReadFile(src_ + "sleeper.pid");
      if (program > 0 || !record.ends_with("\n")) return;
      program = static_cast<pid_t>(std::atol(record.c_str()));
      Main().Reset1Click();
    });
    poll.start(100);
    Main().Run2Click();
    poll.stop();
    ASSERT_GT(program, 0) << "the program did not start";
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (ProcessRuns(program) && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(ProcessRuns(program));
    if (ProcessRuns(program)) kill(program, SIGKILL);
    EXPECT_EQ(Messages(), std::vector<std::string>{"User Break while running Application"});
    EXPECT_FALSE(FileExists(src_ + "run.pid"));
  }
}

TEST_F(ToolRunsTest, ToolsMissingFromThePathGiveTheCanNotRunMessage) {
  setenv("PATH", bin_.c_str(), 1);
  OpenSource("N.java", "public class N {\n  public static void main(String[] a) {}\n}\n");
  WriteFile(src_ + "N.class", "");
  WriteFile(src_ + "N.h", "old header");
  Modal().Queue(platform::mrOk);
  Main().Javah1Click();
  EXPECT_EQ(LastMessage(), "Javah : Can not run this program (not found in the PATH)");
  EXPECT_EQ(ReadFile(src_ + "N.h"), "old header");
  Modal().Queue(platform::mrOk);
  Main().ManualAppletViewer();
  EXPECT_EQ(LastMessage(), "Appletviewer : Can not run this program (not found in the PATH)");
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  EXPECT_EQ(LastMessage(),
            "Java : No terminal program was found to run the console in.\rLooked for: x-terminal-emulator, "
            "gnome-terminal, konsole, xfce4-terminal, kitty, alacritty, xterm.\rInstall one of them, or name yours in "
            "the TERMINAL environment variable.");
  EXPECT_FALSE(FileExists(src_ + "run.sh"));
  EXPECT_FALSE(FileExists(src_ + "error"));
  EXPECT_EQ(Editor().StatusBar->PanelText(3), "");
  EXPECT_TRUE(Main().Run2->Enabled());

  Modal().Queue(platform::mrOk);
  Main().SimanticPrototyper1Click();
  EXPECT_NE(LastMessage().find("zelvory/zelvory was not found."), std::string::npos);
  Modal().Queue(platform::mrOk);
  EXPECT_FALSE(Main().ToolRuns.RunScanner());
  EXPECT_EQ(LastMessage(), "Can't run Tovik.exe !  Check the PATH.");
}

TEST_F(ToolRunsTest, TheUserToolRunsOnLedFilesWithItsVariableAndOptions) {
  FakeTool("x-terminal-emulator", "echo \"$@\" > \"$BIN/terminal-args\"\nshift\nexec \"$@\"\n");
  FakeTool("ledc", "echo \"$@ $LEDHOME\" > \"$BIN/ledc-args\"\n");
  workbench::TToolChoices& tool = Main().ToolRuns.Choices;
  tool.UserToolName = "ledc";
  tool.UserToolVariable = "LEDHOME /opt/led";
  tool.UserToolOptions = "-v";
  tool.UserToolArgument = "out";
  OpenSource("X.led", "led text\n");
  Main().Run2Click();
  EXPECT_EQ(ReadFile(bin_ + "terminal-args"), "-e sh " + src_ + "run.sh\n");
  EXPECT_EQ(ReadFile(bin_ + "ledc-args"), "-v X.led out /opt/led\n");
  // With the console closing, the tool starts directly in the terminal.
  Main().SetConsoleClosing(true);
  Main().Run2Click();
  EXPECT_TRUE(ReadFile(bin_ + "terminal-args").ends_with(" sh " + src_ + " ledc -v X.led out\n"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ToolRunsTest, AFolderThatTakesNoNewFileNeitherHangsNorStartsTheViewer) {
  FakeTool("fakec", "exit 0\n");
  FakeTool("appletviewer", "echo \"$@\" > \"$BIN/viewer-args\"\n");
  Editor().SetCompilerName(bin_ + "fakec");
  OpenSource("Hi.java", "public class Hi extends java.applet.Applet {}\n");
  if (!testsupport::MakeFolderReadOnly(src_)) GTEST_SKIP() << "the folder cannot be made read-only here";
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  testsupport::MakeFolderWritable(src_);
  EXPECT_EQ(LastMessage(), "Temporary HTML: file creation Error");
  EXPECT_FALSE(FileExists(bin_ + "viewer-args"));
  EXPECT_FALSE(FileExists(src_ + "MorvaneTemp.html"));
  EXPECT_TRUE(Main().Run2->Enabled());
}

TEST_F(ToolRunsTest, OpeningChecksRefuseEmptyPagesSecondaryFramesAndOtherFiles) {
  Modal().Queue(platform::mrOk);
  Main().Compile1Click();  // the untitled page of the start has no line
  EXPECT_EQ(LastMessage(), "Sorry, this file has no content.");

  OpenSource("F.java", "class F {}\n");
  Editor().Page->Pages(Editor().Page->currentIndex())->SetTag(Main().CreateDesignFrame("F", 202));
  Editor().PageChange();
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  EXPECT_EQ(LastMessage(), "This is neigther Application nor Applet.");

  OpenSource("P.html", "<HTML>\n");
  Modal().Queue(platform::mrOk);
  Main().Compile1Click();
  EXPECT_EQ(LastMessage(), "This is not a valid source file!\rSource file should have the extension of \".java\".");
  Modal().Queue(platform::mrOk);
  Main().ManualJava();
  EXPECT_EQ(LastMessage(), "This is not a Java Source !\rSource file should have the extension of \".java\".");
  EXPECT_TRUE(Main().Run2->Enabled());
}

TEST_F(ToolRunsTest, TheAppletPageTakesTheSizeOfTheDesignFrame) {
  FakeTool("appletviewer", "cp \"$1\" \"$BIN/page.copy\"\n");
  OpenSource("Hi.java", "public class Hi extends java.applet.Applet {}\n");
  WriteFile(src_ + "Hi.class", "");
  designer::TFrame* frame = Main().CreateDesignFrame("Hi", 201);
  frame->resize(320, 200);
  Editor().Page->Pages(Editor().Page->currentIndex())->SetTag(frame);
  Editor().PageChange();
  Main().ManualAppletViewer();
  std::vector<std::string> page = Lines(bin_ + "page.copy");
  ASSERT_EQ(page.size(), 10u);  // no applet argument, no PARAM line
  EXPECT_EQ(page[5], "<APPLET CODE = Hi WIDTH = 320 HEIGHT = 200");
  EXPECT_FALSE(FileExists(src_ + "MorvaneTemp.html"));
}

TEST_F(ToolRunsTest, HeaderDocumentAndDebuggerRunsTakeTheirCommandLines) {
  FakeTool("javah", "echo \"$@\" > \"$BIN/javah-args\"\n");
  FakeTool("javadoc", "echo \"$@\" > \"$BIN/javadoc-args\"\necho \"N.java:2: warning: no comment\" >&2\nexit 1\n");
  FakeTool("x-terminal-emulator", "echo \"$@\" > \"$BIN/terminal-args\"\n");
  OpenSource("N.java", "public class N {\n  int n;\n}\n");
  WriteFile(src_ + "N.class", "");
  Editor().SetClassPath(".;/opt/lib");
  Main().ToolRuns.Choices.JavahStub = true;
  Main().Javah1Click();
  EXPECT_EQ(ReadFile(bin_ + "javah-args"), "-stubs -classpath .:/opt/lib N\n");

  Main().Javadoc1Click();
  EXPECT_EQ(ReadFile(bin_ + "javadoc-args"), "N.java\n");
  EXPECT_EQ(Messages(), std::vector<std::string>{"N.java:2: warning: no comment"});
  EXPECT_FALSE(Editor().MessageWindow->isHidden());

  Main().JDB1Click();  // not modified: no compile first
  EXPECT_TRUE(ReadFile(bin_ + "terminal-args").ends_with(" sh " + src_ + " jdb N\n"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Editor().MessageWindow->isHidden());
}

TEST_F(ToolRunsTest, EachCommonTerminalTakesTheProgramItsOwnWayWithTheArgumentsAsGrouped) {
  IsolatePath();
  OpenSource("Args.java", kArgsProgram);
  const std::pair<const char*, std::string> terminals[] = {
      {"x-terminal-emulator", "-e "}, {"gnome-terminal", "--wait -- "}, {"konsole", "--nofork -e "},
      {"xfce4-terminal", "--disable-server -x "}, {"kitty", ""}, {"alacritty", "-e "}, {"xterm", "-e "}};
  for (const auto& [terminal, before] : terminals) {
    FakeTerminal(terminal, static_cast<int>(std::count(before.begin(), before.end(), ' ')));
    workbench::ArgForApplicaForm->ArgComboBox->setEditText("one \"two three\" \"it's\" a\\ b ''");
    Main().Run2Click();
    EXPECT_EQ(ReadFile(bin_ + "terminal-args"), before + "sh " + src_ + "run.sh\n") << terminal;
    EXPECT_EQ(Messages(), (TextLines{"[one]", "[two three]", "[it's]", "[a b]", "[]"})) << terminal;
    std::filesystem::remove(bin_ + terminal);
  }
}

TEST_F(ToolRunsTest, AThrownExceptionReachesTheMessageWindowThroughRunShAndDirectly) {
  FakeTerminal("x-terminal-emulator", 1);
  OpenSource("Args.java", kArgsProgram);
  for (bool closing : {false, true}) {
    Main().SetConsoleClosing(closing);
    workbench::ArgForApplicaForm->ArgComboBox->setEditText("throw \"x y\"");
    Main().Run2Click();
    TextLines messages = Messages();
    messages.resize(4);
    EXPECT_EQ(messages, (TextLines{"[throw]", "[x y]", "Exception in thread \"main\" java.lang.IllegalStateException: boom",
                                "\tat Args.main(Args.java:4)"}))
        << closing;
    EXPECT_FALSE(Editor().MessageWindow->isHidden());
  }
  EXPECT_TRUE(ReadFile(bin_ + "terminal-args").ends_with(" sh " + src_ + " java Args throw x y\n"));
  workbench::ArgForApplicaForm->ArgComboBox->setEditText("\"open");
  Modal().Queue(platform::mrOk);
  Main().Run2Click();
  EXPECT_EQ(LastMessage(), "Java : a quote is not closed in\r\"open");
}
