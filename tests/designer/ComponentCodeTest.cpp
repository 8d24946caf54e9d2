// The lines every component kind writes, the radio groups, their removal with names that begin
// alike, dispatch clauses and routines, and the whole page compiled by the real javac.
#include "SurfaceFixture.h"
#include "designer/CodeWriter_f.h"
#include "designer/JavaType.h"
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
