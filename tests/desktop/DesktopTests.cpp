// The desktop stage: both programs on a real X server with a window manager, driven as a user drives
// them. Each row of kCases is one case: a function that gets a fresh Session (home, settings, fake
// tools), starts the programs it needs and checks what a user would see or find afterwards.
//
// Helpers, all in Session (tests/desktop/Session.h) and XDesktop (tests/desktop/XDesktop.h):
//   s.Start("zelvory"), s.Quit(program)        start a program and wait for its main window; close it
//   s.WaitForWindow(program, title)            a managed window by its exact title
//   s.Activate(window)                         focus it by a click on its title bar
//   s.Key("Ctrl+O"), s.Type("text")            keys to the focused window, through XTest
//   s.ChooseFromMenu(program, {"Alt+F", "o"})  File > Open by its keys, each menu waited for
//   s.OpenMenu(program, keys), s.Choose(...)   the same in two steps, for keys between them
//   s.WaitFor("what", condition)               poll; fail saying what was awaited
//   s.Settle(program)                          the program handled everything sent before
//   s.x.Frame(window), s.x.Stacking(), s.x.Active(), s.x.Close(window), s.x.Click/DoubleClick/Drag
// Files: s.Work(name) in the work folder, s.ReadFile / s.WriteFile, s.WaitForFile(what, name,
// condition), s.ToolLog("xdg-open"), s.WaitForLog(what, "xdg-open", text), s.SettingsFile("morvane"). Any Qt warning a program writes fails the case.
// To add a case, write a function of a Session and add a row to kCases.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include "Session.h"
#include "WindowManager.h"

namespace desktop {

namespace {

constexpr const char* kHelloJava =
    "public class Hello {\n"
    "  public static void main(String[] args) {\n"
    "  }\n"
    "}\n";

// How far a window may lie from its place: the programs measure a frame with fixed window metrics,
// which differ by a few pixels from the window manager's frame.
constexpr int kPlaceTolerance = 4;

// Where the workbench's settings put the object inspector's frame.
constexpr Point kInspectorPlace{10, 200};

constexpr const char* kApplicationArguments = "Arguments for application ";

// The middle of the palette's Button tool, the second button of its Standard page, in the main
// window's client area.
constexpr Point kButtonTool{235, 59};

// ---- Files the cases start from ----------------------------------------------------------------

// A model holding one package-member class, written as the modeller writes its files.
std::string OneClassModel(const std::string& name, Point at = {100, 100}) {
  std::string text;
  auto item = [&text](const char* tag, const std::string& value) { text += std::string(tag) + "\r\n" + value + "\r\n"; };
  for (const char* header : {"<string>", "<string>"}) item(header, "");  // title, author
  item("<integer>", "0");                                               // comment lines
  item("<string>", "");                                                 // package name
  item("<string>", "");                                                 // package path
  item("<integer>", "0");                                               // imports
  text += "<storable>\r\n";
  item("<string>", "TGraph");
  item("<integer>", "1");
  text += "<storable>\r\n";
  item("<string>", "TJavaClass");
  for (int bound : {at.x, at.y, at.x + 100, at.y + 60}) item("<integer>", std::to_string(bound));
  item("<string>", name);
  item("<integer>", "0");  // attributes
  item("<integer>", "0");  // methods
  item("<integer>", "0");  // access
  item("<boolean>", "FALSE");
  item("<boolean>", "TRUE");  // package member
  item("<integer>", "0");
  item("<integer>", "0");  // edges
  return text;
}

int ClassesIn(const std::string& model) {
  int count = 0;
  for (size_t at = model.find("\r\nTJavaClass\r\n"); at != std::string::npos; at = model.find("\r\nTJavaClass\r\n", at + 1))
    ++count;
  return count;
}

int LinesIn(const std::string& log) { return static_cast<int>(std::count(log.begin(), log.end(), '\n')); }

std::string LineOf(const std::string& text, int index) {
  size_t start = 0;
  for (int i = 0; i < index && start != std::string::npos; ++i) {
    start = text.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  if (start == std::string::npos) return {};
  return text.substr(start, text.find('\n', start) - start);
}

// The block of a design file that starts with the header line, each of its lines ending in CR LF.
std::string DesignBlock(const std::string& design, const std::string& header) {
  size_t start = design.find(header + "\r\n");
  if (start == std::string::npos) return {};
  return design.substr(start, design.find("\r\n\r\n", start) + 2 - start);
}

// The value of a key in a settings file ("" when missing).
std::string SettingOf(const std::string& settings, const std::string& key) {
  size_t at = settings.find("\n" + key + "=");
  if (at == std::string::npos) return {};
  size_t start = at + key.size() + 2;
  std::string value = settings.substr(start, settings.find('\n', start) - start);
  if (!value.empty() && value.back() == '\r') value.pop_back();
  return value;
}

// The modeller's settings: the main window on the left, the Java editor beside it or over it, and
// the fake compiler as the Java compiler. Every window lies well inside the screen, no smaller than
// its least size, so the start-up tells of no setting.
void WriteZelvorySettings(Session& s, bool editorOverMain = false) {
  s.WriteFile(s.SettingsFile("zelvory"),
              "[MainForm]\nLeft=10\nTop=40\nWidth=707\nHeight=480\n"
              "[Environment Options]\nJavaCompilerPath=" +
                  s.ToolPath("javac") + "\n" +
                  (editorOverMain ? "[Editor]\nLeft=110\nTop=140\nWidth=560\nHeight=420\n"
                                  : "[Editor]\nLeft=650\nTop=40\nWidth=560\nHeight=420\n"));
}

// The workbench's settings: its three windows well inside the screen (the inspector at its least
// width), the main strip clear of the place where a new form opens, Hello.java open, and anything
// further.
void WriteMorvaneSettings(Session& s, const std::string& more = {}) {
  s.WriteFile(s.Work("Hello.java"), kHelloJava);
  s.WriteFile(s.Work("Hello.class"), "");  // compiled already, so a run starts at once
  s.WriteFile(s.SettingsFile("morvane"),
              "[Desk Top]\nMainFormLeft=10\nMainFormTop=10\nMainFormWidth=800\n"
              "ObjInsFormLeft=" +
                  std::to_string(kInspectorPlace.x) + "\nObjInsFormTop=" + std::to_string(kInspectorPlace.y) +
                  "\nObjInsFormWidth=267\nObjInsFormHeight=400\n"
              "EditorFormLeft=220\nEditorFormTop=200\nEditorFormWidth=600\nEditorFormHeight=400\n"
              "[Preferences]\nSave Desktop=0\n[Editor Files]\nList=" +
                  s.Work("Hello.java") + "|\n" + more);
}

// ---- Steps shared by the cases -------------------------------------------------------------------

// Waits for a dialog to open and take the focus, so that keys go to it.
Window WaitForDialog(Session& s, const Program& program, const std::string& title) {
  Window dialog = s.WaitForWindow(program, title);
  s.WaitFor("\"" + title + "\" to have the focus", [&] { return s.x.Active() == dialog; });
  return dialog;
}

// Answers a file dialog with a full file name.
void ChooseFile(Session& s, const Program& program, const std::string& title, const std::string& fileName) {
  WaitForDialog(s, program, title);
  s.Key("Ctrl+A");
  s.Type(fileName + "\n");
  s.WaitForNoWindow(program, title);
}

// A click in the middle of an editor window lands on its text, below the last line: the caret goes
// to the end of the text.
void ClickIntoText(Session& s, const Program& program, Window editor) {
  s.x.Click(s.x.ClientArea(editor).Centre());
  s.Settle(program);
}

// The workbench started on Hello.java, with the caret at the end of the page's text.
Program& StartMorvaneInEditor(Session& s, Window& editor) {
  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  editor = s.WaitForWindow(morvane, s.Work("Hello.java"));
  s.Activate(editor);
  ClickIntoText(s, morvane, editor);
  return morvane;
}

// Tools > Java Editor by its key, F3, from the main window.
Window ShowJavaEditor(Session& s, const Program& zelvory) {
  s.Activate(zelvory.main);
  s.Key("F3");
  return s.WaitForWindow(zelvory, "Java Editor");
}

// File > Open in the Java editor, by its menu; the page then takes the caret at its end.
void OpenInJavaEditor(Session& s, const Program& zelvory, Window editor, const std::string& fileName) {
  s.Activate(editor);
  s.ChooseFromMenu(zelvory, {"Alt+F", "o"});
  ChooseFile(s, zelvory, "Open", fileName);
  ClickIntoText(s, zelvory, editor);
}

// Symbols > Class and a drag in the middle of the diagram; returns a point on the new class's name.
Point DrawClass(Session& s, const Program& zelvory) {
  s.Activate(zelvory.main);
  s.ChooseFromMenu(zelvory, {"Alt+S", "c"});
  Point middle = s.x.ClientArea(zelvory.main).Centre();
  s.x.Drag({middle.x - 50, middle.y - 40}, {middle.x + 50, middle.y + 40});
  return {middle.x - 30, middle.y - 30};
}

void SaveModelAs(Session& s, const Program& zelvory, const std::string& fileName) {
  s.Activate(zelvory.main);
  s.ChooseFromMenu(zelvory, {"Alt+F", "a"});
  ChooseFile(s, zelvory, "Save As", fileName);
  s.WaitForFile(fileName + " to be written", fileName, [](const std::string& text) { return !text.empty(); });
}

// Run > Arguments > for Application: the submenu opens on its first entry, for Applet.
Window OpenApplicationArguments(Session& s, const Program& morvane) {
  s.Activate(morvane.main);
  s.OpenMenu(morvane, {"Alt+R", "a"});
  s.Key("Down");
  s.Choose(morvane, "Return");
  return WaitForDialog(s, morvane, kApplicationArguments);
}

Window OpenEnvironmentOptions(Session& s, const Program& morvane) {
  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+O", "e"});
  return WaitForDialog(s, morvane, "Environment Options");
}

void CloseByCloseBox(Session& s, const Program& program, Window window) {
  std::string title = s.x.Title(window);
  s.x.Close(window);
  s.WaitForNoWindow(program, title);
}

void ExpectCentred(Session& s, Window window) {
  Rect frame = s.x.Frame(window), screen = s.x.Screen();
  Point middle = frame.Centre();
  EXPECT_LE(std::abs(middle.x - screen.Centre().x), kPlaceTolerance)
      << "\"" << s.x.Title(window) << "\" is not centred across the screen: its frame spans x " << frame.x << " to "
      << frame.x + frame.width << " on a screen " << screen.width << " wide";
  EXPECT_LE(std::abs(middle.y - screen.Centre().y), kPlaceTolerance)
      << "\"" << s.x.Title(window) << "\" is not centred down the screen: its frame spans y " << frame.y << " to "
      << frame.y + frame.height << " on a screen " << screen.height << " high";
}

// ---- Zelvory -------------------------------------------------------------------------------------

// With the Java editor shown, each window's own keys work in it, and the diagram's Ctrl+C and
// Ctrl+V copy and paste a class in the main window.
void ZelvoryKeysInBothWindows(Session& s) {
  s.WriteFile(s.Work("Hello.java"), kHelloJava);
  s.WriteFile(s.Work("shapes.zel"), OneClassModel("Alpha"));
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  Window editor = ShowJavaEditor(s, zelvory);

  s.Activate(editor);
  s.Key("Ctrl+O");
  ChooseFile(s, zelvory, "Open", s.Work("Hello.java"));
  ClickIntoText(s, zelvory, editor);
  s.Type("// edited\n");
  s.Key("Ctrl+S");
  s.WaitForFile("Ctrl+S in the Java editor to save Hello.java", s.Work("Hello.java"),
                [](const std::string& text) { return text == std::string(kHelloJava) + "// edited\n"; });
  s.Key("F8");
  s.WaitForLog("F8 in the Java editor to compile Hello.java", "javac", "Hello.java");
  CloseByCloseBox(s, zelvory, s.WaitForWindow(zelvory, "Compile"));

  s.Activate(zelvory.main);
  s.Key("Ctrl+O");
  ChooseFile(s, zelvory, "Open", s.Work("shapes.zel"));
  s.ChooseFromMenu(zelvory, {"Alt+E", "s"});  // Select All
  s.Key("Ctrl+C");
  s.Key("Ctrl+V");
  s.Key("F8");
  s.Key("Ctrl+S");
  s.WaitForFile("Ctrl+C, Ctrl+V and Ctrl+S in the main window to save shapes.zel with the class and its copy",
                s.Work("shapes.zel"), [](const std::string& model) { return ClassesIn(model) == 2; });
  EXPECT_EQ(LinesIn(s.ToolLog("javac")), 1) << "F8 in the main window compiled the editor's page:\n" << s.ToolLog("javac");
}

// Ctrl+V in the Java editor with nothing on the clipboard pastes nothing, and the program goes on.
void ZelvoryPasteWithEmptyClipboard(Session& s) {
  s.WriteFile(s.Work("Hello.java"), kHelloJava);
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  OpenInJavaEditor(s, zelvory, ShowJavaEditor(s, zelvory), s.Work("Hello.java"));
  s.x.ClearClipboard();
  s.Key("Ctrl+V");
  s.Settle(zelvory, "Ctrl+V with an empty clipboard");
  s.Type("Z");
  s.ChooseFromMenu(zelvory, {"Alt+F", "s"});
  s.WaitForFile("Hello.java saved with the Z typed after Ctrl+V", s.Work("Hello.java"),
                [](const std::string& text) { return text == std::string(kHelloJava) + "Z"; });
}

// Return in an inspector does what its OK does, Escape what its Cancel does.
void ZelvoryInspectorKeys(Session& s) {
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  Point drawn = DrawClass(s, zelvory);
  auto rename = [&](const char* name, const char* key) {
    s.x.DoubleClick(drawn);
    WaitForDialog(s, zelvory, "Class Inspector");
    s.Key("Ctrl+A");  // the name box has the focus
    s.Type(name);
    s.Key(key);
    s.WaitForNoWindow(zelvory, "Class Inspector");
  };
  rename("Renamed", "Return");
  rename("Cancelled", "Escape");
  SaveModelAs(s, zelvory, s.Work("model.zel"));
  std::string model = s.ReadFile(s.Work("model.zel"));
  EXPECT_NE(model.find("\r\nRenamed\r\n"), std::string::npos) << "Return did not store the name typed";
  EXPECT_EQ(model.find("Cancelled"), std::string::npos) << "Escape stored the name typed";
}

// Escape leaves the Java code generator, which has no Cancel button, as its close box does.
void ZelvoryGeneratorKeys(Session& s) {
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  s.Activate(zelvory.main);
  s.ChooseFromMenu(zelvory, {"Alt+T", "j"});
  WaitForDialog(s, zelvory, "Java Code Generator");
  s.Key("Escape");
  s.WaitForNoWindow(zelvory, "Java Code Generator");
}

// The dialogs the modeller centres open in the middle of the screen.
void ZelvoryCentredDialogs(Session& s) {
  s.WriteFile(s.Work("Hello.java"), kHelloJava);
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  s.Activate(zelvory.main);
  s.ChooseFromMenu(zelvory, {"Alt+T", "Return"});  // Options..., the first entry
  Window options = s.WaitForWindow(zelvory, "Options");
  ExpectCentred(s, options);
  CloseByCloseBox(s, zelvory, options);

  s.x.DoubleClick(DrawClass(s, zelvory));
  Window inspector = s.WaitForWindow(zelvory, "Class Inspector");
  ExpectCentred(s, inspector);
  CloseByCloseBox(s, zelvory, inspector);

  OpenInJavaEditor(s, zelvory, ShowJavaEditor(s, zelvory), s.Work("Hello.java"));
  s.ChooseFromMenu(zelvory, {"Alt+C", "c"});  // Compile
  ExpectCentred(s, s.WaitForWindow(zelvory, "Compile"));
}

// A modal dialog opened while the Java editor is shown opens above it, with the focus.
void ZelvoryModalDialogAboveJavaEditor(Session& s) {
  WriteZelvorySettings(s, true);
  Program& zelvory = s.Start("zelvory");
  Window editor = ShowJavaEditor(s, zelvory);
  s.Activate(zelvory.main);
  s.ChooseFromMenu(zelvory, {"Alt+T", "j"});
  Window generator = WaitForDialog(s, zelvory, "Java Code Generator");
  std::vector<Window> stack = s.x.Stacking();
  auto height = [&](Window window) { return std::find(stack.begin(), stack.end(), window) - stack.begin(); };
  EXPECT_GT(height(generator), height(editor)) << "the generator opened under the Java editor";
}

// A tool window the user closed stays closed at the next start.
void ZelvoryClosedToolWindowsStayClosed(Session& s) {
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  Window editor = ShowJavaEditor(s, zelvory);
  s.Activate(zelvory.main);
  s.Key("F5");
  CloseByCloseBox(s, zelvory, s.WaitForWindow(zelvory, "Browser"));
  CloseByCloseBox(s, zelvory, editor);
  s.Quit(zelvory);

  Program& again = s.Start("zelvory");
  EXPECT_FALSE(s.HasWindow(again, "Java Editor")) << "the Java editor the user closed came back";
  EXPECT_FALSE(s.HasWindow(again, "Browser")) << "the browser the user closed came back";
}

// ---- Morvane ------------------------------------------------------------------------------------

// F1 in the object inspector opens the help file.
void MorvaneInspectorHelpKey(Session& s) {
  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  s.Activate(s.WaitForWindow(morvane, "Object Inspector"));
  s.Key("F1");
  s.WaitForLog("F1 in the object inspector to open help/Morvane.html", "xdg-open", "help/Morvane.html");
}

// Ctrl+F2 during a run of a console program ends the run, closing its terminal.
void MorvaneResetDuringRun(Session& s) {
  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+R", "r"});
  s.WaitForLog("Run > Run to start Hello in a terminal", "java", "Hello");
  s.Key("Ctrl+F2");
  s.WaitForLog("Ctrl+F2 to end the run and close its terminal", "terminal", "closed");
}

// F12 shows the editor window the user closed.
void MorvaneEditorWindowKey(Session& s) {
  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  CloseByCloseBox(s, morvane, s.WaitForWindow(morvane, s.Work("Hello.java")));
  s.Activate(morvane.main);
  s.Key("F12");
  s.WaitFor("F12 to show the editor window again", [&] { return s.HasWindow(morvane, s.Work("Hello.java")); });
}

// Return in Go to Line moves the caret as OK does (to the end of the line asked for); Escape closes
// it and leaves the caret.
void MorvaneGotoLineKeys(Session& s) {
  Window editor = 0;
  Program& morvane = StartMorvaneInEditor(s, editor);
  auto goToLine = [&](const char* line, const char* key) {
    s.Key("Ctrl+L");
    WaitForDialog(s, morvane, "Go to Line Number");
    s.Type(line);
    s.Key(key);
    s.WaitForNoWindow(morvane, "Go to Line Number");
  };
  goToLine("3", "Return");
  s.Type("X");
  goToLine("1", "Escape");
  s.Type("Y");
  s.Key("Ctrl+S");
  s.WaitForFile("Hello.java saved with X and Y typed at the end of line 3", s.Work("Hello.java"),
                [](const std::string& text) { return LineOf(text, 2) == "  }XY"; });
}

// Return in Environment Options applies the options as OK does; Escape closes it applying nothing.
void MorvaneEnvironmentOptionsKeys(Session& s) {
  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  auto setTabSize = [&](const char* size, const char* key) {
    OpenEnvironmentOptions(s, morvane);
    s.Key("Alt+T");  // to the tab size box, its text selected
    s.Type(size);
    s.Key(key);
    s.WaitForNoWindow(morvane, "Environment Options");
  };
  setTabSize("4", "Return");
  setTabSize("6", "Escape");
  s.Quit(morvane);
  EXPECT_EQ(SettingOf(s.ReadFile(s.SettingsFile("morvane")), "Tab Size"), "4")
      << "the tab size saved is not the one Return accepted";
}

// Types an argument line into the application's argument dialog, closes it with the key and runs
// Hello; returns the command line java was given.
std::string RunWithArgumentsClosedBy(Session& s, const char* key) {
  WriteMorvaneSettings(s, "[Etc.]\nConsole Closing=1\n");
  Program& morvane = s.Start("morvane");
  OpenApplicationArguments(s, morvane);
  s.Type("one two");
  s.Key(key);
  s.WaitForNoWindow(morvane, kApplicationArguments);
  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+R", "r"});
  s.WaitForLog("Run > Run to start java", "java", "Hello");
  return s.ToolLog("java");
}

void MorvaneArgumentsReturn(Session& s) {
  EXPECT_EQ(RunWithArgumentsClosedBy(s, "Return"), "Hello one two\n") << "Return did not keep the arguments typed";
}

// Cancel empties the argument line.
void MorvaneArgumentsEscape(Session& s) {
  EXPECT_EQ(RunWithArgumentsClosedBy(s, "Escape"), "Hello\n") << "Escape kept the arguments typed";
}

// The dialogs the workbench centres open in the middle of the screen, and "Replace ?" at half the
// screen's width, 150 pixels down.
void MorvaneDialogPlaces(Session& s) {
  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  Window options = OpenEnvironmentOptions(s, morvane);
  ExpectCentred(s, options);
  CloseByCloseBox(s, morvane, options);
  Window arguments = OpenApplicationArguments(s, morvane);
  ExpectCentred(s, arguments);
  CloseByCloseBox(s, morvane, arguments);

  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+S", "r"});
  WaitForDialog(s, morvane, "Replace");
  s.Type("public");
  s.Key("Alt+A");  // Replace All, which asks at the first match
  Window question = s.WaitForWindow(morvane, "Confirmation");
  Rect frame = s.x.Frame(question), client = s.x.ClientArea(question);
  EXPECT_TRUE(std::abs(frame.x - s.x.Screen().width / 2) <= kPlaceTolerance && std::abs(frame.y - 150) <= kPlaceTolerance)
      << "\"Replace ?\" has its frame at (" << frame.x << ", " << frame.y << ") and its client area at ("
      << client.x << ", " << client.y << "); its frame belongs at (" << s.x.Screen().width / 2 << ", 150)";
  CloseByCloseBox(s, morvane, question);
}

// The object inspector opens where the settings file places it, and at the same place, to the
// pixel, session after session.
void MorvaneInspectorPlaceKept(Session& s) {
  WriteMorvaneSettings(s);
  Rect first;
  for (int session = 1; session <= 3; ++session) {
    Program& morvane = s.Start("morvane");
    Rect place = s.x.Frame(s.WaitForWindow(morvane, "Object Inspector"));
    if (session == 1) {
      first = place;
      EXPECT_TRUE(std::abs(place.x - kInspectorPlace.x) <= kPlaceTolerance &&
                  std::abs(place.y - kInspectorPlace.y) <= kPlaceTolerance)
          << "the inspector's frame is at (" << place.x << ", " << place.y << "), not at (" << kInspectorPlace.x
          << ", " << kInspectorPlace.y << ") where the settings place it";
    }
    EXPECT_TRUE(place.x == first.x && place.y == first.y)
        << "session " << session << " shows the inspector's frame at (" << place.x << ", " << place.y
        << "), the first session at (" << first.x << ", " << first.y << ")";
    s.Quit(morvane);
  }
}

// Ctrl+V in the editor with nothing on the clipboard pastes nothing, and the workbench goes on.
void MorvanePasteWithEmptyClipboard(Session& s) {
  Window editor = 0;
  Program& morvane = StartMorvaneInEditor(s, editor);
  s.x.ClearClipboard();
  s.Key("Ctrl+V");
  s.Settle(morvane, "Ctrl+V with an empty clipboard");
  s.Type("Z");
  s.Key("Ctrl+S");
  s.WaitForFile("Hello.java saved with the Z typed after Ctrl+V", s.Work("Hello.java"),
                [](const std::string& text) { return text == std::string(kHelloJava) + "Z"; });
}

// A Button dropped on a new application form and resized by its bottom-right handle: the saved
// source's reshape line and the design file hold the size the drag asked for, the Button's own
// size plus the drag, for the surface snaps to no grid; its place stays.
void MorvaneResizeButtonByHandle(Session& s) {
  constexpr int kNewWidth = 75, kNewHeight = 25;  // a Button as the palette drops it
  constexpr int kCaption = 19, kBorder = 4;       // the window metrics of the Java geometry
  const std::string formName = "noname01";  // the session's first form, the name of its design file
  const Point place{40, 80}, drag{45, 35};
  const std::string width = std::to_string(kNewWidth + drag.x), height = std::to_string(kNewHeight + drag.y);

  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  s.Activate(morvane.main);
  s.OpenMenu(morvane, {"Alt+F", "n"});  // New, on New File
  s.Key("Down");
  s.OpenMenu(morvane, {"Right"});  // New Form, on for Applet
  s.Key("Down");
  s.Choose(morvane, "Return");  // for Application
  Window form = s.WaitForWindow(morvane, formName);

  Rect strip = s.x.ClientArea(morvane.main);
  s.x.Click({strip.x + kButtonTool.x, strip.y + kButtonTool.y});
  // The window manager holds the pointer while it raises the window pressed on, so a second click
  // sent at once could overtake this one's release.
  s.Settle(morvane, "the click on the Button tool");
  Rect surface = s.x.ClientArea(form);
  Point drop{surface.x + place.x, surface.y + place.y};
  s.x.Click(drop);
  s.Settle(morvane, "the drop of a Button");
  // The bottom-right handle is a 5 x 5 square whose top-left corner lies 3 pixels inside the
  // Button's bottom-right corner: its middle is the Button's last pixel.
  Point handle{drop.x + kNewWidth - 1, drop.y + kNewHeight - 1};
  s.x.Drag(handle, {handle.x + drag.x, handle.y + drag.y});
  s.Settle(morvane, "the drag of the handle");

  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+F", "a"});
  ChooseFile(s, morvane, "Save As", s.Work("Resized.java"));
  s.WaitForFile("Resized.java to be saved with the Button", s.Work("Resized.java"),
                [](const std::string& text) { return text.find("Button1.reshape(") != std::string::npos; });
  const std::string reshape = "Button1.reshape(" + std::to_string(place.x + kBorder) + "," +
                              std::to_string(place.y + kCaption + kBorder) + "+MenuBarHeight," + width + "," +
                              height + ");";
  std::string source = s.ReadFile(s.Work("Resized.java"));
  EXPECT_NE(source.find(reshape), std::string::npos) << "the saved source has no line " << reshape << ":\n" << source;
  std::string button = DesignBlock(s.ReadFile(s.Work(formName + ".jfm")), "Button1 : TButton");
  for (const std::string& line : {"  Height = " + height, "  Left = " + std::to_string(place.x),
                                  "  Top = " + std::to_string(place.y), "  Width = " + width})
    EXPECT_NE(button.find("\r\n" + line + "\r\n"), std::string::npos)
        << "the design file's Button block has no line \"" << line << "\":\n" << button;
}

// ---- Places of a first start --------------------------------------------------------------------

void ExpectWhollyOnScreen(Session& s, Window window) {
  Rect frame = s.x.Frame(window), screen = s.x.Screen();
  EXPECT_TRUE(frame.x >= screen.x && frame.y >= screen.y && frame.x + frame.width <= screen.x + screen.width &&
              frame.y + frame.height <= screen.y + screen.height)
      << "\"" << s.x.Title(window) << "\" has its frame at (" << frame.x << ", " << frame.y << ") to ("
      << frame.x + frame.width << ", " << frame.y + frame.height << ") on a screen of " << screen.width << " x "
      << screen.height;
}

// Without a settings file the modeller's main window and every tool window, each as it first opens,
// lie wholly on the screen.
void ZelvoryFirstStartOnScreen(Session& s) {
  Program& zelvory = s.Start("zelvory");
  ExpectWhollyOnScreen(s, zelvory.main);
  s.Activate(zelvory.main);
  s.Key("F5");
  ExpectWhollyOnScreen(s, s.WaitForWindow(zelvory, "Browser"));
  s.Activate(zelvory.main);
  ExpectWhollyOnScreen(s, ShowJavaEditor(s, zelvory));
  s.Activate(zelvory.main);
  s.OpenMenu(zelvory, {"Alt+T"});
  s.Key("Up");  // Translators..., the last entry
  s.Choose(zelvory, "Return");
  Window translators = s.WaitForWindow(zelvory, "Translators");
  ExpectWhollyOnScreen(s, translators);
  s.x.Click({s.x.ClientArea(translators).x + 10, s.x.ClientArea(translators).Centre().y});  // Java
  WaitForDialog(s, zelvory, "Generate Log");
  s.Key("Return");
  ExpectWhollyOnScreen(s, s.WaitForWindow(zelvory, "Code Viewer"));
  s.Quit(zelvory);
  // The places written are the frames by the programs' own metrics, where the windows open next.
  std::string settings = s.ReadFile(s.SettingsFile("zelvory"));
  Rect screen = s.x.Screen();
  for (const char* section : {"[Editor]", "[Browser]", "[CodeViewer]"}) {
    std::string place = settings.substr(settings.find(section));
    int left = std::stoi(SettingOf(place, "Left")), top = std::stoi(SettingOf(place, "Top"));
    int right = left + std::stoi(SettingOf(place, "Width")), bottom = top + std::stoi(SettingOf(place, "Height"));
    EXPECT_TRUE(left >= 0 && top >= 0 && right <= screen.width && bottom <= screen.height)
        << section << " is written at (" << left << ", " << top << ") to (" << right << ", " << bottom << ")";
  }
}

// Without a settings file every window the workbench opens at start lies wholly on the screen.
void MorvaneFirstStartOnScreen(Session& s) {
  Program& morvane = s.Start("morvane");
  s.WaitForWindow(morvane, "Object Inspector");
  int windows = 0;
  for (Window window : s.x.Stacking())
    if (s.x.Pid(window) == morvane.pid) {
      ExpectWhollyOnScreen(s, window);
      ++windows;
    }
  EXPECT_EQ(windows, 3) << "the main window, the inspector and the editor";
}

// Go to Line, which has no place of its own, opens over the editor it was opened from.
void MorvaneGotoLineOverEditor(Session& s) {
  Window editor = 0;
  Program& morvane = StartMorvaneInEditor(s, editor);
  s.Key("Ctrl+L");
  Window dialog = WaitForDialog(s, morvane, "Go to Line Number");
  Rect over = s.x.Frame(editor);
  EXPECT_TRUE(over.Contains(s.x.Frame(dialog).Centre()))
      << "Go to Line opened at (" << s.x.Frame(dialog).x << ", " << s.x.Frame(dialog).y << "), off the editor at ("
      << over.x << ", " << over.y << ") to (" << over.x + over.width << ", " << over.y + over.height << ")";
}

// Alt+S and Alt+F, used by no menu of the editor window, type nothing into its page; Go to Line
// opened a second time takes the number typed over the one it kept from the first.
void MorvaneAltKeysAndGotoLineAgain(Session& s) {
  Window editor = 0;
  Program& morvane = StartMorvaneInEditor(s, editor);
  s.Key("Alt+S");
  s.Key("Alt+F");
  s.Settle(morvane, "Alt+S and Alt+F in the page");
  for (const char* line : {"3", "2"}) {
    s.Key("Ctrl+L");
    WaitForDialog(s, morvane, "Go to Line Number");
    s.Type(line);
    s.Key("Return");
    s.WaitForNoWindow(morvane, "Go to Line Number");
  }
  s.Type("X");
  s.Key("Ctrl+S");
  std::string expected = kHelloJava;
  expected.insert(expected.find("{\n  }") + 1, "X");
  s.WaitForFile("Hello.java saved with only an X typed at the end of line 2", s.Work("Hello.java"),
                [&](const std::string& text) { return text == expected; });
}

// A model reaching far beyond the drawing area of the settings opens in an area that holds it: the
// wheel scrolls the view to the far corner, where the model's last class is drawn, its top border
// a black line as long as the class is wide.
void ZelvoryLargeModelWithinReach(Session& s) {
  s.WriteFile(s.Work("large.zel"), OneClassModel("Far", {2902, 3402}));
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  s.Activate(zelvory.main);
  s.ChooseFromMenu(zelvory, {"Alt+F", "o"});
  ChooseFile(s, zelvory, "Open", s.Work("large.zel"));
  Rect client = s.x.ClientArea(zelvory.main);
  s.x.Wheel(client.Centre(), 100);
  s.x.Wheel(client.Centre(), 100, true);
  s.Settle(zelvory, "the wheel turned to the far corner");
  // The lower right quarter of the window, above its status bar.
  Rect corner{client.Centre().x, client.Centre().y, client.width / 2, client.height / 2 - 30};
  auto longestBlackLine = [&] {
    std::vector<unsigned long> pixels = s.x.Grab(corner);
    int longest = 0;
    for (int y = 0; y < corner.height; ++y)
      for (int x = 0, run = 0; x < corner.width && !pixels.empty(); ++x) {
        run = pixels[static_cast<size_t>(y * corner.width + x)] == 0 ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    return longest;
  };
  s.WaitFor("the far class to show in the lower right of the scrolled diagram", [&] { return longestBlackLine() >= 110; });
}

// ---- Keys land where the user is working ---------------------------------------------------------

// Waits until the window has the focus again, after what was closed.
void ExpectFocusBack(Session& s, Window window, const std::string& after) {
  s.WaitFor("\"" + s.x.Title(window) + "\" to have the focus back after " + after, [&] { return s.x.Active() == window; });
}

bool StacksAbove(Session& s, Window upper, Window lower) {
  std::vector<Window> stack = s.x.Stacking();
  auto height = [&](Window window) { return std::find(stack.begin(), stack.end(), window) - stack.begin(); };
  return height(upper) > height(lower);
}

// With a class selected in the diagram and a page of the Java editor focused, each dialog and message
// box of the editor, opened and closed by keys, gives the keyboard back to the page: Delete then acts
// in the page, and the class stays in the diagram.
void ZelvoryEditorDialogsGiveTheFocusBack(Session& s) {
  s.WriteFile(s.Work("Hello.java"), kHelloJava);
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  s.x.Click(DrawClass(s, zelvory));  // selects the class
  Window editor = ShowJavaEditor(s, zelvory);
  OpenInJavaEditor(s, zelvory, editor, s.Work("Hello.java"));
  s.Key("Left");
  struct Dialog {
    std::vector<const char*> open;
    const char* title;
    std::vector<const char*> close;
  };
  const Dialog dialogs[] = {
      {{"Ctrl+O"}, "Open", {"Escape"}},
      {{"Alt+F", "a"}, "Save As", {"Escape"}},
      {{"Ctrl+F"}, "Find", {"Escape"}},
      {{"Ctrl+R"}, "Replace", {"Escape"}},
      {{"Alt+H", "a"}, "About Java Editor", {"Escape"}},
      {{"F8"}, "Compile", {"Escape"}},
  };
  for (const Dialog& dialog : dialogs) {
    if (dialog.open.size() == 2) s.ChooseFromMenu(zelvory, {dialog.open[0], dialog.open[1]});
    else s.Key(dialog.open[0]);
    WaitForDialog(s, zelvory, dialog.title);
    if (std::string(dialog.title) == "Compile") s.WaitForLog("F8 to compile Hello.java", "javac", "Hello.java");
    s.Settle(zelvory, "the opening of \"" + std::string(dialog.title) + "\"");
    s.Key(dialog.close[0]);
    s.WaitForNoWindow(zelvory, dialog.title);
    ExpectFocusBack(s, editor, "\"" + std::string(dialog.title) + "\" closed by " + dialog.close[0]);
  }

  s.Key("Delete");  // the page's last line break
  s.Key("Ctrl+S");
  const std::string withoutLastBreak = std::string(kHelloJava).substr(0, std::string(kHelloJava).size() - 1);
  s.WaitForFile("Delete and Ctrl+S to act in the page", s.Work("Hello.java"),
                [&](const std::string& text) { return text == withoutLastBreak; });
  SaveModelAs(s, zelvory, s.Work("kept.zel"));
  EXPECT_EQ(ClassesIn(s.ReadFile(s.Work("kept.zel"))), 1) << "a key typed after a dialog deleted the class";
}

// Tool windows left open at the last exit come back above the main window, and stay above it after
// a click on the diagram; the Compile window stays above the Java editor after a click into its page.
void ZelvoryToolWindowsStayOnTop(Session& s) {
  s.WriteFile(s.Work("Hello.java"), kHelloJava);
  WriteZelvorySettings(s, true);
  s.WriteFile(s.SettingsFile("zelvory"), s.ReadFile(s.SettingsFile("zelvory")) +
                                             "Visible=1\n[Browser]\nLeft=60\nTop=100\nWidth=300\nHeight=300\nVisible=1\n");
  Program& zelvory = s.Start("zelvory");
  Window editor = s.WaitForWindow(zelvory, "Java Editor");
  Window browser = s.WaitForWindow(zelvory, "Browser");
  for (const char* when : {"after the restart", "after a click on the diagram"}) {
    EXPECT_TRUE(StacksAbove(s, editor, zelvory.main)) << "the Java editor lies behind the main window " << when;
    EXPECT_TRUE(StacksAbove(s, browser, zelvory.main)) << "the browser lies behind the main window " << when;
    Rect diagram = s.x.ClientArea(zelvory.main);
    s.x.Click({diagram.x + diagram.width - 20, diagram.y + diagram.height - 30});
    s.Settle(zelvory, "a click on the diagram");
  }
  OpenInJavaEditor(s, zelvory, editor, s.Work("Hello.java"));
  s.Key("F8");
  Window compile = WaitForDialog(s, zelvory, "Compile");
  s.WaitForLog("F8 to compile Hello.java", "javac", "Hello.java");
  ClickIntoText(s, zelvory, editor);
  EXPECT_TRUE(StacksAbove(s, compile, editor)) << "the Compile window fell behind the Java editor";
}

// Ctrl+N in a Java editor with no page opens one that takes the typing.
void ZelvoryNewPageTakesTyping(Session& s) {
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  ShowJavaEditor(s, zelvory);
  s.Key("Ctrl+N");
  s.Settle(zelvory, "Ctrl+N");
  s.Type("class Typed {}");
  s.Key("Ctrl+S");
  ChooseFile(s, zelvory, "Save As", s.Work("Typed.java"));
  s.WaitForFile("the text typed after Ctrl+N to be saved", s.Work("Typed.java"),
                [](const std::string& text) { return text.find("class Typed {}") != std::string::npos; });
}

// New File (by menu and by its speed button) and File > Open from the main strip leave the keys with
// the page they show; a second open starts in the folder the first one ended in.
void MorvaneNewAndOpenFocusThePage(Session& s) {
  WriteMorvaneSettings(s);
  std::filesystem::create_directories(s.Work("sub"));
  s.WriteFile(s.Work("sub/One.java"), "class One {}\n");
  s.WriteFile(s.Work("sub/Two.java"), "class Two {}\n");
  Program& morvane = s.Start("morvane");
  s.Activate(morvane.main);
  s.OpenMenu(morvane, {"Alt+F", "n"});  // New, on New File
  s.OpenMenu(morvane, {"Right"});       // New File, on Java File
  s.Choose(morvane, "Return");
  Window page = s.WaitForWindow(morvane, "noname01.java");
  ExpectFocusBack(s, page, "File > New > New File");
  s.Type("class Typed {}");
  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+F", "o"});
  ChooseFile(s, morvane, "Open", s.Work("sub/One.java"));
  Window one = s.WaitForWindow(morvane, s.Work("sub/One.java"));
  ExpectFocusBack(s, one, "File > Open");
  s.Type("// typed\n");
  s.Key("Ctrl+S");
  s.WaitForFile("the text typed after File > Open to be saved", s.Work("sub/One.java"),
                [](const std::string& text) { return text == "// typed\nclass One {}\n"; });
  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+F", "o"});
  ChooseFile(s, morvane, "Open", "Two.java");  // no folder: the one the last open ended in
  s.WaitForWindow(morvane, s.Work("sub/Two.java"));
}

// A new form's frame opens clear of the object inspector.
void MorvaneNewFormClearOfInspector(Session& s) {
  WriteMorvaneSettings(s);
  Program& morvane = s.Start("morvane");
  s.Activate(morvane.main);
  s.OpenMenu(morvane, {"Alt+F", "n"});
  s.Key("Down");
  s.OpenMenu(morvane, {"Right"});
  s.Choose(morvane, "Return");  // for Applet
  Rect frame = s.x.Frame(s.WaitForWindow(morvane, "noname01"));
  Rect inspector = s.x.Frame(s.WaitForWindow(morvane, "Object Inspector"));
  EXPECT_GE(frame.x, inspector.x + inspector.width)
      << "the new frame spans x " << frame.x << " to " << frame.x + frame.width << ", over the inspector's "
      << inspector.x << " to " << inspector.x + inspector.width;
}

// The Replace dialog's fields taken by Tab: find text, Tab, replacement, Replace All.
void FillReplaceByTab(Session& s) {
  s.Type("public");
  s.Key("Tab");
  s.Type("open");
  s.Key("Alt+A");
}

void ExpectReplacedAndSaved(Session& s) {
  s.Key("Ctrl+S");
  s.WaitForFile("Replace All to write the replacement", s.Work("Hello.java"), [](const std::string& text) {
    return text.find("open class Hello") != std::string::npos && text.find("open static") != std::string::npos;
  });
}

// Find, Tab, replacement, Replace All in the workbench: each "Replace ?" answered Yes, the matches
// hold the replacement and the page has the keys again.
void MorvaneReplaceByTab(Session& s) {
  Window editor = 0;
  Program& morvane = StartMorvaneInEditor(s, editor);
  s.Key("Ctrl+Home");
  s.Activate(morvane.main);
  s.ChooseFromMenu(morvane, {"Alt+S", "r"});
  WaitForDialog(s, morvane, "Replace");
  FillReplaceByTab(s);
  for (int match = 0; match < 2; ++match) {
    WaitForDialog(s, morvane, "Confirmation");
    s.Key("Return");  // Yes
    s.Settle(morvane, "Yes to \"Replace ?\"");
  }
  Window last = WaitForDialog(s, morvane, "Information");  // no further match
  s.Key("Return");
  s.WaitForNoWindow(morvane, s.x.Title(last));
  ExpectFocusBack(s, editor, "\"Replace ?\"");
  ExpectReplacedAndSaved(s);
}

// The same in the modeller's Java editor, whose Replace All asks nothing: the dialog closed by
// Escape gives the page the keys again.
void ZelvoryReplaceByTab(Session& s) {
  s.WriteFile(s.Work("Hello.java"), kHelloJava);
  WriteZelvorySettings(s);
  Program& zelvory = s.Start("zelvory");
  Window editor = ShowJavaEditor(s, zelvory);
  OpenInJavaEditor(s, zelvory, editor, s.Work("Hello.java"));
  s.Key("Ctrl+Home");
  s.Key("Ctrl+R");
  WaitForDialog(s, zelvory, "Replace");
  FillReplaceByTab(s);
  // A button pressed by its access key clicks once its press has been shown, a tenth of a second on.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  s.Settle(zelvory, "Replace All");
  s.Key("Escape");
  s.WaitForNoWindow(zelvory, "Replace");
  ExpectFocusBack(s, editor, "\"Replace\" closed by Escape");
  ExpectReplacedAndSaved(s);
}

// ---- The table ------------------------------------------------------------------------------------

struct DesktopCase {
  const char* name;
  void (*run)(Session&);
};

const DesktopCase kCases[] = {
    {"ZelvoryKeysInBothWindows", ZelvoryKeysInBothWindows},
    {"ZelvoryPasteWithEmptyClipboard", ZelvoryPasteWithEmptyClipboard},
    {"ZelvoryInspectorKeys", ZelvoryInspectorKeys},
    {"ZelvoryGeneratorKeys", ZelvoryGeneratorKeys},
    {"ZelvoryCentredDialogs", ZelvoryCentredDialogs},
    {"ZelvoryModalDialogAboveJavaEditor", ZelvoryModalDialogAboveJavaEditor},
    {"ZelvoryClosedToolWindowsStayClosed", ZelvoryClosedToolWindowsStayClosed},
    {"MorvaneInspectorHelpKey", MorvaneInspectorHelpKey},
    {"MorvaneResetDuringRun", MorvaneResetDuringRun},
    {"MorvaneEditorWindowKey", MorvaneEditorWindowKey},
    {"MorvaneGotoLineKeys", MorvaneGotoLineKeys},
    {"MorvaneEnvironmentOptionsKeys", MorvaneEnvironmentOptionsKeys},
    {"MorvaneArgumentsReturn", MorvaneArgumentsReturn},
    {"MorvaneArgumentsEscape", MorvaneArgumentsEscape},
    {"MorvaneDialogPlaces", MorvaneDialogPlaces},
    {"MorvaneInspectorPlaceKept", MorvaneInspectorPlaceKept},
    {"MorvanePasteWithEmptyClipboard", MorvanePasteWithEmptyClipboard},
    {"MorvaneResizeButtonByHandle", MorvaneResizeButtonByHandle},
    {"ZelvoryFirstStartOnScreen", ZelvoryFirstStartOnScreen},
    {"MorvaneFirstStartOnScreen", MorvaneFirstStartOnScreen},
    {"MorvaneGotoLineOverEditor", MorvaneGotoLineOverEditor},
    {"MorvaneAltKeysAndGotoLineAgain", MorvaneAltKeysAndGotoLineAgain},
    {"ZelvoryLargeModelWithinReach", ZelvoryLargeModelWithinReach},
    {"ZelvoryEditorDialogsGiveTheFocusBack", ZelvoryEditorDialogsGiveTheFocusBack},
    {"ZelvoryToolWindowsStayOnTop", ZelvoryToolWindowsStayOnTop},
    {"ZelvoryNewPageTakesTyping", ZelvoryNewPageTakesTyping},
    {"MorvaneNewAndOpenFocusThePage", MorvaneNewAndOpenFocusThePage},
    {"MorvaneNewFormClearOfInspector", MorvaneNewFormClearOfInspector},
    {"MorvaneReplaceByTab", MorvaneReplaceByTab},
    {"ZelvoryReplaceByTab", ZelvoryReplaceByTab},
};

// GoogleTest names a failed row by this.
void PrintTo(const DesktopCase& row, std::ostream* out) { *out << row.name; }

class Desktop : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(Desktop, Case) {
  Session session;
  try {
    GetParam().run(session);
  } catch (const std::exception& failure) {
    ADD_FAILURE() << failure.what();
  }
  std::vector<std::string> warnings = session.QtWarnings();
  for (const std::string& warning : warnings) ADD_FAILURE() << "Qt warning on standard error: " << warning;
  if (HasFailure()) std::printf("Standard error of the programs:\n%s", session.ErrorOutput().c_str());
}

INSTANTIATE_TEST_SUITE_P(Desktop, Desktop, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DesktopCase>& info) { return info.param.name; });

}  // namespace

}  // namespace desktop

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  try {
    desktop::WindowManager windowManager;
    return RUN_ALL_TESTS();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "The desktop stage cannot run: %s\n", failure.what());
    return 1;
  }
}
