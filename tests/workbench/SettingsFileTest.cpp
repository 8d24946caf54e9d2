// The settings file: what a first run writes, what a restart reads back, and how missing,
// malformed and damaged values read.
#include <QScreen>
#include <filesystem>
#include <functional>
#include <map>

#include "WorkbenchFixture.h"
#include "designer/ObjIns.h"
#include "platform/ScreenPlace.h"
#include "platform/SysUtils.h"
#include "workbench/EnvOpt.h"
#include "workbench/SettingsExchange.h"

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

// "[Section]" lines and "Section/Key" entries of a settings file, in file order.
std::vector<std::string> Layout(const std::string& text) {
  std::vector<std::string> layout;
  std::string section;
  for (const std::string& line : platform::SplitLines(text)) {
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.size() - 2);
      layout.push_back(line);
    } else {
      layout.push_back(section + "/" + line.substr(0, line.find('=')));
    }
  }
  return layout;
}

const std::vector<std::string> kFullLayout = {
    "[Desk Top]", "Desk Top/MainFormLeft", "Desk Top/MainFormTop", "Desk Top/MainFormWidth",
    "Desk Top/ObjInsFormLeft", "Desk Top/ObjInsFormTop", "Desk Top/ObjInsFormWidth", "Desk Top/ObjInsFormHeight",
    "Desk Top/EditorFormLeft", "Desk Top/EditorFormTop", "Desk Top/EditorFormWidth", "Desk Top/EditorFormHeight",
    "[Preferences]", "Preferences/File Filter", "Preferences/Working Dir", "Preferences/Save Desktop",
    "Preferences/Grid Size", "Preferences/Tab Size",
    "[Compile]", "Compile/Class Path", "Compile/Compiler Name", "Compile/Compile Option",
    "Compile/Show Compile Progress",
    "[Editor]", "Editor/Font Name", "Editor/Font Size", "Editor/Use Smart Tab",
    "[Color]", "Color/Foreground Color", "Color/Background Color", "Color/Comment Color",
    "[Etc.]", "Etc./Default Applet Height", "Etc./Default Applet Width", "Etc./Console Closing",
    "Etc./User Tool Name", "Etc./User Tool Working Dir", "Etc./User Tool Options", "Etc./User Tool Argument",
    "[Editor Files]", "Editor Files/List",
    "[Reopen Files]", "Reopen Files/List",
    "[Key Map Templet]", "Key Map Templet/Filename",
    "[Component Code Templet]", "Component Code Templet/Filename"};

}  // namespace

class SettingsFileTest : public WorkbenchTest {
 protected:
  std::string IniPath() { return temp_.File("config") + "/morvane/Morvane.ini"; }
  // Closes the workbench, which writes the file, and frees its windows; Start makes new ones.
  void Shutdown() {
    Main().close();
    workbench::DestroyWorkbenchWindows();
  }
  void Start() {
    workbench::CreateWorkbenchWindows();
    Main().Show();
  }
  void WriteIni(const std::string& text) {
    std::filesystem::create_directories(temp_.File("config") + "/morvane");
    WriteFile(IniPath(), text);
  }
  std::string Value(const std::string& key) {
    std::string text = ReadFile(IniPath());
    size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "<missing>";
    size_t start = at + key.size() + 2;
    return text.substr(start, text.find('\n', start) - start);
  }
};

TEST_F(SettingsFileTest, FirstRunTakesTheDefaultLayoutAndWritesAllKeysInTheirOrder) {
  EXPECT_EQ(Main().Left(), 0);
  EXPECT_EQ(Main().Width(), 800);
  int below = Main().Top() + Main().Height() + 10;
  int beside = designer::ObjInsForm->GetInspectorWidth() + 10;
  EXPECT_EQ(Editor().GetFormLeft(), std::max(200, beside)) << "the editor does not cover the inspector";
  EXPECT_EQ(Editor().GetFormTop(), below);
  EXPECT_EQ(Editor().GetFormWidth(), 800 - Editor().GetFormLeft());
  EXPECT_EQ(Editor().GetFormHeight(), 500);
  EXPECT_EQ(designer::ObjInsForm->GetInspectorTop(), below);
  EXPECT_EQ(designer::ObjInsForm->GetInspectorHeight(), 400);
  EXPECT_EQ(Editor().GetClassPath(), ".");
  EXPECT_EQ(Editor().GetCompilerName(), "javac");
  EXPECT_EQ(Editor().GetFontName(), "Courier New");
  EXPECT_EQ(Editor().GetFontSize(), 10);
  EXPECT_EQ(Editor().GetBackgroundColor(), 8388608u);
  EXPECT_EQ(Editor().GetWorkingDir(), std::filesystem::current_path().string());
  Shutdown();
  std::vector<std::string> layout = Layout(ReadFile(IniPath()));
  EXPECT_EQ(layout, kFullLayout);
  EXPECT_EQ(layout.size() - 10, 37u);
  EXPECT_EQ(Value("Save Desktop"), "0");
  EXPECT_EQ(Value("ObjInsFormTop"), std::to_string(below));
  EXPECT_EQ(Value("ObjInsFormHeight"), "400");
  EXPECT_EQ(Value("Class Path"), ".");
  EXPECT_EQ(Value("Use Smart Tab"), "1");
  EXPECT_EQ(Value("Comment Color"), "8421504");
  EXPECT_EQ(Value("File Filter"),
            "Java files (*.java)|*.java|HTML files (*.html)|*.html|Text files (*.txt)|*.txt|Any file (*.*)|*.*");
  Start();
}

TEST_F(SettingsFileTest, ARestartRestoresPlacesReopenListAndOpenFilesInTheirOrder) {
  WriteFile(temp_.File("x.java"), "class x {}\n");
  WriteFile(temp_.File("y.java"), "class y {}\n");
  OpenThroughDialog(temp_.File("x.java"));
  Main().NewJavafileClick();
  OpenThroughDialog(temp_.File("y.java"));
  Main().AddReopenItem(0, "/old/Older.java");
  Main().AddReopenItem(0, "/old/Old.java");
  Main().SetLeft(33);
  Main().SetTop(44);
  Main().SetWidth(700);
  Editor().SetFormLeft(250);
  Editor().SetFormTop(260);
  Editor().SetFormWidth(610);
  Editor().SetFormHeight(420);
  Editor().SetTabSize(4);
  designer::ObjInsForm->SetBounds(12, 230, 300, 380);
  Shutdown();
  EXPECT_EQ(Value("ObjInsFormWidth"), "300");
  EXPECT_EQ(Value("List"), temp_.File("y.java") + "|" + temp_.File("x.java") + "|");
  Start();
  ASSERT_EQ(Editor().GetPageCount(), 2);
  EXPECT_EQ(Editor().GetPageFileName(0), temp_.File("x.java"));
  EXPECT_EQ(Editor().GetPageFileName(1), temp_.File("y.java"));
  EXPECT_EQ(Main().Left(), 33);
  EXPECT_EQ(Main().Top(), 44);
  EXPECT_EQ(Main().Width(), 700);
  EXPECT_EQ(Editor().GetFormLeft(), 250);
  EXPECT_EQ(Editor().GetFormTop(), 260);
  EXPECT_EQ(Editor().GetFormWidth(), 610);
  EXPECT_EQ(Editor().GetFormHeight(), 420);
  EXPECT_EQ(Editor().GetTabSize(), 4);
  EXPECT_EQ(designer::ObjInsForm->GetInspectorTop(), 230);
  EXPECT_EQ(designer::ObjInsForm->GetInspectorHeight(), 380);
  EXPECT_EQ(Main().ReopenListToString(), "/old/Old.java|/old/Older.java|");
}

TEST_F(SettingsFileTest, TheInspectorKeepsItsPlaceOverSessionsAndATitleBarOffTheScreenComesBack) {
  designer::TObjInsForm& inspector = *designer::ObjInsForm;
  inspector.SetBounds(300, 200, 300, 380);
  for (int session = 0; session < 3; ++session) {
    Shutdown();
    Start();
  }
  designer::TObjInsForm& reopened = *designer::ObjInsForm;
  EXPECT_EQ(reopened.GetInspectorLeft(), 300);
  EXPECT_EQ(reopened.GetInspectorTop(), 200);
  EXPECT_EQ(reopened.GetInspectorWidth(), 300);
  EXPECT_EQ(reopened.GetInspectorHeight(), 380);
  EXPECT_EQ(reopened.geometry(), QRect(304, 223, 292, 353)) << "a place is the outer frame of the fixed metrics";

  Shutdown();
  std::string text = ReadFile(IniPath());
  text.replace(text.find("ObjInsFormLeft=300"), 18, "ObjInsFormLeft=-900");
  text.replace(text.find("ObjInsFormTop=200"), 17, "ObjInsFormTop=-20");
  WriteFile(IniPath(), text);
  Modal().Queue(platform::mrOk);  // the message telling of the place
  Start();
  QRect screen = Main().screen()->availableGeometry();
  EXPECT_EQ(designer::ObjInsForm->GetInspectorTop(), screen.y());
  EXPECT_EQ(designer::ObjInsForm->GetInspectorLeft(), screen.x() + platform::kTitleBarGrip - 300);
}

// Sizes no window can use come back between the window's least size and the screen's, and a window
// cut down to the screen lies wholly on it, its menu in reach.
TEST_F(SettingsFileTest, AbsurdSizesLeaveEveryWindowUsableOnTheScreen) {
  Shutdown();
  WriteIni("[Desk Top]\nMainFormLeft=-1994\nMainFormTop=0\nMainFormWidth=32767\nObjInsFormLeft=0\n"
           "ObjInsFormTop=120\nObjInsFormWidth=-5\nObjInsFormHeight=-400\nEditorFormLeft=200\nEditorFormTop=120\n"
           "EditorFormWidth=2147483647\nEditorFormHeight=3\n[Preferences]\nSave Desktop=0\n");
  Modal().Queue(platform::mrOk);  // the message telling of the sizes
  Start();
  const QRect screen = Main().screen()->availableGeometry();
  for (platform::TForm* form : std::initializer_list<platform::TForm*>{&Main(), designer::ObjInsForm, &Editor()}) {
    const std::string name = form->objectName().toStdString();
    EXPECT_GE(form->width(), 120) << name;
    EXPECT_GE(form->height(), std::min(60, form->maximumHeight())) << name;
    EXPECT_LE(form->Width(), screen.width()) << name;
  }
  EXPECT_EQ(Main().Left(), screen.x()) << "the main strip's menu is on the screen";
  designer::ObjInsForm->Show();
  EXPECT_TRUE(designer::ObjInsForm->isVisible());
  Shutdown();
  EXPECT_GE(std::stoi(Value("ObjInsFormHeight")), 60);
  Start();
}

// A stored place no window can take is used as the nearest usable one, and the user is told of
// every such value in one message naming file, line and value; usable places tell nothing. The
// file keeps its text until the workbench writes the places used when it closes.
TEST_F(SettingsFileTest, PlacesNoWindowCanTakeAreToldInOneMessage) {
  struct Row {
    std::string key;
    std::string value;
    std::function<int()> used;
  };
  const std::vector<Row> rows = {
      {"MainFormLeft", "100000", [this] { return Main().Left(); }},
      {"ObjInsFormHeight", "-400", [] { return designer::ObjInsForm->GetInspectorHeight(); }},
      {"EditorFormWidth", "2147483647", [this] { return Editor().GetFormWidth(); }},
  };
  std::vector<std::string> lines = {"[Desk Top]",        "MainFormLeft=10",     "MainFormTop=0",
                                    "MainFormWidth=700", "ObjInsFormLeft=0",    "ObjInsFormTop=120",
                                    "ObjInsFormWidth=300", "ObjInsFormHeight=400", "EditorFormLeft=200",
                                    "EditorFormTop=120", "EditorFormWidth=500", "EditorFormHeight=400",
                                    "[Preferences]",     "Save Desktop=0"};
  auto fileText = [&] {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
  };
  auto startWith = [&](bool told) {
    Shutdown();
    WriteIni(fileText());
    Modal().Reset();
    if (told) Modal().Queue(platform::mrOk);
    Start();
  };
  auto messages = [this] {
    std::vector<std::string> texts;
    for (const platform::ModalRequest& request : Modal().Log())
      if (request.kind == "MessageBox") texts.push_back(request.text);
    return texts;
  };
  startWith(false);
  EXPECT_TRUE(messages().empty()) << "usable places";

  std::map<std::string, int> lineOf;
  for (const Row& row : rows)
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].starts_with(row.key + "=")) {
        lines[i] = row.key + "=" + row.value;
        lineOf[row.key] = static_cast<int>(i) + 1;
      }
  startWith(true);
  ASSERT_EQ(messages().size(), 1u);
  const std::string message = messages()[0];
  EXPECT_EQ(ReadFile(IniPath()), fileText()) << "reading changes no byte of the file";
  const QRect screen = Main().screen()->availableGeometry();
  for (const Row& row : rows) {
    const int used = row.used();
    EXPECT_NE(message.find(IniPath() + ", line " + std::to_string(lineOf[row.key]) + ": " + row.key + " = " +
                           row.value + " does not fit a window on this screen; " + std::to_string(used) +
                           " is used instead"),
              std::string::npos)
        << row.key << " in " << message;
    if (row.key.ends_with("Left")) EXPECT_LT(used, screen.right()) << row.key << " puts the window on the screen";
    else EXPECT_TRUE(used > 0 && used <= std::max(screen.width(), screen.height())) << row.key;
  }
  EXPECT_NE(message.find("written to the file when the program closes"), std::string::npos);
  Shutdown();
  for (const Row& row : rows) EXPECT_NE(Value(row.key), row.value) << row.key << " is written as used";
  Start();
}

TEST_F(SettingsFileTest, MalformedNumbersReadAsDefaultsAndRawStringsSurvive) {
  Shutdown();
  WriteIni(
      "[Desk Top]\nMainFormLeft=50\n"
      "[Preferences]\nSave Desktop=1\nTab Size=abc\nGrid Size=12\n"
      "[Compile]\nCompiler Name=\"my javac\"\nCompile Option=-g;-nowarn \"q\"\n"
      "[Etc.]\nUser Tool Options=\"a;b\" 'c'\nUser Tool Working Dir=LEDPATH /opt/led;/usr/led\nExtra=kept\n"
      "[Editor]\nFont Size=12pt\n");
  Start();
  EXPECT_EQ(Editor().GetTabSize(), 8);
  EXPECT_EQ(Editor().GetFontSize(), 10);
  EXPECT_EQ(Editor().GetGridSize(), 12);
  EXPECT_EQ(Main().Left(), 0);  // any "Save Desktop" but 0 takes the default layout
  EXPECT_EQ(Editor().GetClassPath(), ".");
  EXPECT_EQ(Editor().GetCompilerName(), "\"my javac\"");
  EXPECT_EQ(Main().ToolRuns.Choices.CompileOptions, "-g;-nowarn \"q\"");
  EXPECT_FALSE(workbench::EnvForm.Made());  // the options window is built when first shown
  EXPECT_TRUE(workbench::EnvForm->coMakeDebuggingTable->isChecked());
  EXPECT_TRUE(workbench::EnvForm->coTurnOffWarning->isChecked());
  EXPECT_FALSE(workbench::EnvForm->coOptimizedCode->isChecked());
  Shutdown();
  EXPECT_EQ(Value("Save Desktop"), "1");
  EXPECT_EQ(Value("Tab Size"), "8");
  EXPECT_EQ(Value("Compiler Name"), "\"my javac\"");
  EXPECT_EQ(Value("Compile Option"), "-g;-nowarn \"q\"");
  EXPECT_EQ(Value("User Tool Options"), "\"a;b\" 'c'");
  EXPECT_EQ(Value("User Tool Working Dir"), "LEDPATH /opt/led;/usr/led");
  EXPECT_EQ(Value("Extra"), "kept");
  Start();
}

// A tab of two thousand million blanks, or an editor font of no size, is no setting to start with.
TEST_F(SettingsFileTest, NumbersTheEditorCannotUseReadAsDefaults) {
  Shutdown();
  WriteIni("[Preferences]\nSave Desktop=0\nTab Size=2147483647\n[Editor]\nFont Size=-4\n");
  Start();
  EXPECT_EQ(Editor().GetTabSize(), 8);
  EXPECT_EQ(Editor().GetFontSize(), 10);
}

TEST_F(SettingsFileTest, ADamagedFileIsAFirstRun) {
  Shutdown();
  const char damaged[] = "\x01\x02[Desk Top\nMainFormLeft=abc\xff\n[Editor Files]\nList=/nowhere/Gone.java|\n";
  WriteIni(std::string(damaged, sizeof damaged - 1));
  Start();
  ASSERT_EQ(Editor().GetPageCount(), 1);
  EXPECT_EQ(Editor().GetPageFileName(0), "noname01.java");
  EXPECT_EQ(Main().Left(), 0);
  EXPECT_EQ(Editor().GetFormTop(), designer::ObjInsForm->GetInspectorTop());
  Shutdown();
  EXPECT_EQ(Layout(ReadFile(IniPath())).size(), kFullLayout.size());
  EXPECT_EQ(Value("Save Desktop"), "0");
  EXPECT_EQ(Value("List"), "");
  Start();
}
