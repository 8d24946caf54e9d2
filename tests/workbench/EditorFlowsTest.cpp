// The editor's open, save, save-as and close flows with their messages, driven through the main
// window's commands with scripted dialogs, against real files.
#include "WorkbenchFixture.h"
#include "platform/SysUtils.h"
#include "workbench/ArgApplica.h"

using namespace platform;
using testsupport::ReadFile;
using testsupport::WriteFile;

TEST_F(WorkbenchTest, OpenAskedAgainForAMissingFileAndActivatesAnOpenOne) {
  WriteFile(temp_.File("A.java"), "class A {}\n");
  Modal().Queue(ModalAnswer{mrOk, temp_.File("Missing.java"), 0, {}});
  Modal().Queue(mrOk);  // the "There is no" box
  OpenThroughDialog(temp_.File("A.java"));
  EXPECT_EQ(Modal().Log()[1].text, "There is no\r " + temp_.File("Missing.java") + " .\r");
  EXPECT_EQ(Modal().Log()[1].caption, "Warning");
  ASSERT_EQ(Editor().GetPageCount(), 2);
  EXPECT_EQ(Editor().Page->Pages(1)->Caption(), "A.java");
  EXPECT_EQ(Editor().Caption(), temp_.File("A.java"));
  EXPECT_TRUE(Main().BrowserButton->isEnabled());
  EXPECT_FALSE(Active().Modified());
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "");
  // The same file again (named with other letter case) only activates its page.
  Editor().SelectPage(0);
  Editor().OpenFileByName(temp_.File("a.JAVA").substr(0, temp_.Path().size() + 1) + "A.java");
  EXPECT_EQ(Editor().GetPageCount(), 2);
  EXPECT_EQ(Editor().Page->currentIndex(), 1);
}

TEST_F(WorkbenchTest, TypedNameWithoutExtensionGetsTheFilterExtension) {
  WriteFile(temp_.File("B.java"), "class B {}\n");
  OpenThroughDialog(temp_.File("B"));
  EXPECT_EQ(Editor().ActiveFileName(), temp_.File("B.java"));
  // With "Any file (*.*)" nothing is appended.
  Active().Lines().Add("x");
  AnswerSaveDialog(temp_.File("plain"), 4);
  ASSERT_TRUE(Editor().SaveFileAs());
  EXPECT_EQ(Editor().ActiveFileName(), temp_.File("plain"));
  EXPECT_TRUE(FileExists(temp_.File("plain")));
}

TEST_F(WorkbenchTest, SaveOfAnUntitledPageGoesThroughTheDialogFromTheWorkingFolder) {
  Editor().SetWorkingDir(temp_.Path());
  Active().Lines().Add("class Hello {}");
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "Modified");
  AnswerSaveDialog(temp_.File("Hello"));
  Main().SaveFile1Click();
  EXPECT_EQ(Modal().Log().back().kind, "SaveDialog");
  EXPECT_EQ(Modal().Log().back().text, "noname01.java") << "the dialog does not propose the page's name";
  EXPECT_EQ(ReadFile(temp_.File("Hello.java")), "class Hello {}\n");
  EXPECT_EQ(Editor().Page->Pages(0)->Caption(), "Hello.java");
  EXPECT_EQ(Editor().Caption(), temp_.File("Hello.java"));
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "");
  EXPECT_TRUE(Main().BrowserButton->isEnabled());
  // Saving again unmodified writes nothing and asks nothing.
  WriteFile(temp_.File("Hello.java"), "changed outside");
  EXPECT_TRUE(Editor().SaveFile());
  EXPECT_EQ(ReadFile(temp_.File("Hello.java")), "changed outside");
}

TEST_F(WorkbenchTest, SaveAsOfAnUntitledPageProposesItsNameAndOfANamedPageNone) {
  Main().forApplet1Click();
  const std::string untitled = Editor().Page->ActivePage()->Caption();
  Modal().Queue(mrCancel);
  EXPECT_FALSE(Editor().SaveFileAs());
  EXPECT_EQ(Modal().Log().back().text, untitled);
  EXPECT_EQ(untitled, "noname02.java");
  AnswerSaveDialog(temp_.File("Named.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  Modal().Queue(mrCancel);
  EXPECT_FALSE(Editor().SaveFileAs());
  EXPECT_EQ(Modal().Log().back().text, "");
}

TEST_F(WorkbenchTest, SaveAsOverExistingFileAsksAndNoAsksForAnotherName) {
  WriteFile(temp_.File("Taken.java"), "keep me");
  Active().Lines().Add("class Taken {}");
  AnswerSaveDialog(temp_.File("Taken.java"));
  Modal().Queue(mrNo);
  AnswerSaveDialog(temp_.File("Other.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  EXPECT_EQ(Modal().Log()[1].text, "There exists\r " + temp_.File("Taken.java") + " .\rOverwrite it ?");
  EXPECT_EQ(Modal().Log()[1].buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(ReadFile(temp_.File("Taken.java")), "keep me");
  EXPECT_EQ(ReadFile(temp_.File("Other.java")), "class Taken {}\n");
  // Save As of a named page puts the old name on the reopen list.
  Active().Lines().Add("// more");
  AnswerSaveDialog(temp_.File("Third.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  EXPECT_EQ(Main().ReopenListToString(), temp_.File("Other.java") + "|");
}

TEST_F(WorkbenchTest, CloseAsksAboutAModifiedPageAndCancelKeepsIt) {
  Active().Lines().Add("text");
  Modal().Queue(mrCancel);
  Main().CloseFile1Click();
  EXPECT_EQ(Modal().Log().back().text, "File noname01.java has been modified. Save file?");
  EXPECT_EQ(Modal().Log().back().buttons, (std::vector<std::string>{"Yes", "No", "Cancel"}));
  EXPECT_EQ(Editor().GetPageCount(), 1);
  // Yes, then a cancelled save dialog, keeps the page open too.
  Modal().Queue(mrYes);
  Modal().Queue(mrCancel);
  Main().CloseFile1Click();
  EXPECT_EQ(Editor().GetPageCount(), 1);
  Modal().Queue(mrNo);
  Main().CloseFile1Click();
  EXPECT_EQ(Editor().GetPageCount(), 0);
  EXPECT_FALSE(Main().SaveFile1->Enabled());
  EXPECT_FALSE(Main().Find1->Enabled());
  EXPECT_TRUE(Main().OpenFile1->Enabled());
}

TEST_F(WorkbenchTest, ClosingAPageActivatesThePageBeforeIt) {
  for (int i = 0; i < 4; ++i) Main().NewJavafileClick();
  ASSERT_EQ(Editor().GetPageCount(), 5);
  Editor().SelectPage(3);
  Main().CloseFile1Click();
  EXPECT_EQ(Editor().Page->currentIndex(), 2);
  Editor().SelectPage(0);
  Main().CloseFile1Click();
  EXPECT_EQ(Editor().Page->currentIndex(), 0);
  EXPECT_EQ(Editor().Page->Pages(0)->Caption(), "noname02.java");
  EXPECT_EQ(Editor().Caption(), "noname02.java");
  // File names stay aligned with the tabs.
  for (int i = 0; i < Editor().GetPageCount(); ++i)
    EXPECT_EQ(Editor().GetPageFileName(i), Editor().Page->Pages(i)->Caption());
}

TEST_F(WorkbenchTest, CloseAllStopsAtTheFirstCancelAndKeepsTheGroupsForTheRest) {
  Main().NewHTMLfileClick();
  EXPECT_EQ(Editor().Page->Pages(1)->Caption(), "noname02.html");
  Active().Lines().Add("<p>");
  Editor().SelectPage(0);
  Main().NewJavafileClick();  // page 2, active, unmodified
  Editor().SelectPage(1);
  Modal().Queue(mrCancel);
  Main().CloseAll1Click();
  ASSERT_EQ(Modal().Log().size(), 1u);  // asked once, not again after the Cancel
  EXPECT_EQ(Editor().GetPageCount(), 3);
  EXPECT_TRUE(Main().SaveFile1->Enabled());
  EXPECT_TRUE(Main().Compile1->Enabled());
  EXPECT_TRUE(Main().Find1->Enabled());
}

TEST_F(WorkbenchTest, NewFileUnderTheAnyFileFilterMakesAJavaPage) {
  Editor().OpenDialog1->FilterIndex = 4;
  Main().newfileButtonClick();
  EXPECT_EQ(Editor().Page->Pages(1)->Caption(), "noname02.java");
  Editor().OpenDialog1->FilterIndex = 2;
  Main().newfileButtonClick();
  EXPECT_EQ(Editor().Page->Pages(2)->Caption(), "noname03.html");
}

TEST_F(WorkbenchTest, FilterSelectionEndsForAnExtensionNotInTheFilter) {
  Editor().OpenDialog1->FilterIndex = 2;
  Editor().SelectFilterForExt(".xyz");
  EXPECT_EQ(Editor().OpenDialog1->FilterIndex, 2);
  Editor().SelectFilterForExt(".txt");
  EXPECT_EQ(Editor().OpenDialog1->FilterIndex, 3);
  EXPECT_EQ(Editor().SaveDialog1->FilterIndex, 3);
}

TEST_F(WorkbenchTest, OpenFileListRoundTripReopensInOrder) {
  WriteFile(temp_.File("x.java"), "class x {}\n");
  WriteFile(temp_.File("y.java"), "class y {}\n");
  Main().CloseAll1Click();
  Editor().OpenFileByName(temp_.File("x.java"));
  Main().NewEditorFile("java");
  Editor().OpenFileByName(temp_.File("y.java"));
  std::string stored = Editor().GetOpenFileList();
  EXPECT_EQ(stored, temp_.File("y.java") + "|" + temp_.File("x.java") + "|");
  Editor().SetOpenFileList(stored);
  EXPECT_EQ(Editor().OpenFileList().Lines(), (std::vector<std::string>{temp_.File("x.java"), temp_.File("y.java")}));
  Editor().SetOpenFileList("/a/one.java|/a/two.java");  // last entry without "|" still ends
  EXPECT_EQ(Editor().OpenFileList().Count(), 2);
}

TEST_F(WorkbenchTest, PageChangeEmptiesTheApplicationArguments) {
  workbench::ArgForApplicaForm->ArgComboBox->setEditText("1 2 3");
  Main().NewJavafileClick();
  EXPECT_EQ(workbench::ArgForApplicaForm->ArgComboBox->currentText().toStdString(), "");
}

TEST_F(WorkbenchTest, ExitAsksForEveryModifiedPageAndCancelKeepsRunning) {
  Active().Lines().Add("unsaved");
  Modal().Queue(mrCancel);
  EXPECT_FALSE(Main().close());
  EXPECT_EQ(Modal().Log().back().text, "File noname01.java has been modified. Save file?");
  EXPECT_TRUE(Main().isVisible());
  Modal().Queue(mrNo);
  EXPECT_TRUE(Main().close());
  EXPECT_TRUE(workbench::WorkbenchClosing);
}
