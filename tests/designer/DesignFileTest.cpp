// The design file beside a designed class's source: written on every save of its page, read back
// when the source is opened, and refused whole when it is damaged.
#include <QComboBox>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include <sys/mount.h>
#include <sys/resource.h>

#include "SurfaceFixture.h"
#include "designer/DesignFile.h"
#include "designer/ExtendedType.h"
#include "designer/JavaType.h"
#include "designer/ObjIns.h"
#include "platform/SysUtils.h"

using namespace designer;
using platform::mrOk;

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> InspectorEntries() {
  std::vector<std::string> entries;
  QComboBox* combo = ObjInsForm->ComboBox1;
  for (int i = 0; i < combo->count(); ++i) entries.push_back(combo->itemText(i).toStdString());
  return entries;
}

// Name, class, parent and geometry of every component, and the handler bindings: what a design
// must keep through a save and a read.
std::vector<std::string> DesignSummary(TFrame& frame) {
  std::vector<std::string> summary{frame.Name() + " " + std::to_string(frame.FrameId) + " " + frame.Caption()};
  for (QWidget* c : frame.Components()) {
    if (frame.IsHandlePanel(c)) continue;
    const QRect g = c->geometry();
    summary.push_back(c->objectName().toStdString() + " " + c->metaObject()->className() + " in " +
                      c->parentWidget()->objectName().toStdString() + " " + std::to_string(g.x()) + "," +
                      std::to_string(g.y()) + "," + std::to_string(g.width()) + "," + std::to_string(g.height()) +
                      (c->isHidden() ? " hidden" : ""));
  }
  for (int i = 0; i < frame.FHandlerList.Count(); ++i) summary.push_back(frame.FHandlerList[i]);
  return summary;
}

// A design holding every kind of block: captions with " = " and " : ", a text area with an empty
// line, a panel holding controls, menus three levels deep, and both markers.
const std::vector<std::string> kEveryKind = {
    "Form1 : TFrame", "  Background = lightGray", "  Caption = Form = Title : one", "  FontName = Dialog",
    "  FontSize = 12", "  FontStyle = [BOLD]", "  Foreground = blue", "  FrameId = 200", "  Height = 327",
    "  Left = 200", "  Tag = 1111", "  Top = 120", "  Width = 408", "  OnWindowDestroy = Form1_WindowDestroy", "",
    "Panel1 : TPanel", "  Background = yellow", "  FontName = Dialog", "  FontSize = 10", "  FontStyle = []",
    "  Foreground = black", "  Height = 80", "  Left = 10", "  Parent = Form1", "  Tag = 11", "  Top = 10",
    "  Width = 200", "",
    "Button1 : TButton", "  Caption = OK = fine", "  FontName = Dialog", "  FontSize = 10",
    "  FontStyle = [ITALIC]", "  Height = 25", "  Left = 5", "  Parent = Panel1", "  Tag = 11", "  Top = 6",
    "  Width = 75", "  OnAction = Button1_Action", "  OnGotFocus = Button1_GotFocus", "",
    "RadioButton1 : TRadioButton", "  Background = lightGray", "  Caption = One", "  Checked = False",
    "  FontName = Dialog", "  FontSize = 10", "  FontStyle = []", "  Height = 17", "  Left = 90",
    "  Parent = Panel1", "  Tag = 11", "  Top = 6", "  Width = 100", "",
    "TextField1 : TTextField", "  Background = white", "  FontName = Dialog", "  FontSize = 10", "  FontStyle = []",
    "  Foreground = black", "  Height = 25", "  Left = 220", "  Parent = Form1", "  PasswdChar = 42", "  Tag = 11",
    "  Text = secret", "  Top = 10", "  Width = 121", "",
    "TextArea1 : TTextArea", "  Background = white", "  FontName = Courier", "  FontSize = 10",
    "  FontStyle = [BOLD,ITALIC]", "  Foreground = red", "  Height = 89", "  Left = 10", "  Parent = Form1",
    "  Tag = 11", "  Top = 100", "  Width = 185", "  Items[3]", "first line", "", "third line", "",
    "Label1 : TLabel", "  Align = CENTER", "  Caption = Name : here", "  FontName = Dialog", "  FontSize = 10",
    "  FontStyle = []", "  Height = 17", "  Left = 220", "  Parent = Form1", "  Tag = 1", "  Top = 40",
    "  Width = 65", "",
    "CheckBox1 : TCheckBox", "  Background = lightGray", "  Caption = CheckBox1", "  Checked = True",
    "  FontName = Dialog", "  FontSize = 10", "  FontStyle = []", "  Height = 17", "  Left = 220",
    "  Parent = Form1", "  Tag = 11", "  Top = 60", "  Width = 97", "",
    "Choice1 : TChoice", "  FontName = Dialog", "  FontSize = 10", "  FontStyle = []", "  Height = 25",
    "  Left = 220", "  Parent = Form1", "  Tag = 11", "  Top = 90", "  Width = 100", "  Items[2]", "red",
    "green", "  OnListSelect = Choice1_ListSelect", "",
    "List1 : TList", "  Background = white", "  FontName = Dialog", "  FontSize = 10", "  FontStyle = []",
    "  Foreground = black", "  Height = 97", "  Left = 220", "  MultiSelect = True", "  Parent = Form1",
    "  Tag = 10", "  Top = 120", "  Width = 121", "  Items[0]", "",
    "ScrollBar1 : TScrollBar", "  Background = lightGray", "  Height = 120", "  Left = 350", "  LineInc = 2",
    "  Max = 50", "  Min = 5", "  Orientation = VERTICAL", "  PageInc = 10", "  Parent = Form1", "  Tag = 11",
    "  Top = 50", "  Value = 7", "  Width = 16", "  OnScrollAbsolute = ScrollBar1_ScrollAbsolute", "",
    "Image1 : TImage", "  FileName = ", "  Height = 50", "  Left = 10", "  Picture = ", "  Tag = 11",
    "  Top = 200", "  Width = 60", "",
    "MenuBar1 : TMenuBar", "  Owner = Form1", "  Items[2]", "    Items[0] = MenuBar1File",
    "      Caption = &File", "      Enabled = True", "      Tag = 11", "    Items[1] = MenuBar1Edit",
    "      Caption = Edit", "      Enabled = False", "      Tag = 1", "",
    "MenuBar1FileOpen : TJMenuItem", "  Caption = Open", "  Checkable = False", "  Checked = False",
    "  Enabled = True", "  Parent = MenuBar1File", "  Tag = -1", "  OnAction = MenuBar1FileOpen_Action", "",
    "MenuBar1FileRecent : TJMenuItem", "  Caption = Recent", "  Checkable = False", "  Checked = False",
    "  Enabled = True", "  Parent = MenuBar1File", "  Tag = -1", "",
    "MenuBar1FileRecentOne : TJMenuItem", "  Caption = One", "  Checkable = True", "  Checked = True",
    "  Enabled = False", "  Parent = MenuBar1FileRecent", "  Tag = -1", "",
    "MenuBar1EditUndo : TJMenuItem", "  Caption = Undo", "  Checkable = False", "  Checked = False",
    "  Enabled = True", "  Parent = MenuBar1Edit", "  Tag = -1", "",
    "MMB : TBBTN", "  Left = 380", "  Top = 0", "  Visible = True", "",
    "OpenDlg1 : TOpenDlg", "  FileName = *.txt", "  InitialDir = C:\\data", "  Left = 300", "  Top = 200", "",
};

class DesignFileTest : public SurfaceTest {
 protected:
  void WriteText(const std::string& name, const std::string& text) { platform::WriteFileAtomic(temp_.File(name), text); }
  // Reads a design file into the active page, as the editor does when it opens a source.
  TFrame* Load(const std::string& name) {
    Main().NewJavafileClick();
    return LoadDesignFile(platform::IncludeTrailingPathDelimiter(temp_.Path()), name);
  }
  int FrameCount() { return static_cast<int>(Main().findChildren<TFrame*>().size()); }
};

}  // namespace

TEST_F(DesignFileTest, EveryKindOfBlockIsReadAndWrittenBackAsItWas) {
  std::string text = Joined(kEveryKind);
  // The reader takes LF ends as well as CR LF.
  std::string unixText = text;
  std::erase(unixText, '\r');
  WriteText("Form1.jfm", unixText);
  TFrame* frame = Load("Form1");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(Main().FCurrentFrame, frame);
  EXPECT_EQ(Editor().Page->ActivePage()->Tag(), frame);
  EXPECT_EQ(frame->FSourcePage, Editor().Page->ActivePage());
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(Joined(DesignText(*frame).Lines()), text);
  EXPECT_EQ(InspectorEntries(),
            (std::vector<std::string>{"Button1 : TButton", "CheckBox1 : TCheckBox", "Choice1 : TChoice",
                                      "Form1 : TFrame", "Image1 : TImage", "Label1 : TLabel", "List1 : TList",
                                      "MenuBar1 : TMenuBar", "OpenDlg1 : TOpenDlg", "Panel1 : TPanel",
                                      "RadioButton1 : TRadioButton", "ScrollBar1 : TScrollBar",
                                      "TextArea1 : TTextArea", "TextField1 : TTextField"}));
  EXPECT_TRUE(frame->findChild<TMenuBar*>()->isVisible());
  // Controls lie where Parent says; menu items hang under their parents and answer clicks.
  EXPECT_EQ(frame->findChild<QWidget*>("Button1")->parentWidget()->objectName(), "Panel1");
  EXPECT_EQ(frame->findChild<TTextArea*>("TextArea1")->toPlainText().toStdString(), "first line\n\nthird line");
  ASSERT_NE(FindMenuItem("MenuBar1FileRecentOne"), nullptr);
  EXPECT_EQ(FindMenuItem("MenuBar1FileRecentOne")->parent(), FindMenuItem("MenuBar1FileRecent"));
  EXPECT_TRUE(static_cast<bool>(FindMenuItem("MenuBar1EditUndo")->OnClick));
  EXPECT_FALSE(Main().CompoMenu->isEnabled());
  EXPECT_FALSE(Main().CompoOpenDlg->isEnabled());

  // Saving writes the same bytes, CR LF ended.
  std::filesystem::remove(temp_.File("Form1.jfm"));
  SaveDesignFile(platform::IncludeTrailingPathDelimiter(temp_.Path()), *frame);
  EXPECT_EQ(platform::ReadFileBytes(temp_.File("Form1.jfm")), text);
}

TEST_F(DesignFileTest, AnEmptyFrameHasItsBlockAndTheHiddenMenuBarMarkerOnly) {
  TFrame& frame = NewForm(fkApplet);
  SetDesignTag(&frame, 1111);
  std::vector<std::string> lines = DesignText(frame).Lines();
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "noname01 : TFrame");
  EXPECT_EQ(lines[7], "  FrameId = 201");
  EXPECT_EQ(lines[13], "  OnWindowDestroy = noname01_WindowDestroy");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 14, lines.end()),
            (std::vector<std::string>{"", "MMB : TBBTN", "  Left = 0", "  Top = 0", "  Visible = False", ""}));
}

TEST_F(DesignFileTest, AFormSavedClosedAndOpenedAgainComesBackWhole) {
  std::filesystem::copy_file(TEST_DATA_DIR "/gif/anim.gif", temp_.File("anim.gif"));
  TFrame& frame = NewForm(fkApplet);
  Drop(ckButton, {20, 20});
  QWidget* panel = Drop(ckPanel, {20, 80});
  Drop(ckButton, {10, 10}, panel);
  Drop(ckLabel, {220, 20});
  Drop(ckRadioButton, {220, 50});
  Drop(ckRadioButton, {220, 80});
  auto* image = static_cast<TImage*>(Drop(ckImage, {300, 150}));
  image->FileName = "anim.gif";
  image->LoadFromFile(temp_.File("anim.gif"));
  image->PicturePath = temp_.File("anim.gif");
  SetEventHandler(frame.FHandlerList, "Button1", "OnAction", "Button1_Action");
  const std::vector<std::string> before = DesignSummary(frame);

  AnswerSaveDialog(temp_.File("Applet1.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  const std::string written = platform::ReadFileBytes(temp_.File("noname01.jfm"));
  // Font and place of each control as the surface gives them; the panel's button names the panel.
  auto control = [](const std::string& header, const std::vector<std::string>& first,
                    const std::vector<std::string>& place) {
    std::vector<std::string> lines{header};
    lines.insert(lines.end(), first.begin(), first.end());
    lines.insert(lines.end(), {"  FontName = Dialog", "  FontSize = 12", "  FontStyle = [BOLD]"});
    lines.insert(lines.end(), place.begin(), place.end());
    lines.push_back("");
    return lines;
  };
  std::vector<std::string> expected = {
      "noname01 : TFrame", "  Background = lightGray", "  Caption = noname01", "  FontName = Dialog",
      "  FontSize = 12", "  FontStyle = [BOLD]", "  Foreground = black", "  FrameId = 201", "  Height = 327",
      "  Left = 200", "  Tag = 1111", "  Top = 120", "  Width = 408", "  OnWindowDestroy = noname01_WindowDestroy",
      ""};
  for (const auto& block :
       {control("Button1 : TButton", {"  Caption = Button1"},
                {"  Height = 25", "  Left = 20", "  Parent = noname01", "  Tag = 11", "  Top = 20", "  Width = 75",
                 "  OnAction = Button1_Action"}),
        control("Panel1 : TPanel", {"  Background = lightGray"},
                {"  Foreground = black", "  Height = 41", "  Left = 20", "  Parent = noname01", "  Tag = 11",
                 "  Top = 80", "  Width = 185"}),
        control("Button2 : TButton", {"  Caption = Button2"},
                {"  Height = 25", "  Left = 10", "  Parent = Panel1", "  Tag = 11", "  Top = 10", "  Width = 75"}),
        control("Label1 : TLabel", {"  Align = LEFT", "  Caption = Label1"},
                {"  Height = 17", "  Left = 220", "  Parent = noname01", "  Tag = 1", "  Top = 20", "  Width = 65"}),
        control("RadioButton1 : TRadioButton",
                {"  Background = lightGray", "  Caption = RadioButton1", "  Checked = False"},
                {"  Height = 17", "  Left = 220", "  Parent = noname01", "  Tag = 11", "  Top = 50", "  Width = 113"}),
        control("RadioButton2 : TRadioButton",
                {"  Background = lightGray", "  Caption = RadioButton2", "  Checked = True"},
                {"  Height = 17", "  Left = 220", "  Parent = noname01", "  Tag = 11", "  Top = 80", "  Width = 113"})})
    expected.insert(expected.end(), block.begin(), block.end());
  expected.insert(expected.end(), {"Image1 : TImage", "  FileName = anim.gif", "  Height = 50", "  Left = 300",
                                   "  Picture = " + temp_.File("anim.gif"), "  Tag = 0", "  Top = 150", "  Width = 50",
                                   "", "MMB : TBBTN", "  Left = 0", "  Top = 0", "  Visible = False", ""});
  EXPECT_EQ(written, Joined(expected));

  Editor().ClosePage();
  EXPECT_EQ(FrameCount(), 0);
  Editor().OpenFileByName(temp_.File("Applet1.java"));
  TFrame* again = Main().FCurrentFrame.data();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Editor().Page->ActivePage()->Tag(), again);
  EXPECT_EQ(DesignSummary(*again), before);
  EXPECT_FALSE(workbench::SourceUpdating);
  EXPECT_FALSE(Active().Modified());
  EXPECT_FALSE(again->findChild<TImage*>("Image1")->Picture().isNull());

  // Saving the page again writes the design unchanged.
  std::filesystem::remove(temp_.File("noname01.jfm"));
  Active().SetModified(true);
  ASSERT_TRUE(Editor().SaveFile());
  EXPECT_EQ(platform::ReadFileBytes(temp_.File("noname01.jfm")), written);
}

TEST_F(DesignFileTest, AnApplicationsMenuBarMarkerComesBackAboveTheControls) {
  NewForm(fkApplication);
  Drop(ckMenuBar, {300, 10});
  Drop(ckButton, {290, 5});
  AnswerSaveDialog(temp_.File("Frame1.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  Editor().ClosePage();
  EXPECT_TRUE(Main().CompoMenu->isEnabled());
  Editor().OpenFileByName(temp_.File("Frame1.java"));
  TFrame* frame = Main().FCurrentFrame.data();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->MMB->pos(), QPoint(300, 10));
  EXPECT_FALSE(frame->MMB->isHidden());
  EXPECT_FALSE(Main().CompoMenu->isEnabled());
  ASSERT_NE(frame->findChild<TMenuBar*>("MenuBar1"), nullptr);
  // The marker, made with the frame, is raised over the button read after it.
  QObjectList children = frame->ClientArea()->children();
  EXPECT_GT(children.indexOf(frame->MMB), children.indexOf(frame->findChild<QWidget*>("Button1")));
  EXPECT_EQ(InspectorEntries(),
            (std::vector<std::string>{"Button1 : TButton", "MenuBar1 : TMenuBar", "noname01 : TFrame"}));
}

TEST_F(DesignFileTest, ADesignThatCannotBeWrittenLeavesTheSourceUnsavedAndThePageModified) {
  NewForm(fkApplet);
  // A folder in the design file's place: the design cannot be written there.
  std::filesystem::create_directory(temp_.File("noname01.jfm"));
  AnswerSaveDialog(temp_.File("Applet1.java"));
  Modal().Queue(mrOk);
  EXPECT_FALSE(Editor().SaveFileAs());
  EXPECT_NE(LastMessage().find("noname01.jfm"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(temp_.File("Applet1.java")));
  EXPECT_EQ(Editor().Page->ActivePage()->Caption(), "noname01.java");
  EXPECT_TRUE(Active().Modified());
}

TEST_F(DesignFileTest, ADamagedDesignIsRefusedWholeAndTheSourceOpensAsPlainText) {
  WriteText("Form1.java", "// {$R Form1.JFM}\nclass Form1 {}\n");
  auto with = [](size_t at, const std::string& line) {
    std::vector<std::string> lines = kEveryKind;
    lines[at] = line;
    return Joined(lines);
  };
  const std::vector<std::pair<std::string, std::string>> damaged = {
      {Joined(std::vector<std::string>(kEveryKind.begin(), kEveryKind.begin() + 40)), "line 41: the file ends"},
      {with(15, "Gauge1 : TGauge"), "line 16: \"TGauge\" is no component class"},
      {with(21, "  Height = eighty"), "line 22: Height holds \"eighty\""},
      {with(204, "  Parent = MenuBar1Help"), "names no item read before it"},
      {with(28, "Panel1 : TButton"), "line 29: a second component named Panel1"},
      {with(0, "Form1 : TPanel"), "line 1: the file does not begin with its frame"},
      {with(7, "  FrameId = 7"), "line 8: FrameId = 7 lies outside 200..202"},
      {with(12, "  Width = 2147483647"), "line 13: Width = 2147483647 lies outside 0..32767"},
      {with(12, "  Width = -408"), "line 13: Width = -408 lies outside 0..32767"},
      {with(12, "  Width = 32000"), "line 13: Width = 32000 does not fit a frame on this screen"},
      {with(8, "  Height = 0"), "line 9: Height = 0 does not fit a frame on this screen"},
      {with(22, "  Left = -2147483648"), "line 23: Left = -2147483648 lies outside -32767..32767"},
      {with(18, "  FontSize = 100000"), "line 19: FontSize = 100000 lies outside 0..999"},
      {"", "it is empty"},
  };
  for (const auto& [text, reason] : damaged) {
    WriteText("Form1.jfm", text);
    Modal().Queue(mrOk);
    Editor().OpenFileByName(temp_.File("Form1.java"));
    EXPECT_NE(LastMessage().find("Form1.jfm cannot be read"), std::string::npos) << reason;
    EXPECT_NE(LastMessage().find(reason), std::string::npos) << LastMessage();
    EXPECT_EQ(Editor().Page->ActivePage()->Tag(), nullptr);
    EXPECT_EQ(FrameCount(), 0);
    EXPECT_EQ(Main().FCurrentFrame, nullptr);
    EXPECT_FALSE(workbench::SourceUpdating);
    EXPECT_FALSE(Active().Modified());
    EXPECT_EQ(Active().Lines().Get(1), "class Form1 {}");
    Editor().ClosePage();
  }
}

// Made its own parent, a panel would hang the workbench in Qt's walk up the widget tree.
TEST_F(DesignFileTest, APanelNamingItselfAsItsParentLiesOnTheFrame) {
  std::vector<std::string> lines = kEveryKind;
  lines[23] = "  Parent = Panel1";
  WriteText("Form1.jfm", Joined(lines));
  TFrame* frame = Load("Form1");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->findChild<QWidget*>("Panel1")->parentWidget(), frame->ClientArea());
}

TEST_F(DesignFileTest, PicturesAreLookedForBesideTheDesignWhateverSeparatorTheirPathHas) {
  std::filesystem::copy_file(TEST_DATA_DIR "/gif/anim.gif", temp_.File("anim.gif"));
  std::filesystem::copy_file(TEST_DATA_DIR "/gif/truncated.gif", temp_.File("truncated.gif"));
  std::vector<std::string> lines(kEveryKind.begin(), kEveryKind.begin() + 15);
  const std::vector<std::string> pictures = {"C:\\pics\\anim.gif", "/elsewhere/gone.gif", "truncated.gif"};
  for (size_t i = 0; i < pictures.size(); ++i) {
    std::string name = "Image" + std::to_string(i + 1);
    lines.insert(lines.end(), {name + " : TImage", "  FileName = x.gif", "  Height = 40", "  Left = 10",
                               "  Picture = " + pictures[i], "  Tag = 11", "  Top = 20", "  Width = 30", ""});
  }
  // A Parent that names no component puts the control on the frame.
  lines.insert(lines.end(), {"Button1 : TButton", "  Caption = B", "  FontName = Dialog", "  FontSize = 10",
                             "  FontStyle = []", "  Height = 25", "  Left = 5", "  Parent = Nowhere", "  Tag = 11",
                             "  Top = 6", "  Width = 75", ""});
  lines.insert(lines.end(), {"MMB : TBBTN", "  Left = 0", "  Top = 0", "  Visible = False", ""});
  WriteText("Form1.jfm", Joined(lines));
  Modal().Queue(mrOk);
  Modal().Queue(mrOk);
  TFrame* frame = Load("Form1");
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(Modal().Log().size(), 2u) << "one message for each image without its picture";
  EXPECT_EQ(Modal().Log()[0].text,
            "Form Designer : Image flie not found while loading.\rImage file should be in the same directory with .jfm "
            "file.");
  EXPECT_NE(Modal().Log()[1].text.find("Read beyond end of file"), std::string::npos) << Modal().Log()[1].text;
  auto* found = frame->findChild<TImage*>("Image1");
  EXPECT_FALSE(found->Picture().isNull());
  EXPECT_EQ(found->PicturePath, "C:\\pics\\anim.gif");
  auto* missing = frame->findChild<TImage*>("Image2");
  EXPECT_TRUE(missing->Picture().isNull());
  EXPECT_EQ(missing->geometry(), QRect(10, 20, 30, 40));
  EXPECT_EQ(frame->findChild<QWidget*>("Button1")->parentWidget(), frame->ClientArea());
  // The picture's place is kept for the day its file comes back: saving drops nothing.
  std::vector<std::string> written = DesignText(*frame).Lines();
  lines[std::find(lines.begin(), lines.end(), "  Parent = Nowhere") - lines.begin()] = "  Parent = Form1";
  EXPECT_EQ(written, lines);
}

TEST_F(DesignFileTest, ASourceOfTheFirstReleaseIsCompletedAfterItsDesignIsRead) {
  NewForm(fkApplication);
  AnswerSaveDialog(temp_.File("Frame1.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  Editor().ClosePage();
  // The first release wrote no paint() section.
  std::string source = platform::ReadFileBytes(temp_.File("Frame1.java"));
  for (const std::string marker : {"// End of paint()", "// paint()"}) {
    size_t at = source.find(marker);
    ASSERT_NE(at, std::string::npos);
    size_t start = source.rfind('\n', at) + 1;
    source.erase(start, source.find('\n', at) + 1 - start);
  }
  platform::WriteFileAtomic(temp_.File("Frame1.java"), source);
  Modal().Queue(mrOk);
  Editor().OpenFileByName(temp_.File("Frame1.java"));
  EXPECT_NE(LastMessage().find("will upgrade this file"), std::string::npos);
  ASSERT_NE(Main().FCurrentFrame, nullptr);
  EXPECT_EQ(Editor().Page->ActivePage()->Tag(), Main().FCurrentFrame);
  EXPECT_NE(platform::ReadFileBytes(temp_.File("Frame1.java")).find("// End of paint()"), std::string::npos);
  EXPECT_FALSE(Active().Modified());
}

// Every seed of the design file's fuzz target through the real windows: a refused design leaves no
// frame behind, an accepted one is written and read back to the same text.
TEST_F(DesignFileTest, EverySeedDesignIsRefusedWholeOrReadBackTheSame) {
  for (const auto& seed : std::filesystem::directory_iterator(TEST_DATA_DIR "/fuzz/jfm")) {
    const std::string text = platform::ReadFileBytes(seed.path().string());
    WriteText("Seed.jfm", text);
    Modal().Queue(mrOk);
    TFrame* frame = Load("Seed");
    if (frame == nullptr) {
      EXPECT_EQ(FrameCount(), 0) << seed.path();
      Editor().ClosePage();
      continue;
    }
    Modal().Reset();
    const std::string written = DesignText(*frame).Text();
    Editor().ClosePage();
    WriteText("Seed.jfm", written);
    frame = Load("Seed");
    ASSERT_NE(frame, nullptr) << seed.path();
    EXPECT_EQ(DesignText(*frame).Text(), written) << seed.path();
    Editor().ClosePage();
  }
}

namespace {

// A folder that can be made to refuse writes past about a page: a small tmpfs filled up to its last
// page where mounting is allowed, else a file-size limit on this process (a write past it fails as
// on a full disk). Either way the design file of a new form still fits and its source does not.
class TNearlyFullFolder {
 public:
  explicit TNearlyFullFolder(const std::string& path) : path_(path) {
    std::filesystem::create_directory(path);
    mounted_ = mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") == 0;
  }
  ~TNearlyFullFolder() {
    MakeRoom();
    if (mounted_) umount2(path_.c_str(), MNT_DETACH);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  void Fill() {
    if (mounted_) return FillToLastPage();
    signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = kLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
    limited_ = true;
  }
  void MakeRoom() {
    std::filesystem::remove(File(kFiller));
    if (limited_) setrlimit(RLIMIT_FSIZE, &saved_);
    limited_ = false;
  }

 private:
  static constexpr rlim_t kLimit = 1024;
  static constexpr const char* kFiller = "filler";
  static constexpr std::uintmax_t kPage = 4096;
  void FillToLastPage() {
    std::FILE* file = std::fopen(File(kFiller).c_str(), "wb");
    const std::string page(kPage, 'x');
    while (std::fwrite(page.data(), 1, page.size(), file) == page.size() && std::fflush(file) == 0) {
    }
    std::fclose(file);
    const std::uintmax_t pages = (std::filesystem::file_size(File(kFiller)) + kPage - 1) / kPage;
    std::filesystem::resize_file(File(kFiller), (pages - 1) * kPage);
  }
  std::string path_;
  bool mounted_ = false, limited_ = false;
  rlimit saved_{};
};

}  // namespace

// A save that cannot write the source leaves the design file as it was too, and says so; once the
// disk has room the next save writes both.
TEST_F(DesignFileTest, ASaveOntoAFullDiskLeavesTheSourceAndItsDesignAsTheyWere) {
  TNearlyFullFolder folder(temp_.File("disk"));
  NewForm(fkApplet);
  ASSERT_TRUE(Editor().SavePageFiles(0, folder.File("Applet1.java")));
  Editor().RenamePageFile(0, folder.File("Applet1.java"));
  const std::string design = platform::ReadFileBytes(folder.File("noname01.jfm"));
  const std::string source = platform::ReadFileBytes(folder.File("Applet1.java"));
  ASSERT_GT(source.size(), 1024u);
  Drop(ckButton, {20, 20});

  folder.Fill();
  Modal().Queue(mrOk);
  EXPECT_FALSE(Editor().SaveFile());
  folder.MakeRoom();
  const std::string message = LastMessage();
  EXPECT_NE(message.find("Cannot write file " + folder.File("Applet1.java")), std::string::npos) << message;
  EXPECT_NE(message.find("left as they were: " + folder.File("noname01.jfm") + ", " + folder.File("Applet1.java")),
            std::string::npos)
      << message;
  EXPECT_EQ(platform::ReadFileBytes(folder.File("noname01.jfm")), design);
  EXPECT_EQ(platform::ReadFileBytes(folder.File("Applet1.java")), source);
  for (const auto& entry : std::filesystem::directory_iterator(folder.File("")))
    EXPECT_NE(entry.path().filename().string()[0], '.') << "a temporary file stayed: " << entry.path();
  EXPECT_TRUE(Active().Modified());

  ASSERT_TRUE(Editor().SaveFile());
  EXPECT_NE(platform::ReadFileBytes(folder.File("noname01.jfm")).find("Button1 : TButton"), std::string::npos);
  EXPECT_NE(platform::ReadFileBytes(folder.File("Applet1.java")).find("Button1"), std::string::npos);
}
