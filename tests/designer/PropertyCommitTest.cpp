// Every property row of the inspector commits: the one source line it changes, what the surface
// shows, the values it refuses, renames that keep the page compiling, and the dots button's dialogs.
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTest>
#include <filesystem>
#include <functional>
#include <set>

#include "InspectorFixture.h"
#include "Keys.h"
#include "designer/CodeWriter_f.h"
#include "designer/DesignFile.h"
#include "designer/DesignText.h"
#include "designer/ExtendedType.h"
#include "designer/ItemsEditor_f.h"
#include "designer/JavaType.h"
#include "designer/MenuDesigner_f.h"
#include "platform/SysUtils.h"

using namespace designer;

namespace {

class PropertyCommitTest : public InspectorTest {
 protected:
  std::multiset<std::string> PageLines() {
    std::multiset<std::string> lines;
    for (int i = 0; i < Active().Lines().Count(); ++i) lines.insert(platform::Trim(Active().Lines().Get(i)));
    return lines;
  }
  // The lines of `from` that `to` lacks.
  static Lines Missing(const std::multiset<std::string>& from, const std::multiset<std::string>& to) {
    Lines missing;
    std::set_difference(from.begin(), from.end(), to.begin(), to.end(), std::back_inserter(missing));
    return missing;
  }
  void Set(const std::string& row, const std::string& value) {
    if (IsListCode(PropertyCodeOf(" " + row))) Choose(row, value);
    else Commit(row, value);
  }
  bool HasPageLine(const std::string& line) { return PageLines().count(line) > 0; }
  // Answers the items editor with the text typed into its memo, then any message with `then`.
  void EditItems(const std::string& text, int then = platform::mrNone) {
    OpenRow("Items");
    Modal().Queue(platform::ModalAnswer{platform::mrOk, {}, 0, [text](QWidget*) {
                                          QPlainTextEdit* memo = ItemsEditorForm->Memo1;
                                          memo->selectAll();
                                          memo->insertPlainText(QString::fromStdString(text));
                                        }});
    if (then != platform::mrNone) Modal().Queue(then);
    Inspector().miniDots1Click();
  }
  // Every component of the design file has its declaration, caption and place in the page, and the
  // page declares no other.
  void ExpectPageMatchesDesignFile(const std::string& designFile) {
    platform::TStringList text;
    text.LoadFromFile(designFile);
    const TDesign design = ReadDesignText(text);
    Lines declared;
    for (const TDesignBlock& block : design.blocks) {
      if (block.className == "TFrame" || block.className == "TBBTN") continue;  // the form and its menu-bar marker
      declared.push_back(block.name);
      EXPECT_TRUE(HasPageLine(block.name + " = new Button(\"" + block.Value("Caption") + "\");")) << block.name;
      EXPECT_TRUE(HasPageLine(block.name + ".reshape(" + block.Value("Left") + "," + block.Value("Top") + "+MenuBarHeight," +
                              block.Value("Width") + "," + block.Value("Height") + ");"))
          << Active().Lines().Text();
    }
    Lines inPage;
    for (const std::string& line : Declarations()) inPage.push_back(designer::GetLastWord(platform::Trim(line)));
    for (std::string& name : inPage) name.pop_back();  // the ";"
    EXPECT_EQ(inPage, declared);
  }
  int Compile(const std::string& className) {
    testsupport::WriteFile(temp_.File(className + ".java"), Active().Lines().Text());
    return testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn " + className + ".java 2> javac.err");
  }
};

struct TCommitCase {
  int kind;  // dropped on a new application form; ckFrame for the form itself
  std::vector<std::pair<const char*, const char*>> rows;  // row and value, the last one under test
  Lines removed;
  Lines added;
  std::function<bool(QWidget*)> shows;
};

}  // namespace

TEST_F(PropertyCommitTest, EachRowChangesItsOneLineAndTheSurfaceShowsIt) {
  auto bar = [](QWidget* c) -> QScrollBar& { return *static_cast<QScrollBar*>(c); };
  const std::string font = "Button1.setFont(new Font(\"Dialog\",Font.BOLD,12));";
  const TCommitCase cases[] = {
      {ckLabel, {{"Align", "CENTER"}}, {"Label1 = new Label(\"Label1\",Label.LEFT);"},
       {"Label1 = new Label(\"Label1\",Label.CENTER);"},
       [](QWidget* c) { return (static_cast<QLabel*>(c)->alignment() & Qt::AlignHCenter) != 0; }},
      {ckCheckbox, {{"Checked", "True"}}, {}, {"CheckBox1.setState(true);"},
       [](QWidget* c) { return static_cast<QCheckBox*>(c)->isChecked(); }},
      {ckFrame, {{"Cursor", "HAND_CURSOR"}}, {}, {"setCursor(HAND_CURSOR);"},
       [](QWidget* c) { return DesignTag(c) == 3111; }},
      {ckButton, {{"FontName", "Courier"}}, {font}, {"Button1.setFont(new Font(\"Courier\",Font.BOLD,12));"},
       [](QWidget* c) { return c->font().family() == "Courier"; }},
      {ckButton, {{"FontSize", "14"}}, {font}, {"Button1.setFont(new Font(\"Dialog\",Font.BOLD,14));"},
       [](QWidget* c) { return c->font().pointSize() == 14; }},
      {ckButton, {{"FontStyle", "[BOLD,ITALIC]"}}, {font},
       {"Button1.setFont(new Font(\"Dialog\",Font.BOLD + Font.ITALIC,12));"},
       [](QWidget* c) { return c->font().italic() && c->font().bold(); }},
      {ckPanel, {{"Foreground", "red"}}, {"Panel1.setForeground(Color.black);"}, {"Panel1.setForeground(Color.red);"},
       [](QWidget* c) { return c->palette().color(QPalette::WindowText) == Qt::red; }},
      {ckList, {{"MultiSelect", "True"}}, {}, {"List1.setMultipleSelections(true);"},
       [](QWidget* c) { return static_cast<QListWidget*>(c)->selectionMode() == QAbstractItemView::MultiSelection; }},
      {ckScrollbar, {{"Orientation", "VERTICAL"}},
       {"ScrollBar1 = new Scrollbar(Scrollbar.HORIZONTAL);", "ScrollBar1.reshape(14,33+MenuBarHeight,121,16);"},
       {"ScrollBar1 = new Scrollbar(Scrollbar.VERTICAL);", "ScrollBar1.reshape(14,33+MenuBarHeight,16,121);"},
       [&](QWidget* c) { return bar(c).orientation() == Qt::Vertical && c->size() == QSize(16, 121); }},
      {ckFrame, {{"Resizable", "False"}}, {}, {"setResizable(false);"},
       [](QWidget* c) { return DesignTag(c) == 1101; }},
      {ckScrollbar, {{"LineInc", "5"}}, {}, {"ScrollBar1.setLineIncrement(5);"},
       [&](QWidget* c) { return bar(c).singleStep() == 5; }},
      {ckScrollbar, {{"PageInc", "20"}}, {}, {"ScrollBar1.setPageIncrement(20);"},
       [&](QWidget* c) { return bar(c).pageStep() == 20; }},
      {ckScrollbar, {{"Max", "100"}}, {"ScrollBar1.setValues(0,22,0,0);"}, {"ScrollBar1.setValues(0,22,0,100);"},
       [&](QWidget* c) { return bar(c).maximum() == 100; }},
      {ckScrollbar, {{"Min", "-5"}}, {"ScrollBar1.setValues(0,22,0,0);"}, {"ScrollBar1.setValues(0,22,-5,0);"},
       [&](QWidget* c) { return bar(c).minimum() == -5; }},
      {ckScrollbar, {{"Max", "100"}, {"Value", "40"}}, {"ScrollBar1.setValues(0,22,0,100);"},
       {"ScrollBar1.setValues(40,22,0,100);"}, [&](QWidget* c) { return bar(c).value() == 40; }},
      {ckTextField, {{"PasswdChar", "'"}}, {}, {"TextField1.setEchoCharacter('\\'');"},
       [](QWidget* c) { return static_cast<QLineEdit*>(c)->echoMode() == QLineEdit::Password; }},
      {ckTextField, {{"Text", "say \"hi\""}}, {"TextField1 = new TextField(\"TextField1\");"},
       {"TextField1 = new TextField(\"say \\\"hi\\\"\");"},
       [](QWidget* c) { return static_cast<QLineEdit*>(c)->text() == "say \"hi\""; }},
  };
  for (const TCommitCase& c : cases) {
    const auto& [row, value] = c.rows.back();
    SCOPED_TRACE(std::string(row) + " := " + value);
    for (int i = 0; i < Editor().GetPageCount(); ++i) Editor().PageEditor(i)->SetModified(false);
    NewForm(fkApplication);
    QWidget* component = c.kind == ckFrame ? &Frame() : Drop(c.kind, {10, 10});
    Main().FSelectedTool = ptNoTool;
    for (size_t i = 0; i + 1 < c.rows.size(); ++i) Set(c.rows[i].first, c.rows[i].second);
    const auto before = PageLines();
    Set(row, value);
    const auto after = PageLines();
    EXPECT_EQ(Missing(before, after), c.removed);
    EXPECT_EQ(Missing(after, before), c.added);
    EXPECT_TRUE(c.shows(component));
    EXPECT_EQ(Value(row), value);
  }
}

TEST_F(PropertyCommitTest, TrapsLeaveACorrectPageAndRefusedValuesShowTheStoredOne) {
  NewForm(fkApplication);
  Commit("Caption", "Please enable(it)");
  Choose("Enabled", "False");
  EXPECT_TRUE(HasPageLine("setTitle(\"Please enable(it)\");"));
  EXPECT_TRUE(HasPageLine("enable(false);"));

  Drop(ckScrollbar, {10, 10});
  Drop(ckScrollbar, {10, 40});
  Main().FSelectedTool = ptNoTool;
  Commit("LineInc", "2");
  Commit("LineInc", "5");
  EXPECT_TRUE(HasPageLine("ScrollBar2.setLineIncrement(5);"));
  EXPECT_EQ(Active().Lines().Text().find("ScrollBar5"), std::string::npos);

  Drop(ckLabel, {10, 80});
  Main().FSelectedTool = ptNoTool;
  Commit("Caption", "x,Label.LEFT)");
  Choose("Align", "RIGHT");
  EXPECT_TRUE(HasPageLine("Label1 = new Label(\"x,Label.LEFT)\",Label.RIGHT);"));
  Commit("Width", "08");
  EXPECT_EQ(Value("Width"), "8");
  EXPECT_EQ(Frame().FSelected->width(), 8);
  const std::pair<const char*, const char*> refused[] = {{"Left", "$10"}, {"Top", "0x10"}, {"FontSize", "0"}};
  for (const auto& [row, text] : refused) {
    const std::string stored = Value(row);
    Modal().Queue(platform::mrOk);
    OpenRow(row);
    Inspector().miniEdit1->setText(text);  // pasted: typed letters never reach a number row
    Inspector().miniEdit1->setModified(true);
    Enter();
    EXPECT_NE(LastMessage().find(text), std::string::npos) << LastMessage();
    EXPECT_EQ(Inspector().miniEdit1->text().toStdString(), stored);
    EXPECT_EQ(Value(row), stored);
  }

  Drop(ckTextField, {10, 120});
  Main().FSelectedTool = ptNoTool;
  Commit("PasswdChar", "\\");
  EXPECT_TRUE(HasPageLine("TextField1.setEchoCharacter('\\\\');"));
  EXPECT_EQ(Value("PasswdChar"), "\\");
  for (const char* name : {"class", "MenuBarHeight", "fForm_Create"}) {
    Modal().Queue(platform::mrOk);
    Commit("Name", name);
    EXPECT_EQ(LastMessage(), "''" + std::string(name) + "'' is not a valid component name");
  }
  auto* first = static_cast<QRadioButton*>(Drop(ckRadioButton, {200, 10}));
  auto* second = static_cast<QRadioButton*>(Drop(ckRadioButton, {200, 40}));
  Main().FSelectedTool = ptNoTool;
  Modal().Queue(platform::mrOk);
  Choose("Checked", "False");
  EXPECT_EQ(Value("Checked"), "True") << LastMessage();
  Inspector().SelectComponent(first);
  Choose("Checked", "True");
  EXPECT_TRUE(first->isChecked());
  EXPECT_FALSE(second->isChecked());
  EXPECT_TRUE(HasPageLine("RadioButton1 = new Checkbox(\"RadioButton1\",CheckboxGrpInnoname01,true);"));
  EXPECT_TRUE(HasPageLine("RadioButton2 = new Checkbox(\"RadioButton2\",CheckboxGrpInnoname01,false);"));

  QWidget* panel = Drop(ckPanel, {200, 80});
  QWidget* label = Drop(ckLabel, {5, 5}, panel);
  Main().FSelectedTool = ptNoTool;
  Inspector().SelectComponent(panel);
  Choose("Background", "blue");
  EXPECT_EQ(label->palette().color(QPalette::Window), Qt::blue) << "a Label takes the colour of its Panel";

  Inspector().SelectComponent(&Frame());
  Choose("FontStyle", "[ITALIC]");
  Choose("Cursor", "WAIT_CURSOR");
  Choose("Resizable", "False");
  EXPECT_TRUE(HasPageLine("setFont(new Font(\"Dialog\",Font.ITALIC,12));"));
  EXPECT_FALSE(Frame().findChild<QLabel*>("Label1")->font().italic()) << "a component keeps the font its line sets";
  EXPECT_FALSE(workbench::MarkerLost);
  EXPECT_EQ(Compile("noname01"), 0) << testsupport::ReadFile(temp_.File("javac.err"));
}

TEST_F(PropertyCommitTest, RenamedComponentMenuBarAndClassStillCompile) {
  NewForm(fkApplication);
  // The dispatch clause of the window's closing is gone by hand: the class rename goes on without it.
  Active().Lines().Delete(GetLineIndex("Event.WINDOW_DESTROY"));
  QWidget* button = Drop(ckButton, {10, 10});
  Drop(ckMenuBar, {130, 250});
  Main().FSelectedTool = ptNoTool;
  Inspector().SelectComponent(Frame().MMB);
  OpenRow("Items");
  Modal().Queue(platform::ModalAnswer{platform::mrOk, {}, 0, [](QWidget* w) {
                                        auto& d = *static_cast<TMenuDesigner*>(w);
                                        d.MenuTree->setCurrentItem(d.MenuTree->topLevelItem(0));
                                        d.NewItemB->click();
                                        QTreeWidgetItem* file = d.MenuTree->topLevelItem(0)->child(0);
                                        file->setText(0, "File");
                                        d.MenuTree->setCurrentItem(file);
                                        d.NewItemB->click();
                                        file->child(0)->setText(0, "Open");
                                        d.OkButton->click();
                                      }});
  Inspector().miniDots1Click();
  ASSERT_NE(FindMenuItem("MenuBar1File0Open0"), nullptr);
  Frame().MenuItemClick(FindMenuItem("MenuBar1File0Open0"));

  Inspector().SelectComponent(Frame().MMB);
  Commit("Name", "Bar");
  EXPECT_TRUE(HasPageLine("setMenuBar(Bar);"));
  EXPECT_TRUE(HasPageLine("Bar.add(BarFile0);"));
  EXPECT_NE(FindMenuItem("BarFile0Open0"), nullptr);
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "BarFile0Open0", "OnAction"), "BarFile0Open0_Action");
  EXPECT_EQ(Frame().FSelected.data(), Frame().MMB);

  Inspector().SelectComponent(button);
  Commit("Name", "Go");
  Inspector().SelectComponent(&Frame());
  Commit("Name", "Calc");
  ASSERT_EQ(Editor().GetPageCount(), 1);
  EXPECT_FALSE(workbench::MarkerLost);
  EXPECT_EQ(Active().Lines().Get(0), "// {$R Calc.JFM}");
  EXPECT_EQ(Compile("Calc"), 0) << testsupport::ReadFile(temp_.File("javac.err")) << Active().Lines().Text();
}

TEST_F(PropertyCommitTest, SaveAfterAFrameRenameWritesBothFilesUnderTheNewName) {
  NewForm(fkApplication);
  const std::string old = temp_.File("Old.java");
  AnswerSaveDialog(old);
  ASSERT_TRUE(Editor().SaveFileAs());
  ASSERT_TRUE(std::filesystem::exists(temp_.File("noname01.jfm")));
  Inspector().SelectComponent(&Frame());
  testsupport::WriteFile(temp_.File("Taken.jfm"), "");
  Modal().Queue(platform::mrOk);
  Commit("Name", "Taken");
  EXPECT_EQ(LastMessage(), "A file named " + temp_.File("Taken.jfm") + " already exists");

  Commit("Name", "Calc");
  EXPECT_NE(testsupport::ReadFile(old).find("public class noname01 extends Frame"), std::string::npos)
      << "the old file keeps the old name's last state";
  EXPECT_EQ(Editor().ActiveFileName(), temp_.File("Calc.java"));
  EXPECT_EQ(Editor().Page->ActivePage()->Caption(), "Calc.java");
  EXPECT_EQ(Editor().Caption(), temp_.File("Calc.java"));
  EXPECT_EQ(Main().Reopen1->Items(0)->Caption(), old);
  ASSERT_TRUE(Editor().SaveFile());
  EXPECT_NE(testsupport::ReadFile(temp_.File("Calc.java")).find("public class Calc extends Frame"), std::string::npos);
  EXPECT_EQ(testsupport::ReadFile(temp_.File("Calc.jfm")).rfind("Calc : TFrame", 0), 0u);
}

TEST_F(PropertyCommitTest, DotsButtonEditsItemsAndSetsAPicture) {
  NewForm(fkApplication);
  auto* list = static_cast<QListWidget*>(Drop(ckList, {10, 10}));
  Main().FSelectedTool = ptNoTool;
  EditItems("Red\nSay \"hi\" \\ there\n");
  Lines init = Initialization();
  auto at = std::find(init.begin(), init.end(), "        List1 = new List();");
  ASSERT_NE(at, init.end());
  EXPECT_EQ(*(at + 1), "        List1.addItem(\"Red\");");
  EXPECT_EQ(*(at + 2), "        List1.addItem(\"Say \\\"hi\\\" \\\\ there\");");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "Say \"hi\" \\ there");

  QWidget* area = Drop(ckTextArea, {150, 10});
  Main().FSelectedTool = ptNoTool;
  EditItems("one\ntwo \\ end");
  EXPECT_TRUE(HasPageLine("TextArea1 = new TextArea(\"one\\ntwo \\\\ end\");"));
  EXPECT_EQ(ComponentCaption(area), "one\ntwo \\ end");

  auto* image = static_cast<TImage*>(Drop(ckImage, {10, 150}));
  Main().FSelectedTool = ptNoTool;
  const std::string picture = temp_.File("pic\"1.gif");
  std::filesystem::copy_file(TEST_DATA_DIR "/gif/still87a.gif", picture);
  OpenRow("Picture");
  Modal().Queue(platform::ModalAnswer{platform::mrOk, picture, 0, {}});
  Inspector().miniDots1Click();
  EXPECT_EQ(image->FileName, "pic\"1.gif");
  EXPECT_EQ(image->size(), image->Picture().size());
  EXPECT_TRUE(HasPageLine("Image1 = Toolkit.getDefaultToolkit().getImage(\"pic\\\"1.gif\");"));
  EXPECT_TRUE(HasPageLine("g.drawImage(Image1, 14,154," + std::to_string(image->width()) + "," +
                          std::to_string(image->height()) + ", this);"));
  Modal().Queue(platform::ModalAnswer{platform::mrOk, temp_.File("pic.bmp"), 0, {}});
  Modal().Queue(platform::mrOk);
  Inspector().miniDots1Click();
  EXPECT_NE(LastMessage().find("pic.bmp"), std::string::npos);
  EXPECT_EQ(image->FileName, "pic\"1.gif");
  // A name typed without its extension is a GIF file.
  std::filesystem::copy_file(TEST_DATA_DIR "/gif/still87a.gif", temp_.File("still.gif"));
  Modal().Queue(platform::ModalAnswer{platform::mrOk, temp_.File("still"), 0, {}});
  Inspector().miniDots1Click();
  EXPECT_EQ(image->FileName, "still.gif");
  Modal().Queue(platform::mrCancel);
  DoubleClick(image, {4, 4});
  EXPECT_EQ(Modal().Log().back().kind, "OpenDialog") << "a double-click on an Image opens the picture dialog";

  // Items for a List whose construction line was removed by hand: the page is rescued and closed.
  Inspector().SelectComponent(list);
  Active().Lines().Delete(GetLineIndex("List1 = new List();"));
  EditItems("Blue", platform::mrNo);
  EXPECT_EQ(Editor().GetPageCount(), 0);
}

TEST_F(PropertyCommitTest, MenuItemsCheckedOnlyWhenCheckableAndHandlersSortedByName) {
  NewForm(fkApplication);
  Drop(ckMenuBar, {130, 250});
  Main().FSelectedTool = ptNoTool;
  for (const char* handler : {"beta_Action", "Alpha_Action", "_zeta"})
    SetEventHandler(Frame().FHandlerList, std::string("X") + handler, "OnAction", handler);
  QStringList offered;
  Modal().Queue(platform::ModalAnswer{platform::mrCancel, {}, 0, [&](QWidget* w) {
                                        QComboBox* combo = static_cast<TMenuDesigner*>(w)->EventHandlerCombo;
                                        for (int i = 0; i < combo->count(); ++i) offered << combo->itemText(i);
                                      }});
  Frame().OpenMenuDesigner();
  EXPECT_EQ(offered, (QStringList{"(none)", "_zeta", "Alpha_Action", "beta_Action", "noname01_WindowDestroy"}));

  TJMenuItem item("Open");
  item.setObjectName("MenuBar1File0Open0");
  item.SetChecked(true);
  WriteFrameSource(&Frame(), [&] { WriteMenuItemCode(item, "MenuBar1File0"); }, false);
  EXPECT_TRUE(HasPageLine("MenuBar1File0Open0 = new MenuItem(\"Open\");"));
  EXPECT_EQ(Active().Lines().Text().find("setState"), std::string::npos);
}

TEST_F(PropertyCommitTest, AFrameTakesTheNameItsPageWasSavedAsAndItsRadioGroupFollows) {
  NewForm(fkApplication);
  AnswerSaveDialog(temp_.File("Greeter.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  QWidget* first = Drop(ckRadioButton, {10, 10});
  Main().FSelectedTool = ptNoTool;
  Inspector().SelectComponent(&Frame());
  testsupport::WriteFile(temp_.File("Other.java"), "class Other {}\n");
  Modal().Queue(platform::mrOk);
  Commit("Name", "Other");
  EXPECT_EQ(LastMessage(), "A file named " + temp_.File("Other.java") + " already exists");

  Commit("Name", "Greeter");
  EXPECT_EQ(Frame().Name(), "Greeter");
  EXPECT_TRUE(HasPageLine("public CheckboxGroup CheckboxGrpInGreeter;"));
  EXPECT_TRUE(HasPageLine("CheckboxGrpInGreeter = new CheckboxGroup(); // CheckboxGroup in Greeter"));
  // The group is found by its new name when a radio button joins it and when the last one goes.
  QWidget* second = Drop(ckRadioButton, {10, 40});
  Main().FSelectedTool = ptNoTool;
  EXPECT_TRUE(HasPageLine("RadioButton2 = new Checkbox(\"RadioButton2\",CheckboxGrpInGreeter,true);"));
  ASSERT_TRUE(Editor().SaveFile());
  EXPECT_EQ(testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn Greeter.java 2> javac.err"), 0)
      << testsupport::ReadFile(temp_.File("javac.err"));
  for (QWidget* radio : {second, first}) {
    Click(radio, {5, 5});
    KeyDown(Qt::Key_Delete);
    KeyUp(Qt::Key_Delete);
  }
  ASSERT_EQ(Editor().GetPageCount(), 1);
  EXPECT_EQ(Active().Lines().Text().find("CheckboxGrp"), std::string::npos);
}

TEST_F(PropertyCommitTest, ScrollbarValuesAreWrittenAsTypedWhateverTheirOrder) {
  NewForm(fkApplication);
  Drop(ckScrollbar, {10, 10});
  Main().FSelectedTool = ptNoTool;
  const std::pair<const char*, const char*> steps[] = {
      {"Max", "100"}, {"Min", "10"}, {"Value", "5"}, {"Max", "3"}, {"Value", "50"}, {"Min", "-2"}};
  for (const auto& [row, value] : steps) Commit(row, value);
  EXPECT_TRUE(HasPageLine("ScrollBar1.setValues(50,22,-2,3);"));
  EXPECT_EQ(Value("Min") + " " + Value("Max") + " " + Value("Value"), "-2 3 50");
  EXPECT_FALSE(workbench::MarkerLost);
  EXPECT_EQ(Compile("noname01"), 0) << testsupport::ReadFile(temp_.File("javac.err"));
}

TEST_F(PropertyCommitTest, ALabelWidensToTheNameItsCaptionFollows) {
  NewForm(fkApplication);
  QWidget* label = Drop(ckLabel, {10, 10});
  Main().FSelectedTool = ptNoTool;
  Commit("Name", "GreetingForTheWholeWorld");
  const int width = label->width();
  EXPECT_GE(width, label->sizeHint().width()) << "the caption is cut";
  EXPECT_TRUE(HasPageLine("GreetingForTheWholeWorld.reshape(14,33+MenuBarHeight," + std::to_string(width) + ",17);"));
  EXPECT_EQ(Value("Width"), std::to_string(width));
}

// The value list, opened by the hand on the inspector window, closes as soon as the inspector shows
// another component or page or the list loses the focus: a value chosen there later would reach a
// component, or a row, it was not opened for.
TEST_F(PropertyCommitTest, TheValueListClosesWhenTheInspectorTurnsAwayFromIt) {
  NewForm(fkApplication);
  Drop(ckButton, {10, 10});
  Main().FSelectedTool = ptNoTool;
  TObjInsForm& inspector = Inspector();
  QWidget* window = inspector.window();
  window->show();
  window->activateWindow();
  QApplication::processEvents();
  auto click = [&](QWidget* widget, QPoint at) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(window, at));
    QApplication::processEvents();
  };
  auto center = [](QWidget* widget) { return widget->rect().center(); };
  QPoint red;
  auto openBackgroundList = [&] {
    inspector.SelectComponent(&Frame());
    click(inspector.FPropValuePanels[Row("Background")], {5, 5});
    click(inspector.miniArrow1, center(inspector.miniArrow1));
    ASSERT_TRUE(inspector.miniList1->isVisible());
    QListWidget* list = inspector.miniList1;
    red = list->viewport()->mapTo(window, list->visualItemRect(list->findItems("red", Qt::MatchExactly)[0]).center());
  };
  auto clickWhereRedWas = [&] {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, red);
    QApplication::processEvents();
  };
  auto clickTab = [&](int tab) { click(inspector.Page1->tabBar(), inspector.Page1->tabBar()->tabRect(tab).center()); };
  clickTab(1);  // both pages laid out once
  clickTab(0);

  openBackgroundList();
  click(inspector.ComboBox1, center(inspector.ComboBox1));
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup->windowHandle(), Qt::Key_Home);
  for (int i = inspector.ComboBox1->findText("Button1 : TButton"); i > 0; --i)
    QTest::keyClick(popup->windowHandle(), Qt::Key_Down);
  QTest::keyClick(popup->windowHandle(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(inspector.Shown()->objectName(), "Button1");
  EXPECT_FALSE(inspector.miniList1->isVisible()) << "another component";
  clickWhereRedWas();

  openBackgroundList();
  clickTab(1);
  clickTab(0);
  EXPECT_FALSE(inspector.miniList1->isVisible()) << "another page";
  clickWhereRedWas();

  openBackgroundList();
  click(inspector.FPropNamePanels[Row("Caption")], {5, 5});  // beside the list, which covers its value
  EXPECT_FALSE(inspector.miniList1->isVisible()) << "the focus left it";
  clickWhereRedWas();

  EXPECT_EQ(Active().Lines().Text().find("Color.red"), std::string::npos) << Active().Lines().Text();
}

// A design change is one write of several lines; an undo in the page never takes part of it back,
// and never leaves the page apart from the design it was written for. Hand edits after it still undo.
TEST_F(PropertyCommitTest, UndoNeverSplitsADesignWriteNorPartsThePageFromItsDesign) {
  NewForm(fkApplet);
  const std::string fresh = Active().Lines().Text();
  testsupport::TypeKey(Editor(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Active().Lines().Text(), fresh) << "an undo took back part of the new form's code";
  Drop(ckButton, {10, 10});
  Main().FSelectedTool = ptNoTool;
  Commit("Caption", "Go");
  Commit("Name", "GoButton");
  Activate();
  for (int move = 0; move < 2; ++move) {
    KeyDown(Qt::Key_Control, Qt::ControlModifier);
    KeyDown(Qt::Key_Right, Qt::ControlModifier);
    KeyUp(Qt::Key_Control);
  }
  ASSERT_TRUE(HasPageLine("GoButton.reshape(12,10+MenuBarHeight,75,25);")) << Active().Lines().Text();
  const std::string designed = Active().Lines().Text();
  Active().SetSelStart(Active().TextLength());
  testsupport::TypeKey(Editor(), Qt::Key_Space);
  ASSERT_NE(Active().Lines().Text(), designed);
  for (int undo = 1; undo <= 3; ++undo) {
    SCOPED_TRACE("undo " + std::to_string(undo));
    testsupport::TypeKey(Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Active().Lines().Text(), designed);
    EXPECT_EQ(Compile("noname01"), 0) << testsupport::ReadFile(temp_.File("javac.err"));
    SaveDesignFile(temp_.Path() + "/", Frame());
    ExpectPageMatchesDesignFile(temp_.File("noname01.jfm"));
  }
  EXPECT_FALSE(Main().Undo1->Enabled()) << "an Undo that has nothing to take back is offered";
}

// The lines whose colouring is not the page's: the comment colour from "//" (outside literals) to
// the end of the line, the text colour before it.
static Lines MiscolouredLines(platform::TRichEdit& page, QColor text, QColor comment) {
  Lines wrong;
  for (QTextBlock block = page.document()->begin(); block.isValid(); block = block.next()) {
    const std::string line = block.text().toStdString();
    const size_t at = StripLiterals(line).find("//");
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment part = it.fragment();
      const QColor drawn = part.charFormat().hasProperty(QTextFormat::ForegroundBrush)
                               ? part.charFormat().foreground().color()
                               : text;
      const size_t from = static_cast<size_t>(part.position() - block.position());
      const size_t to = from + static_cast<size_t>(part.length());
      const bool right = to <= at ? drawn == text : from >= at && drawn == comment;
      if (!right) {
        wrong.push_back(line);
        break;
      }
    }
  }
  return wrong;
}

TEST_F(PropertyCommitTest, APageIsColouredAfterEveryWriteAsItsTypedLinesAre) {
  NewForm(fkApplication);
  Drop(ckButton, {10, 10});
  Main().FSelectedTool = ptNoTool;
  Active().SetSelStart(Active().LineIndex(GetLineIndex("Button1.setFont") + 1) - 1);
  testsupport::TypeKey(Editor(), Qt::Key_Return);
  for (char c : std::string("Button1.requestFocus(); // first to type"))
    QTest::keyClick(Editor().windowHandle(), c);
  Commit("Name", "GoButton");
  Inspector().SelectComponent(&Frame());
  Commit("Name", "Calc");
  ASSERT_TRUE(HasPageLine("GoButton.requestFocus(); // first to type"));
  const QColor text = platform::ToQColor(Editor().GetTextColor());
  const QColor comment = platform::ToQColor(Editor().GetCommentColor());
  EXPECT_EQ(MiscolouredLines(Active(), text, comment), Lines{});
}
