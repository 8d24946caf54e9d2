// The lines every component kind writes, the radio groups, their removal with names that begin
// alike, dispatch clauses and routines, and the whole page compiled by the real javac.
#include "SurfaceFixture.h"
#include "designer/CodeWriter_f.h"
#include "designer/EventWriters.h"
#include "designer/ExtendedType.h"
#include "designer/JavaType.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"

using namespace designer;

namespace {

struct TDrop {
  int tool;
  QPoint at;
};

// Every kind the palette places, at free places of a 400 x 300 frame.
const TDrop kEveryKind[] = {
    {ckButton, {10, 10}},    {ckPanel, {10, 40}},      {ckTextField, {10, 90}}, {ckTextArea, {200, 10}},
    {ckLabel, {10, 120}},    {ckCheckbox, {10, 140}},  {ckRadioButton, {10, 160}}, {ckChoice, {200, 110}},
    {ckList, {200, 140}},    {ckScrollbar, {10, 190}}, {ckImage, {10, 220}},    {ckMenuBar, {130, 250}},
    {ckFileDialog, {350, 260}},
};

}  // namespace

TEST_F(SurfaceTest, EveryKindWritesItsLinesAndThePageCompiles) {
  NewForm(fkApplication);
  for (const TDrop& drop : kEveryKind) ASSERT_NE(Drop(drop.tool, drop.at), nullptr) << drop.tool;
  EXPECT_EQ(Declarations(), (Lines{
                                "    public Button Button1;",
                                "    public Panel Panel1;",
                                "    public TextField TextField1;",
                                "    public TextArea TextArea1;",
                                "    public Label Label1;",
                                "    public Checkbox CheckBox1;",
                                "    public CheckboxGroup CheckboxGrpInnoname01;",
                                "    public Checkbox RadioButton1;",
                                "    public Choice Choice1;",
                                "    public List List1;",
                                "    public Scrollbar ScrollBar1;",
                                "    public Image Image1;",
                                "    public MenuBar MenuBar1;",
                            }));
  const std::string font = ".setFont(new Font(\"Dialog\",Font.BOLD,12));";
  EXPECT_EQ(Initialization(), (Lines{
                                  "        Button1 = new Button(\"Button1\");",
                                  "        Button1" + font,
                                  "        Panel1 = new Panel();",
                                  "        Panel1.setLayout(null);",
                                  "        Panel1.setForeground(Color.black);",
                                  "        Panel1.setBackground(Color.lightGray);",
                                  "        Panel1" + font,
                                  "        TextField1 = new TextField(\"TextField1\");",
                                  "        TextField1.setForeground(Color.black);",
                                  "        TextField1.setBackground(Color.white);",
                                  "        TextField1" + font,
                                  "        TextArea1 = new TextArea(\"TextArea1\");",
                                  "        TextArea1.setForeground(Color.black);",
                                  "        TextArea1.setBackground(Color.white);",
                                  "        TextArea1" + font,
                                  "        Label1 = new Label(\"Label1\",Label.LEFT);",
                                  "        Label1" + font,
                                  "        CheckBox1 = new Checkbox(\"CheckBox1\");",
                                  "        CheckBox1.setBackground(Color.lightGray);",
                                  "        CheckBox1" + font,
                                  "        CheckboxGrpInnoname01 = new CheckboxGroup(); // CheckboxGroup in noname01",
                                  "        RadioButton1 = new Checkbox(\"RadioButton1\",CheckboxGrpInnoname01,true);",
                                  "        RadioButton1.setBackground(Color.lightGray);",
                                  "        RadioButton1" + font,
                                  "        Choice1 = new Choice();",
                                  "        Choice1" + font,
                                  "        List1 = new List();",
                                  "        List1.setForeground(Color.black);",
                                  "        List1.setBackground(Color.white);",
                                  "        List1" + font,
                                  "        ScrollBar1 = new Scrollbar(Scrollbar.HORIZONTAL);",
                                  "        ScrollBar1.setValues(0,22,0,0);",
                                  "        ScrollBar1.setBackground(Color.lightGray);",
                                  "        Image1 = Toolkit.getDefaultToolkit().getImage(\"\");",
                                  "        MenuBar1 = new MenuBar();",
                                  "        setMenuBar(MenuBar1);",
                              }));
  EXPECT_EQ(Adds(), (Lines{
                        "        add(ScrollBar1);",
                        "        add(List1);",
                        "        add(Choice1);",
                        "        add(RadioButton1);",
                        "        add(CheckBox1);",
                        "        add(Label1);",
                        "        add(TextArea1);",
                        "        add(TextField1);",
                        "        add(Panel1);",
                        "        add(Button1);",
                    }));
  EXPECT_EQ(Positions(), (Lines{
                             "        reshape(200,120,408,327);",
                             "        Button1.reshape(14,33+MenuBarHeight,75,25);",
                             "        Panel1.reshape(14,63+MenuBarHeight,185,41);",
                             "        TextField1.reshape(14,113+MenuBarHeight,121,25);",
                             "        TextArea1.reshape(204,33+MenuBarHeight,185,89);",
                             "        Label1.reshape(14,143+MenuBarHeight,65,17);",
                             "        CheckBox1.reshape(14,163+MenuBarHeight,97,17);",
                             "        RadioButton1.reshape(14,183+MenuBarHeight,113,17);",
                             "        Choice1.reshape(204,133+MenuBarHeight,100,25);",
                             "        List1.reshape(204,163+MenuBarHeight,121,97);",
                             "        ScrollBar1.reshape(14,213+MenuBarHeight,121,16);",
                         }));
  EXPECT_EQ(Section("// paint()", "// End of paint()"), (Lines{"        g.drawImage(Image1, 14,224,50,50, this);"}));
  // The file dialog writes nothing; its marker is on the frame.
  EXPECT_NE(Frame().findChild<TOpenDlg*>("OpenDlg1"), nullptr);

  std::string source = temp_.File("noname01.java");
  testsupport::WriteFile(source, Active().Lines().Text());
  int status = testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn noname01.java 2> javac.err");
  EXPECT_EQ(status, 0) << testsupport::ReadFile(temp_.File("javac.err"));
  EXPECT_TRUE(platform::FileExists(temp_.File("noname01.class")));
}

TEST_F(SurfaceTest, RadioButtonsShareTheirContainersGroupAndOnlyTheNewestIsOn) {
  NewForm(fkApplet);
  QWidget* first = Drop(ckRadioButton, {10, 10});
  QWidget* second = Drop(ckRadioButton, {10, 40});
  EXPECT_EQ(Declarations(), (Lines{"    public CheckboxGroup CheckboxGrpInnoname01;", "    public Checkbox RadioButton1;",
                                   "    public Checkbox RadioButton2;"}));
  Lines init = Initialization();
  ASSERT_EQ(init.size(), 7u);
  EXPECT_EQ(init[0], "        CheckboxGrpInnoname01 = new CheckboxGroup(); // CheckboxGroup in noname01");
  EXPECT_EQ(init[1], "        RadioButton1 = new Checkbox(\"RadioButton1\",CheckboxGrpInnoname01,false);");
  EXPECT_EQ(init[4], "        RadioButton2 = new Checkbox(\"RadioButton2\",CheckboxGrpInnoname01,true);");
  EXPECT_FALSE(qobject_cast<QAbstractButton*>(first)->isChecked());
  EXPECT_TRUE(qobject_cast<QAbstractButton*>(second)->isChecked());

  // Deleting one of two keeps the group; deleting the last takes it.
  Click(first, {2, 2});
  KeyDown(Qt::Key_Delete);
  EXPECT_EQ(Declarations(), (Lines{"    public CheckboxGroup CheckboxGrpInnoname01;", "    public Checkbox RadioButton2;"}));
  Click(second, {2, 2});
  KeyDown(Qt::Key_Delete);
  EXPECT_TRUE(Declarations().empty());
  EXPECT_TRUE(Initialization().empty());
  EXPECT_TRUE(Adds().empty());
}

TEST_F(SurfaceTest, DeletingPanel1sLastRadioButtonLeavesPanel10sGroupAlone) {
  NewForm(fkApplication);
  std::vector<QWidget*> panels;
  for (int i = 0; i < 10; ++i) panels.push_back(Drop(ckPanel, {5 + 200 * (i / 5), 2 + 58 * (i % 5)}));
  ASSERT_EQ(panels[9]->objectName(), "Panel10");
  // Panel10's group comes first in the source, so a plain substring search would find it for Panel1.
  Drop(ckRadioButton, {5, 5}, panels[9]);
  QWidget* radio = Drop(ckRadioButton, {5, 5}, panels[0]);
  ASSERT_EQ(radio->objectName(), "RadioButton2");
  Lines panel1Group = {"        CheckboxGrpInPanel1 = new CheckboxGroup(); // CheckboxGroup in Panel1"};
  Lines init = Initialization();
  EXPECT_NE(std::find(init.begin(), init.end(), panel1Group[0]), init.end());
  EXPECT_NE(std::find(init.begin(), init.end(),
                      "        RadioButton2 = new Checkbox(\"RadioButton2\",CheckboxGrpInPanel1,true);"),
            init.end());
  std::string before = Active().Lines().Text();

  Click(radio, {2, 2});
  KeyDown(Qt::Key_Delete);
  std::string after = Active().Lines().Text();
  EXPECT_EQ(after.find("CheckboxGrpInPanel1;"), std::string::npos);
  EXPECT_EQ(after.find("CheckboxGroup in Panel1\n"), std::string::npos);
  EXPECT_EQ(after.find("RadioButton2"), std::string::npos);
  for (const char* kept : {"    public CheckboxGroup CheckboxGrpInPanel10;",
                                  "        CheckboxGrpInPanel10 = new CheckboxGroup(); // CheckboxGroup in Panel10",
                                  "        RadioButton1 = new Checkbox(\"RadioButton1\",CheckboxGrpInPanel10,true);",
                                  "        Panel10.add(RadioButton1);"})
    EXPECT_NE(after.find(kept), std::string::npos) << kept;
  // Exactly the radio button's six lines and the group's two went.
  EXPECT_EQ(platform::SplitLines(before).size() - platform::SplitLines(after).size(), 8u);
}

TEST_F(SurfaceTest, DeletingAComponentTakesItsDispatchClausesAndBindingsButNotItsRoutine) {
  NewForm(fkApplet);
  Drop(ckButton, {10, 10});
  Drop(ckButton, {10, 50});
  WriteFrameSource(&Frame(), [] { WriteActionEvent("Button1", "Button1_Action"); }, false);
  WriteFrameSource(&Frame(), [] { WriteActionEvent("Button10", "Button10_Action"); }, false);
  SetEventHandler(Frame().FHandlerList, "Button1", "OnAction", "Button1_Action");
  EXPECT_EQ(Clauses(), (Lines{
                           "        if (evt.id == Event.WINDOW_DESTROY && evt.target == this) noname01_WindowDestroy(evt.target);",
                           "        else if (evt.id == Event.ACTION_EVENT && evt.target == Button1) Button1_Action(evt.target);",
                           "        else if (evt.id == Event.ACTION_EVENT && evt.target == Button10) Button10_Action(evt.target);",
                       }));
  EXPECT_EQ(Section("    public void Button1_Action(Object target)", "// End of Event Handling Routines"),
            (Lines{"    {", "    ", "    }", "", "    public void Button10_Action(Object target)", "    {", "    ", "    }", ""}));

  // The window clause goes; the next one begins with "if" again.
  WriteFrameSource(&Frame(), [] { RemoveEventClause("noname01", ecWindowDestroy); }, false);
  EXPECT_EQ(Clauses().front(),
            "        if (evt.id == Event.ACTION_EVENT && evt.target == Button1) Button1_Action(evt.target);");

  QWidget* first = Frame().findChild<QWidget*>("Button1");
  Click(first, {2, 2});
  KeyDown(Qt::Key_Delete);
  EXPECT_EQ(Clauses(), (Lines{"        if (evt.id == Event.ACTION_EVENT && evt.target == Button10) Button10_Action(evt.target);"}));
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "Button1", "OnAction"), "");
  EXPECT_GE(GetLineIndex("public void Button1_Action(Object target)"), 0);

  WriteFrameSource(&Frame(), [] { RemoveHandlerRoutine("Button1_Action"); }, false);
  EXPECT_EQ(GetLineIndex("public void Button1_Action("), -1);
  EXPECT_GE(GetLineIndex("public void Button10_Action(Object target)"), 0);
  EXPECT_GE(GetLineIndex("public void noname01_WindowDestroy(Object target)"), 0);
}

TEST_F(SurfaceTest, AMenuItemWithBindingsButNoActionGetsItsActionHandler) {
  NewForm(fkApplication);
  TJMenuItem item("Open", &Frame());
  item.setObjectName("MenuItem1");
  SetEventHandler(Frame().FHandlerList, "MenuItem1", "OnMouseDown", "MenuItem1_MouseDown");
  Frame().MenuItemClick(&item);
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "MenuItem1", "OnAction"), "MenuItem1_Action");
  EXPECT_EQ(Clauses().back(),
            "        else if (evt.id == Event.ACTION_EVENT && evt.target == MenuItem1) MenuItem1_Action(evt.target);");
  int routine = GetLineIndex("    public void MenuItem1_Action(Object target)");
  ASSERT_GE(routine, 0);
  // The caret stands at the end of the routine's body line.
  EXPECT_EQ(workbench::CaretLine, routine + 2);
  EXPECT_EQ(Editor().GetPageCount(), 1);

  // A second click only jumps: no second clause or routine.
  std::string written = Active().Lines().Text();
  Frame().MenuItemClick(&item);
  EXPECT_EQ(Active().Lines().Text(), written);
}

TEST_F(SurfaceTest, TheFrameWindowWritesItsOwnGeometry) {
  NewForm(fkApplication);
  Frame().SetLeft(250);
  Frame().SetTop(130);
  QApplication::processEvents();
  EXPECT_EQ(Positions().front(), "        reshape(250,130,408,327);");
  Frame().SetWidth(508);
  QApplication::processEvents();
  EXPECT_EQ(Positions().front(), "        reshape(250,130,508,327);");

  Modal().Queue(platform::mrNo);  // the application's page closes unsaved
  NewForm(fkApplet);
  Frame().SetLeft(250);
  Frame().SetTop(130);
  QApplication::processEvents();
  EXPECT_EQ(Positions().front(), "        resize(400,300);");  // an applet's place is the browser's
  Frame().SetHeight(227);
  QApplication::processEvents();
  EXPECT_EQ(Positions().front(), "        resize(400,200);");
}

TEST_F(SurfaceTest, AnAppletsImageIsReadFromTheCodeBase) {
  NewForm(fkApplet);
  QWidget* image = Drop(ckImage, {30, 40});
  EXPECT_EQ(image->metaObject()->className(), std::string("designer::TImage"));
  EXPECT_NE(qobject_cast<gif::TGifImage*>(image), nullptr);
  EXPECT_EQ(Initialization(), (Lines{"        Image1 = getImage(getCodeBase(), \"\");"}));
  EXPECT_EQ(Section("// paint()", "// End of paint()"), (Lines{"        g.drawImage(Image1, 30,40,50,50, this);"}));
  EXPECT_TRUE(Adds().empty());
  Drag(image, {5, 5}, {15, 25});
  EXPECT_EQ(Section("// paint()", "// End of paint()"), (Lines{"        g.drawImage(Image1, 40,60,50,50, this);"}));
  KeyDown(Qt::Key_Delete);
  EXPECT_TRUE(Declarations().empty());
  EXPECT_TRUE(Initialization().empty());
  EXPECT_TRUE(Section("// paint()", "// End of paint()").empty());
}

TEST_F(SurfaceTest, ACaptionFollowsTheNameWhileTheyAgreeAndACaptionNamingAComponentSurvivesItsRemoval) {
  NewForm(fkApplet);
  QWidget* button = Drop(ckButton, {10, 10});
  Drop(ckLabel, {10, 60});
  EXPECT_EQ(ComponentCaption(button), "Button1");
  SetComponentName(button, "OkButton");
  EXPECT_EQ(ComponentCaption(button), "OkButton");
  SetComponentCaption(button, "Press");
  SetComponentName(button, "Button1");
  EXPECT_EQ(ComponentCaption(button), "Press");
  EXPECT_EQ(button->objectName(), "Button1");

  int at = GetLineIndex("Label1 = new Label(");
  ASSERT_GE(at, 0);
  const std::string mentions = "        Label1 = new Label(\"Press Button1. (add(Button1) first)\",Label.LEFT);";
  Active().Lines().Put(at, mentions);
  Click(button, {2, 2});
  KeyDown(Qt::Key_Delete);
  EXPECT_EQ(Initialization().front(), mentions);
  EXPECT_EQ(Declarations(), (Lines{"    public Label Label1;"}));
  EXPECT_NE(Frame().findChild<QWidget*>("Label1"), nullptr);
}
