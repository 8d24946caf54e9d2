// File > New Form: the page, its design frame, the handler list and the inspector entry of each
// kind, and the generated class compiled by the real javac.
#include "../workbench/WorkbenchFixture.h"
#include "designer/ExtendedType.h"
#include "designer/FormDesigner_f.h"
#include "designer/ObjIns.h"

using namespace platform;

namespace {

struct FormKind {
  int kind;
  const char* expectedFile;
  int lines;
};

std::string CommandOf(const FormKind& form) { return std::to_string(form.kind); }

class NewFormKinds : public WorkbenchTest, public ::testing::WithParamInterface<FormKind> {
 protected:
  void RunNewForm(int kind) {
    if (kind == 200) Main().forApplication1Click();
    else if (kind == 201) Main().forApplet1Click();
    else Main().forAnotherFrame1Click();
  }
};

}  // namespace

TEST_P(NewFormKinds, WritesTheClassTemplateThatJavacCompiles) {
  const FormKind& form = GetParam();
  Main().CloseAll1Click();  // the start page is untouched: no question
  RunNewForm(form.kind);

  ASSERT_EQ(Editor().GetPageCount(), 1);
  EXPECT_EQ(Editor().Page->Pages(0)->Caption(), "noname01.java");
  EXPECT_EQ(Active().Lines().Count(), form.lines);
  std::string expected = testsupport::ReadFile(std::string(TEST_DATA_DIR) + "/designer/" + form.expectedFile);
  EXPECT_EQ(Active().Lines().Text(), expected);

  std::string source = temp_.File("noname01.java");
  testsupport::WriteFile(source, Active().Lines().Text());
  int status = testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn noname01.java 2> javac.err");
  EXPECT_EQ(status, 0) << testsupport::ReadFile(temp_.File("javac.err"));
  EXPECT_TRUE(FileExists(temp_.File("noname01.class")));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, NewFormKinds,
                         ::testing::Values(FormKind{200, "NewApplication.java", 75},
                                           FormKind{201, "NewApplet.java", 79},
                                           FormKind{202, "NewAnotherFrame.java", 68}),
                         [](const auto& info) { return "Kind" + CommandOf(info.param); });

TEST_F(WorkbenchTest, NewFormOnPageSevenBindsFramePageHandlerAndInspectorEntry) {
  for (int i = 0; i < 5; ++i) Main().NewJavafileClick();  // noname02 .. noname06
  Main().forApplication1Click();

  TTabSheet* sheet = Editor().Page->ActivePage();
  ASSERT_EQ(sheet->Caption(), "noname07.java");
  auto* frame = qobject_cast<designer::TFrame*>(sheet->Tag());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Name(), "noname07");
  EXPECT_EQ(frame->Caption(), "noname07");
  EXPECT_EQ(frame->FrameId, 200);
  EXPECT_EQ(frame->FSourcePage, sheet);
  EXPECT_EQ(Main().FCurrentFrame, frame);
  EXPECT_EQ(Main().FPageFrame, frame);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(frame->FHandlerList.Lines(),
            (std::vector<std::string>{"[noname07]", "OnWindowDestroy = noname07_WindowDestroy", ""}));
  EXPECT_EQ(designer::GetEventHandler(frame->FHandlerList, "noname07", "OnWindowDestroy"), "noname07_WindowDestroy");
  QComboBox* combo = designer::ObjInsForm->ComboBox1;
  ASSERT_EQ(combo->count(), 1);
  EXPECT_EQ(combo->currentText().toStdString(), "noname07 : TFrame");
  // The program's own writes are over; the page shows as modified and the menu bar tool stays on.
  EXPECT_FALSE(workbench::SourceUpdating);
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "Modified");
  EXPECT_TRUE(Active().Modified());
  EXPECT_TRUE(Main().CompoMenu->isEnabled());
  EXPECT_EQ(Active().Lines()[4], "// Class noname07");
}

TEST_F(WorkbenchTest, AppletFormDisablesTheMenuBarToolUntilDesignToolsReturn) {
  Main().forApplet1Click();
  EXPECT_FALSE(Main().CompoMenu->isEnabled());
  EXPECT_EQ(Main().FCurrentFrame->FrameId, 201);
  Main().EnableDesignTools();
  EXPECT_TRUE(Main().CompoMenu->isEnabled());
}

TEST_F(WorkbenchTest, ClosingTheFormPageFreesItsFrame) {
  Main().forAnotherFrame1Click();
  QPointer<designer::TFrame> frame = Main().FCurrentFrame.data();
  ASSERT_NE(frame, nullptr);
  Modal().Queue(mrNo);  // do not save the modified page
  Main().CloseFile1Click();
  EXPECT_TRUE(frame.isNull());
  EXPECT_EQ(Editor().GetPageCount(), 1);
  EXPECT_EQ(Main().FPageFrame, nullptr);
}

TEST_F(WorkbenchTest, NewFormPastUntitledNinetyNineIsRefused) {
  Editor().OpenFileByName("noname99.java");  // a missing file opens as an empty page of that name
  int pages = Editor().GetPageCount();
  Modal().Queue(mrOk);
  Main().forApplication1Click();
  EXPECT_NE(LastMessage().find("noname99"), std::string::npos);
  EXPECT_EQ(Editor().GetPageCount(), pages);
  EXPECT_EQ(Main().FCurrentFrame, nullptr);
  EXPECT_FALSE(workbench::SourceUpdating);

  // Number 98 is still a class name.
  Main().CloseFile1Click();
  Editor().OpenFileByName("noname97.java");
  Main().forApplet1Click();
  EXPECT_EQ(Main().FCurrentFrame->Name(), "noname98");
}

TEST_F(WorkbenchTest, FindEditorShowsThePageOfTheCurrentFrame) {
  Main().forApplication1Click();
  designer::TFrame* first = Main().FCurrentFrame.data();
  Main().forAnotherFrame1Click();
  Editor().hide();
  Main().FCurrentFrame = first;
  Main().FindEditor();
  EXPECT_EQ(Editor().Page->ActivePage(), first->FSourcePage);
  EXPECT_EQ(Editor().Caption(), "noname02.java");
  EXPECT_TRUE(Editor().isVisible());
}
