// The object inspector on real design frames: the rows each kind shows and greys, and commits typed
// into a row's editor that rewrite the source, down to a page that javac still compiles.
#include <QScrollBar>

#include "SurfaceFixture.h"
#include "designer/CodeWriter_f.h"
#include "designer/EventWriters.h"
#include "designer/ObjIns.h"
#include "designer/PropertyWriters.h"
#include "platform/SysUtils.h"
#include "InspectorFixture.h"

using namespace designer;

TEST_F(InspectorTest, AppletFrameGreysItsWindowRowsAndAButtonShowsAllItsRowsAgain) {
  NewForm(fkApplet);
  EXPECT_EQ(Inspector().Caption(), "Object Inspector");
  EXPECT_EQ(ShownRowNames().size(), 14u);
  EXPECT_EQ(GrayedRows(Inspector().FPropNamePanels),
            (Lines{" Caption", " Cursor", " Left", " Resizable", " Top"}));
  EXPECT_EQ(GrayedRows(Inspector().FEventNamePanels),
            (Lines{" OnWindowDeIconify", " OnWindowDestroy", " OnWindowExpose", " OnWindowIconify", " OnWindowMoved"}));
  EXPECT_EQ(Value("Width"), "400");
  EXPECT_EQ(Value("Height"), "300");
  OpenRow("Left");
  EXPECT_TRUE(Inspector().miniEdit1->isHidden()) << "a grey row opens no editor";

  Drop(ckButton, {10, 10});
  EXPECT_EQ(Inspector().ComboBox1->currentText().toStdString(), "Button1 : TButton");
  Lines rows = ShownRowNames();
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows[6], " Name");
  EXPECT_EQ(rows[7], " Left");
  EXPECT_TRUE(GrayedRows(Inspector().FPropNamePanels).empty());
  EXPECT_EQ(Value("Caption"), "Button1");
  EXPECT_EQ(Value("Enabled"), "True");
  EXPECT_EQ(Value("Visible"), "True");
}

TEST_F(InspectorTest, ImageGreysFileNameAndTheChooserSelectsAComponent) {
  NewForm(fkApplication);
  QWidget* image = Drop(ckImage, {10, 10});
  Lines rows = ShownRowNames();
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[2], " Left");
  EXPECT_EQ(rows[3], " Name");
  EXPECT_EQ(GrayedRows(Inspector().FPropNamePanels), (Lines{" FileName"}));
  EXPECT_EQ(PropertyCodeOf(" FileName"), 30);
  EXPECT_EQ(PropertyCodeOf(" FontName"), pcFontName);

  Drop(ckButton, {100, 10});
  QComboBox* chooser = Inspector().ComboBox1;
  chooser->setCurrentIndex(chooser->findText("Image1 : TImage"));
  Inspector().ComboBox1Change();
  EXPECT_EQ(Frame().FSelected.data(), image);
  EXPECT_EQ(Inspector().Shown(), image);
}

TEST_F(InspectorTest, CaptionFollowsEveryKeystrokeIntoTheCreationLine) {
  NewForm(fkApplication);
  Drop(ckButton, {10, 10});
  OpenRow("Caption");
  Type("Go \"on\"");
  EXPECT_TRUE(HasLine(Initialization(), "        Button1 = new Button(\"Go \\\"on\\\"\");"));
  EXPECT_EQ(ComponentCaption(Frame().FSelected), "Go \"on\"");
  EXPECT_EQ(Value("Caption"), "Go \"on\"");
  Enter();
  EXPECT_TRUE(HasLine(Initialization(), "        Button1 = new Button(\"Go \\\"on\\\"\");"));

  Inspector().SelectComponent(&Frame());
  Commit("Caption", "Calculator");
  EXPECT_TRUE(HasLine(Section("// Frame Initialization", "// End of Frame Initialization"),
                      "        setTitle(\"Calculator\");"))
      << Active().Lines().Text();
}

TEST_F(InspectorTest, GeometryCommitsRewriteTheReshapeLineAndRefuseLetters) {
  NewForm(fkApplication);
  QWidget* button = Drop(ckButton, {10, 10});
  Commit("Left", "30");
  Commit("Top", "40");
  Commit("Width", "90");
  Commit("Height", "31");
  EXPECT_EQ(button->geometry(), QRect(30, 40, 90, 31));
  EXPECT_TRUE(HasLine(Positions(), "        Button1.reshape(34,63+MenuBarHeight,90,31);"));
  EXPECT_EQ(Value("Left"), "30");

  OpenRow("Width");
  Type("9x");
  EXPECT_EQ(Inspector().miniEdit1->text().toStdString(), "9");
  Inspector().miniEdit1->setText("");
  Inspector().miniEdit1->setModified(true);
  Modal().Queue(platform::mrOk);
  Inspector().CommitProperty();
  EXPECT_EQ(LastMessage(), "'' is not a valid integer value");
  EXPECT_EQ(Inspector().miniEdit1->text().toStdString(), "90") << "the row shows the stored value again";
  EXPECT_TRUE(HasLine(Positions(), "        Button1.reshape(34,63+MenuBarHeight,90,31);"));

  QWidget* choice = Drop(ckChoice, {200, 10});
  int height = choice->height();
  Lines before = Positions();
  Modal().Queue(platform::mrOk);
  Commit("Height", "60");
  EXPECT_EQ(Value("Height"), std::to_string(height));
  EXPECT_EQ(choice->height(), height);
  EXPECT_EQ(Positions(), before);
}

TEST_F(InspectorTest, RenameLeavesLongerNamesAloneAndTheCaptionFollows) {
  NewForm(fkApplication);
  QWidget* first = Drop(ckButton, {10, 10});
  for (int n = 2; n <= 10; ++n) Drop(ckButton, {10 + 20 * (n % 5), 40 + 30 * (n / 5)});
  Inspector().SelectComponent(first);
  Main().FSelectedTool = ptNoTool;
  WriteFrameSource(&Frame(), [] { WriteActionEvent("Button1", "Button1_Action"); }, false);
  Inspector().SelectComponent(first);
  Commit("Name", "  OkButton ");
  EXPECT_EQ(first->objectName().toStdString(), "OkButton");
  EXPECT_EQ(ComponentCaption(first), "OkButton");
  Lines declarations = Declarations();
  EXPECT_TRUE(HasLine(declarations, "    public Button OkButton;"));
  EXPECT_TRUE(HasLine(declarations, "    public Button Button10;"));
  EXPECT_TRUE(HasLine(Initialization(), "        OkButton = new Button(\"OkButton\");"));
  EXPECT_TRUE(HasLine(Initialization(), "        Button10 = new Button(\"Button10\");"));
  EXPECT_TRUE(HasLine(Positions(), "        OkButton.reshape(14,33+MenuBarHeight,75,25);"));
  std::string page = Active().Lines().Text();
  EXPECT_EQ(page.find("Button1_"), std::string::npos);
  EXPECT_NE(page.find("public void OkButton_Action"), std::string::npos);
  EXPECT_NE(page.find("Button10.reshape"), std::string::npos);
  EXPECT_EQ(Inspector().ComboBox1->currentText().toStdString(), "OkButton : TButton");

  Modal().Queue(platform::mrOk);
  Commit("Name", "Button10");
  EXPECT_EQ(LastMessage(), "A component named Button10 already exists");
  EXPECT_EQ(first->objectName().toStdString(), "OkButton");
  EXPECT_EQ(Inspector().miniEdit1->text().toStdString(), "OkButton");
  Modal().Queue(platform::mrOk);
  Commit("Name", "9lives");
  EXPECT_EQ(LastMessage(), "''9lives'' is not a valid component name");
}

TEST(PropertyWriterPieces, ReplacePieceKeepsLongerNames) {
  std::string line = "CheckboxGrpInPanel10 = new CheckboxGroup(); // CheckboxGroup in Panel1";
  EXPECT_EQ(ReplacePiece(line, "// CheckboxGroup in ", "Panel1", "", "Box"), 1);
  EXPECT_EQ(ReplacePiece(line, "CheckboxGrpIn", "Panel1", "", "Box"), 0);
  EXPECT_EQ(line, "CheckboxGrpInPanel10 = new CheckboxGroup(); // CheckboxGroup in Box");
}

TEST_F(InspectorTest, PageStillCompilesAfterASetOfCommits) {
  NewForm(fkApplication);
  Drop(ckButton, {10, 10});
  Commit("Caption", "Say \\ hello");
  Commit("Name", "Hello");
  Commit("Width", "120");
  Drop(ckLabel, {10, 60});
  Commit("Caption", "Answer");
  Commit("Left", "50");
  Drop(ckTextField, {10, 100});
  Commit("Text", "typed");
  Commit("Name", "Field");
  Inspector().SelectComponent(&Frame());
  Commit("Caption", "Greeter");
  Commit("Height", "250");
  ASSERT_FALSE(workbench::MarkerLost);
  std::string source = temp_.File("noname01.java");
  testsupport::WriteFile(source, Active().Lines().Text());
  int status = testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn noname01.java 2> javac.err");
  EXPECT_EQ(status, 0) << testsupport::ReadFile(temp_.File("javac.err")) << Active().Lines().Text();
}

TEST_F(InspectorTest, ChosenColourAndFlagsRewriteTheirLines) {
  NewForm(fkApplication);
  QWidget* panel = Drop(ckPanel, {10, 10});
  auto choose = [this](const std::string& row, const std::string& value) { Choose(row, value); };
  choose("Background", "red");
  EXPECT_TRUE(HasLine(Initialization(), "        Panel1.setBackground(Color.red);"));
  EXPECT_EQ(Value("Background"), "red");
  choose("Enabled", "False");
  EXPECT_TRUE(HasLine(Initialization(), "        Panel1.enable(false);"));
  EXPECT_EQ(DesignTag(panel), 1);
  choose("Enabled", "True");
  EXPECT_FALSE(HasLine(Initialization(), "        Panel1.enable(false);"));
  EXPECT_EQ(DesignTag(panel), 11);
  choose("Visible", "False");
  EXPECT_TRUE(HasLine(Initialization(), "        Panel1.show(false);"));
  EXPECT_EQ(DesignTag(panel), 10);
}

namespace {

// Whether a cell shows its whole text: a framed cell without an indent of its own keeps half an
// "x" free before the text.
bool ShowsWhole(const QLabel* cell) {
  const int indent = cell->indent() >= 0      ? cell->indent()
                     : cell->frameWidth() > 0 ? cell->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                              : 0;
  return cell->fontMetrics().horizontalAdvance(cell->text()) <= cell->contentsRect().width() - indent;
}

}  // namespace

TEST_F(InspectorTest, NamesValuesAndListsShowWholeAtTheStartingAndTheLeastWidth) {
  NewForm(fkApplication);
  Inspector().Show();
  for (int width : {170, 0}) {
    Inspector().SetInspectorWidth(width);  // as at start-up, then the least width
    Inspector().SelectComponent(&Frame());
    QApplication::processEvents();
    for (int row = 0; row < 14; ++row) {
      EXPECT_TRUE(ShowsWhole(Inspector().FPropNamePanels[row])) << row;
      EXPECT_TRUE(ShowsWhole(Inspector().FPropValuePanels[row])) << row;
    }
    Inspector().Page1->setCurrentWidget(Inspector().EvePage);
    QApplication::processEvents();
    for (TRowPanel* name : Inspector().FEventNamePanels) EXPECT_TRUE(ShowsWhole(name)) << name->text().toStdString();
    Inspector().Page1->setCurrentWidget(Inspector().ProPage);
    QApplication::processEvents();

    OpenRow("Cursor");
    TMiniEdit* editor = Inspector().miniEdit1;
    EXPECT_LE(editor->fontMetrics().horizontalAdvance("CROSSHAIR_CURSOR") + 4, editor->width());
    OpenRow("FontName");
    Inspector().miniArrow1Click();
    QListWidget* list = Inspector().miniList1;
    QApplication::processEvents();
    const int frame = 2 * list->frameWidth();
    EXPECT_GE(list->width(), list->sizeHintForColumn(0) + frame);
    EXPECT_GE(list->height(), list->count() * list->sizeHintForRow(0) + frame);
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    EXPECT_TRUE(Inspector().PropertyBackPanel->rect().contains(list->geometry()));
    Inspector().miniList1Exit();
  }
}

TEST_F(InspectorTest, EscapePutsTheStoredValueBackAndHandlersAreOfferedIgnoringCase) {
  NewForm(fkApplication);
  QWidget* button = Drop(ckButton, {10, 10});
  Inspector().Show();
  const std::string before = Active().Lines().Text();
  QWindow* window = Inspector().windowHandle();
  OpenRow("Left");
  QTest::keyClick(window, '5');
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_EQ(Inspector().miniEdit1->text(), "10");
  OpenRow("Top");
  EXPECT_EQ(button->x(), 10);

  for (const char* handler : {"Banana_Action", "apple_Action"})
    SetEventHandler(Frame().FHandlerList, std::string("X") + handler, "OnAction", handler);
  Inspector().Page1->setCurrentWidget(Inspector().EvePage);
  Inspector().Child2Click(Inspector().FEventValuePanels[0]);
  QListWidget* offered = Inspector().miniList2;
  ASSERT_EQ(offered->count(), 3);  // with the frame's WindowDestroy handler
  EXPECT_EQ(offered->item(0)->text(), "apple_Action");
  EXPECT_EQ(offered->item(1)->text(), "Banana_Action");
  QTest::keyClick(window, 'x');
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_EQ(Inspector().miniEdit2->text(), "");
  Inspector().Child2Click(Inspector().FEventValuePanels[1]);
  EXPECT_EQ(Active().Lines().Text(), before);
}
