// The class viewer: the report rules read directly, the window reading a report into its tree and
// member list, and the View > Class Viewer command with the real scanner.
#include <QTreeWidgetItemIterator>
#include <filesystem>

#include "WorkbenchFixture.h"
#include "platform/SysUtils.h"
#include "workbench/ClassViewer_f.h"
#include "workbench/ScannerReport.h"

using platform::FileExists;
using testsupport::WriteFile;
using workbench::TScopeTable;

namespace {

workbench::TScopeFilter AllDown() {
  workbench::TScopeFilter filter;
  filter.fill(true);
  return filter;
}

std::vector<std::string> Texts(const std::vector<TScopeTable>& rows) {
  std::vector<std::string> texts;
  for (const TScopeTable& row : rows) texts.push_back(row.DisplayText());
  return texts;
}

}  // namespace

TEST(ScannerReportTest, MemberLinesGiveTheirFlagsAndTextFromThePackagePositionOn) {
  TScopeTable row = workbench::ParseMemberLine("\t  s---u-m---void main(String[] args)  ");
  EXPECT_TRUE(row.IsStatic && row.IsPublic && row.IsMethod);
  EXPECT_FALSE(row.IsFinal || row.IsPrivate || row.IsProtected || row.IsField || row.IsAbstract ||
               row.IsSynchronized || row.IsPackage);
  EXPECT_EQ(row.Text, "-void main(String[] args)");
  EXPECT_EQ(row.DisplayText(), "void main(String[] args)");

  TScopeTable all = workbench::ParseMemberLine("x\tsfvtulmaypint n");
  for (int flag = 0; flag < workbench::sfFlagCount; ++flag) EXPECT_TRUE(all.Has(static_cast<workbench::TScopeFlag>(flag)));
  // Letters in the wrong place are no flags; a short line keeps no text.
  TScopeTable wrong = workbench::ParseMemberLine("\tfs");
  EXPECT_FALSE(wrong.IsStatic || wrong.IsFinal);
  EXPECT_EQ(wrong.Text, "");

  workbench::TScopeFilter filter = AllDown();
  EXPECT_TRUE(workbench::IsListed(row, filter));
  filter[workbench::sfPublic] = false;
  EXPECT_FALSE(workbench::IsListed(row, filter));
  filter.fill(false);
  EXPECT_TRUE(workbench::IsListed(workbench::ParseMemberLine("\t----------x"), filter));
}

TEST(ScannerReportTest, ClassesTablesAndTheEndOfTheReport) {
  const std::vector<std::string> report = {
      "Class = A", "parent = java.awt.Frame", "interface = Runnable", "interface = Cloneable",
      "\t----u-m---void run()", "\tsf--ul----int N", "Interface = I", "\t----u-ma--void f()", "Class = Last"};
  auto classes = workbench::ReadReportClasses(report);
  ASSERT_EQ(classes.size(), 3u);
  EXPECT_EQ(classes[0].Name, "A");
  EXPECT_EQ(classes[0].Parent, "Frame");
  EXPECT_FALSE(classes[0].IsInterface);
  EXPECT_EQ(classes[1].Name, "I");
  EXPECT_EQ(classes[1].Parent, "Object");
  EXPECT_TRUE(classes[1].IsInterface);
  EXPECT_EQ(classes[2].Name, "Last");

  auto table = workbench::ReadClassTable(report, "Class = A", AllDown());
  EXPECT_EQ(table.Interfaces, (std::vector<std::string>{"Runnable", "Cloneable"}));
  EXPECT_EQ(Texts(table.Members), (std::vector<std::string>{"void run()", "int N"}));
  EXPECT_EQ(Texts(workbench::ReadClassTable(report, "Interface = I", AllDown()).Members),
            std::vector<std::string>{"void f()"});
  // The last line is never a match, and a header with only interface lines after it ends cleanly.
  auto last = workbench::ReadClassTable(report, "Class = Last", AllDown());
  EXPECT_TRUE(last.Members.empty() && last.Interfaces.empty());
  auto open = workbench::ReadClassTable({"Class = B", "interface = X", "interface = Y"}, "Class = B", AllDown());
  EXPECT_EQ(open.Interfaces, (std::vector<std::string>{"X", "Y"}));
  EXPECT_TRUE(open.Members.empty());
  EXPECT_TRUE(workbench::ReadReportClasses({"parent = x", "Class = "}).back().Name.empty());
}

class ClassViewerTest : public WorkbenchTest {
 protected:
  workbench::TClassViewer& Viewer() { return *workbench::ClassViewer; }
  int NodeCount() {
    int count = 0;
    for (QTreeWidgetItemIterator it(Viewer().TreeView1); *it != nullptr; ++it) ++count;
    return count;
  }
  std::string Path(QTreeWidgetItem* node) {
    std::string path = node->text(0).toStdString();
    for (node = node->parent(); node != nullptr; node = node->parent()) path = node->text(0).toStdString() + ">" + path;
    return path;
  }
  std::vector<std::string> Listed() { return Texts(Viewer().ScopeList()); }
  std::vector<std::string> GridTexts() {
    std::vector<std::string> texts;
    for (int row = 0; row < Viewer().DrawGrid1->rowCount(); ++row)
      if (auto* cell = Viewer().DrawGrid1->item(row, 6)) texts.push_back(cell->text().toStdString());
    return texts;
  }
  void Select(const std::string& name) { Viewer().TreeView1->setCurrentItem(Viewer().FindNode(name)); }
  // A saved Java page in the editor, so that the viewer reads the report beside it.
  void OpenSaved(const std::string& text) {
    src_ = temp_.File("src/");
    std::filesystem::create_directories(src_);
    WriteFile(src_ + "Demo.java", text);
    OpenThroughDialog(src_ + "Demo.java");
  }
  std::string src_;
};

TEST_F(ClassViewerTest, AReportExtendsTheLibraryTreeAndClosingRestoresIt) {
  EXPECT_EQ(NodeCount(), 193);
  EXPECT_EQ(Path(Viewer().FindNode("Stack")), "Object>Vector>Stack");
  EXPECT_EQ(Path(Viewer().FindNode("RuntimeException")), "Object>Throwable>Exception>IOException>RuntimeException");
  EXPECT_EQ(Viewer().FindNode("Image"), nullptr);
  ASSERT_NE(Viewer().FindNode("image"), nullptr);

  OpenSaved("class Demo {}\n");
  WriteFile(src_ + "Tovik.out",
            "Class = MyFrame\nparent = java.awt.Frame\ninterface = Runnable\n"
            "\ts---u-m---void main(String[] args)\n\t--v--l----int count\n\t-----l---pString name\n"
            "Interface = Runnable2\n\t----u-ma--void go()\n"
            "Class = Base\n\t---t-m----void base()\nClass = Derived\nparent = Base\n"
            "Class = Orphan\nparent = org.Unknown\n");
  Modal().Queue(platform::mrOk);
  Viewer().Show();
  EXPECT_EQ(LastMessage(),
            "This version of Morvane can't recognize the parent class Unknown\rBrowse parent class first.\r"
            "Morvane will add this Orphan class under the \"java.lang.Class\" class. ");
  EXPECT_EQ(NodeCount(), 198);
  EXPECT_EQ(Path(Viewer().FindNode("MyFrame")), "Object>Component>Container>Window>Frame>MyFrame");
  EXPECT_EQ(workbench::TClassViewer::ImageIndex(Viewer().FindNode("MyFrame")), 1);
  EXPECT_EQ(Path(Viewer().FindNode("Runnable2")), "Object>Runnable2");
  EXPECT_EQ(workbench::TClassViewer::ImageIndex(Viewer().FindNode("Runnable2")), 2);
  EXPECT_EQ(Path(Viewer().FindNode("Derived")), "Object>Base>Derived");
  EXPECT_EQ(Path(Viewer().FindNode("Orphan")), "Object>Class>Orphan");
  EXPECT_TRUE(Viewer().FindNode("Frame")->isExpanded());
  EXPECT_NE(Viewer().Memo1->toPlainText().indexOf("Class = MyFrame"), -1);

  // A filter click before any selection lists nothing.
  Viewer().SpeedButton1->click();
  EXPECT_TRUE(Listed().empty());
  Viewer().SpeedButton1->click();

  Select("MyFrame");
  EXPECT_EQ(Viewer().StatusBar1->PanelText(0), "Class MyFrame");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"void main(String[] args)", "int count", "String name"}));
  EXPECT_EQ(GridTexts(), Listed());
  ASSERT_EQ(Viewer().ListBox1->count(), 1);
  EXPECT_EQ(Viewer().ListBox1->Items(0), "Runnable");
  // The static public method goes with any of its three buttons up and comes back with them down.
  for (auto* button : {Viewer().SpeedButton1, Viewer().SpeedButton5, Viewer().SpeedButton7}) {
    button->click();
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(Listed(), (std::vector<std::string>{"int count", "String name"}));
    button->click();
    EXPECT_EQ(Listed().size(), 3u);
  }
  Viewer().SpeedButton3->click();  // Private up
  EXPECT_EQ(Listed(), (std::vector<std::string>{"void main(String[] args)", "String name"}));
  EXPECT_EQ(GridTexts(), Listed());
  Viewer().SpeedButton3->click();

  Select("Runnable2");
  EXPECT_EQ(Viewer().StatusBar1->PanelText(0), "Interface Runnable2");
  EXPECT_EQ(Listed(), std::vector<std::string>{"void go()"});
  EXPECT_EQ(Viewer().ListBox1->count(), 0);

  Select("Button");
  EXPECT_EQ(Viewer().StatusBar1->PanelText(0), "Class Button");
  EXPECT_TRUE(Listed().empty());
  EXPECT_TRUE(GridTexts().empty());
  EXPECT_EQ(Viewer().ListBox1->count(), 0);

  Viewer().close();
  EXPECT_EQ(NodeCount(), 193);
  EXPECT_EQ(Viewer().FindNode("Derived"), nullptr);
  EXPECT_FALSE(FileExists(src_ + "Tovik.out"));

  // The next showing reads the report anew.
  WriteFile(src_ + "Tovik.out", "Class = Again\nparent = java.applet.Applet\n");
  Viewer().Show();
  EXPECT_EQ(Path(Viewer().FindNode("Again")), "Object>Component>Container>Panel>Applet>Again");
  Viewer().close();
  EXPECT_EQ(NodeCount(), 193);
}

TEST_F(ClassViewerTest, AReportThatCannotBeReadOrDeletedIsReportedAndTheViewerStillCloses) {
  OpenSaved("class Demo {}\n");
  WriteFile(src_ + "Tovik.out", "Class = Demo\n");
  Viewer().Show();
  ASSERT_NE(Viewer().FindNode("Demo"), nullptr);
  std::filesystem::remove(src_ + "Tovik.out");
  Modal().Queue(platform::mrOk);
  Viewer().close();
  EXPECT_EQ(LastMessage(), "  Can't delete " + src_ + "Tovik.out  ");
  EXPECT_FALSE(Viewer().isVisible());
  EXPECT_EQ(NodeCount(), 193);

  // Without a report the library tree shows alone.
  Viewer().Show();
  EXPECT_EQ(NodeCount(), 193);
  EXPECT_TRUE(Viewer().Memo1->toPlainText().isEmpty());
  Modal().Queue(platform::mrOk);
  Viewer().close();
  EXPECT_EQ(LastMessage(), "  Can't delete " + src_ + "Tovik.out  ");
}

TEST_F(ClassViewerTest, TheCommandScansTheSavedFileAndShowsItsClasses) {
  Main().ToolRuns.ScannerProgram = TEST_BIN_DIR "/tovik";
  OpenSaved("import java.awt.*;\npublic class Demo extends Frame implements Runnable {\n"
            "  private int clicks; // a \"Class = \" in a comment\n"
            "  public synchronized void run() { String s = \"Interface = x\"; }\n}\n");
  Active().Lines().Add("// edited");
  Modal().Queue(platform::mrOk);
  Main().ClassViewer1Click();
  EXPECT_EQ(LastMessage(), src_ + "Demo.java is not saved.");
  EXPECT_FALSE(FileExists(src_ + "Tovik.out"));

  Main().SaveFile1Click();
  std::vector<std::string> seen;
  bool reportThere = false;
  Modal().Queue(platform::ModalAnswer{platform::mrOk, {}, 0, [&](QWidget*) {
    reportThere = FileExists(src_ + "Tovik.out");
    Viewer().Show();
    Select("Demo");
    seen = {Path(Viewer().FindNode("Demo")), Viewer().StatusBar1->PanelText(0)};
    for (const std::string& text : GridTexts()) seen.push_back(text);
    for (int i = 0; i < Viewer().ListBox1->count(); ++i) seen.push_back(Viewer().ListBox1->Items(i));
    Viewer().close();
  }});
  Main().BrowserButton->Click();
  EXPECT_TRUE(reportThere);
  EXPECT_EQ(seen, (std::vector<std::string>{"Object>Component>Container>Window>Frame>Demo", "Class Demo",
                                            "int clicks", "void run()", "Runnable"}));
  EXPECT_FALSE(FileExists(src_ + "Tovik.out"));
  EXPECT_EQ(NodeCount(), 193);

  // A file that is no Java source is refused by the scan; the viewer is not shown.
  WriteFile(src_ + "notes.txt", "text\n");
  OpenThroughDialog(src_ + "notes.txt");
  Modal().Queue(platform::mrOk);
  Main().ClassViewer1Click();
  EXPECT_EQ(LastMessage(), src_ + "notes.txt is not Java source file !");
}
