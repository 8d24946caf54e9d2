// Start-up state, the command groups, the reopen list and the strip's fixed geometry.
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "Keys.h"
#include "WorkbenchFixture.h"
#include "designer/Lib.h"
#include "platform/Forms.h"
#include "platform/Launcher.h"

using namespace platform;

TEST_F(WorkbenchTest, StartsWithOneUntitledJavaPageAndTheGroupsAsAtStartUp) {
  EXPECT_EQ(Main().Caption(), "Morvane 0.64");
  ASSERT_EQ(Editor().GetPageCount(), 1);
  EXPECT_EQ(Editor().Page->Pages(0)->Caption(), "noname01.java");
  EXPECT_EQ(Editor().Caption(), "noname01.java");
  EXPECT_TRUE(Editor().isVisible());
  EXPECT_EQ(Main().FSelectedTool, 100);
  EXPECT_TRUE(Main().UnSelect1->isChecked());
  // New/open, file, search and run groups on; undo off; clipboard off without a selection.
  EXPECT_TRUE(Main().OpenFile1->Enabled());
  EXPECT_TRUE(Main().SaveFile1->Enabled());
  EXPECT_TRUE(Main().Print1->Enabled());
  EXPECT_FALSE(Main().Undo1->Enabled());
  EXPECT_FALSE(Main().Copy1->Enabled());
  EXPECT_FALSE(Main().copyButton->isEnabled());
  EXPECT_TRUE(Main().Find1->Enabled());
  EXPECT_FALSE(Main().FindNext1->Enabled());
  EXPECT_TRUE(Main().Compile1->Enabled());
  EXPECT_TRUE(Main().runButton->isEnabled());
  // An untitled page has no folder, so the class viewer stays off.
  EXPECT_FALSE(Main().BrowserButton->isEnabled());
  EXPECT_FALSE(Main().Reopen1->Enabled());
  EXPECT_FALSE(Main().Javap1->Visible());
  EXPECT_FALSE(Main().Evaluator1->Enabled());
  EXPECT_EQ(Main().Compile1->ShortCut(), "Ctrl+F9");
  EXPECT_EQ(Main().Run2->ShortCut(), "F9");
  EXPECT_EQ(Main().Reset1->ShortCut(), "Ctrl+F2");
  EXPECT_EQ(Main().SwapButton->Hint(), "Toggle Frame/Editor");
  EXPECT_EQ(Main().CompoOpenDlg->Hint(), "Open Dialog");
}

TEST_F(WorkbenchTest, WithoutPagesTheClipboardAndRunGroupsStayOffWhateverTheyAreAsked) {
  Main().CloseAll1Click();
  EXPECT_EQ(Editor().GetPageCount(), 0);
  EXPECT_FALSE(Editor().isVisible());
  Main().EnableRunCommands(true);
  Main().UpdateClipboardCommands();
  EXPECT_FALSE(Main().Compile1->Enabled());
  EXPECT_FALSE(Main().BrowserButton->isEnabled());
  EXPECT_FALSE(Main().Paste1->Enabled());
  EXPECT_FALSE(Main().SaveFile1->Enabled());
  Main().Run1Click();
  EXPECT_FALSE(Main().Reset1->Enabled());
  // New File then brings the file, search and run groups back.
  Main().newfileButtonClick();
  EXPECT_EQ(Editor().Page->Pages(0)->Caption(), "noname01.java");
  EXPECT_TRUE(Main().SaveFile1->Enabled());
  EXPECT_TRUE(Main().Compile1->Enabled());
}

TEST_F(WorkbenchTest, F12InTheStripShowsTheHiddenEditor) {
  Editor().close();
  ASSERT_FALSE(Editor().isVisible());
  testsupport::TypeKey(Main(), Qt::Key_F12);
  EXPECT_TRUE(Editor().isVisible());
}

TEST_F(WorkbenchTest, PaletteToolsSelectAndPageChangeReturnsToTheArrow) {
  Main().CompoButton->Click();
  EXPECT_EQ(Main().FSelectedTool, 102);
  EXPECT_FALSE(Main().UnSelect1->isChecked());
  Main().CompoAudioClip->Click();
  EXPECT_EQ(Main().FSelectedTool, 102);  // the audio clip selects nothing
  Main().Help2Click();
  ASSERT_FALSE(Launcher::Instance().Launched().empty());
  EXPECT_NE(Launcher::Instance().Launched().back().find("Morvane.html#Button"), std::string::npos);
  Main().ComponentPalette->setCurrentIndex(1);
  EXPECT_EQ(Main().FSelectedTool, 100);
  EXPECT_TRUE(Main().Unselect2->isChecked());
  Main().Help2Click();
  EXPECT_EQ(Launcher::Instance().Launched().back().find('#'), std::string::npos);
}

// The help command run live, as on a desktop: with no program to open the help file on the search
// path it says so, naming the file and what it looked for; with one, the file goes to it.
TEST_F(WorkbenchTest, HelpNamesTheFileAndTheOpenerItLookedForWhenThereIsNone) {
  const std::string helpFile = temp_.File("Morvane.html");
  testsupport::WriteFile(helpFile, "<html></html>");
  Application()->HelpFile = helpFile;
  const std::string folder = temp_.File("bin");
  std::filesystem::create_directory(folder);
  const std::string searchPath = std::getenv("PATH");
  setenv("PATH", folder.c_str(), 1);
  Launcher::Instance().SetRecording(false);
  struct RestorePath {
    std::string path;
    ~RestorePath() { setenv("PATH", path.c_str(), 1); }
  } restore{searchPath};

  Modal().Queue(mrOk);
  Main().Help2Click();
  EXPECT_NE(LastMessage().find(helpFile), std::string::npos) << LastMessage();
  EXPECT_NE(LastMessage().find("looked for xdg-open in the folders of PATH"), std::string::npos) << LastMessage();

  const std::string opened = temp_.File("opened");  // written whole, then renamed, for the wait below
  testsupport::WriteFile(folder + "/xdg-open",
                         "#!/bin/sh\necho \"$1\" > '" + opened + ".part'\n/bin/mv '" + opened + ".part' '" + opened + "'\n");
  std::filesystem::permissions(folder + "/xdg-open", std::filesystem::perms::owner_all);
  Main().Help2Click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(opened); }));
  EXPECT_EQ(testsupport::ReadFile(opened), "file://" + helpFile + "\n");
}

TEST_F(WorkbenchTest, ReopenListKeepsOrderLimitAndReplacesTheSameFile) {
  for (int i = 0; i < 11; ++i) Main().AddReopenItem(0, "/src/F" + std::to_string(i) + ".java");
  ASSERT_EQ(Main().Reopen1->Count(), 10);
  EXPECT_EQ(Main().Reopen1->Items(0)->Caption(), "/src/F10.java");
  EXPECT_EQ(Main().Reopen1->Items(9)->Caption(), "/src/F1.java");  // F0 was pushed out
  // A folder differing only in case names the same file; a name differing in case does not.
  Main().AddReopenItem(0, "/SRC/F5.java");
  EXPECT_EQ(Main().Reopen1->Count(), 10);
  EXPECT_EQ(Main().Reopen1->Items(0)->Caption(), "/SRC/F5.java");
  Main().AddReopenItem(0, "/src/f5.java");
  EXPECT_EQ(Main().Reopen1->Items(0)->Caption(), "/src/f5.java");
  EXPECT_EQ(Main().Reopen1->Items(1)->Caption(), "/SRC/F5.java");
  std::string text = Main().ReopenListToString();
  EXPECT_EQ(text.substr(0, 27), "/src/f5.java|/SRC/F5.java|/");
  Main().RemoveReopenItem("/src/f5.java");
  EXPECT_EQ(Main().Reopen1->Items(0)->Caption(), "/SRC/F5.java");
}

TEST_F(WorkbenchTest, StoredReopenListWithoutItsLastBarStillLoads) {
  Main().StringToReopenList("/a/A.java|/b/B.java");
  ASSERT_EQ(Main().Reopen1->Count(), 2);
  EXPECT_EQ(Main().Reopen1->Items(1)->Caption(), "/b/B.java");
  EXPECT_EQ(Main().ReopenListToString(), "/a/A.java|/b/B.java|");
  Main().EnableNewOpenCommands(true);
  EXPECT_TRUE(Main().Reopen1->Enabled());
}

TEST_F(WorkbenchTest, ReopeningAnEntryOpensItAndTakesItOffTheList) {
  testsupport::WriteFile(temp_.File("R.java"), "class R {}\n");
  Main().AddReopenItem(0, temp_.File("R.java"));
  Main().EnableNewOpenCommands(true);
  Main().Reopen1->Items(0)->Click();
  EXPECT_EQ(Editor().ActiveFileName(), temp_.File("R.java"));
  EXPECT_EQ(Active().Lines()[0], "class R {}");
  EXPECT_EQ(Main().Reopen1->Count(), 0);
  EXPECT_FALSE(Main().Reopen1->Enabled());
  Main().AddReopenItem(0, temp_.File("S.java"));  // as a later close or save-as does
  EXPECT_TRUE(Main().Reopen1->Enabled());
}

TEST_F(WorkbenchTest, StripKeepsItsHeightAndMinimumWidth) {
  int height = Main().Height();
  Main().SetBounds(0, 0, 300, 400);
  EXPECT_EQ(Main().Height(), height);
  EXPECT_GE(Main().Width(), 500);
  EXPECT_EQ(height, 19 + 19 + 70);
}
