// The write protocol and the lost-marker recovery on real form pages: the rescue copy, the closed
// page and the frame that outlives its callers.
#include <QCoreApplication>
#include <QEvent>
#include <filesystem>

#include "../workbench/WorkbenchFixture.h"
#include "designer/CodeWriter_f.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"

using namespace platform;

namespace {

class LostMarkerTest : public WorkbenchTest {
 protected:
  // A new application form saved as Calc.java in the test's folder.
  designer::TFrame* SavedForm() {
    Main().forApplication1Click();
    AnswerSaveDialog(temp_.File("Calc.java"));
    Main().SaveFile1Click();
    return Main().FCurrentFrame.data();
  }
  void DeleteLineHolding(const std::string& text) {
    int line = designer::GetLineIndex(text);
    ASSERT_GE(line, 0);
    Active().Lines().Delete(line);
  }
  // A class rename under the write protocol; the page text as the writer left it.
  std::string RenameThroughProtocol(designer::TFrame* frame) {
    std::string pageAfterWrite;
    designer::WriteFrameSource(
        frame,
        [&] {
          designer::RenameClassCode(200, frame->Name(), "Calc");
          pageAfterWrite = Active().Lines().Text();
        },
        true);
    return pageAfterWrite;
  }
  static void FreeDeferred() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace

TEST_F(LostMarkerTest, WriteKeepsTheCaretAndMarksThePageModified) {
  designer::TFrame* frame = SavedForm();
  Active().SetSelStart(123);
  Editor().NewNonamePage("java");  // another page is active
  Active().Lines().Add("plain text");
  designer::WriteFrameSource(frame, [&] { designer::RenameClassCode(200, frame->Name(), "Calc"); }, true);
  EXPECT_EQ(Editor().Page->ActivePage(), frame->FSourcePage);
  EXPECT_EQ(Active().Lines()[0], "// {$R Calc.JFM}");
  EXPECT_EQ(Active().Lines()[5], "public class Calc extends Frame");
  EXPECT_GT(designer::GetLineIndex("       Calc Calc = new Calc();"), 0);
  EXPECT_EQ(Active().SelStart(), 123);
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "Modified");
  EXPECT_FALSE(workbench::SourceUpdating);
  EXPECT_FALSE(workbench::MarkerLost);
}

TEST_F(LostMarkerTest, LostMarkerOffersTheRescueSavesItAndClosesPageAndFrame) {
  QPointer<designer::TFrame> frame = SavedForm();
  DeleteLineHolding("// End of handleEvent()");
  int pages = Editor().GetPageCount();
  Modal().Queue(mrYes);  // save the rescue copy
  Modal().Queue(mrOk);   // where it went
  std::string pageAtFailure = RenameThroughProtocol(frame);

  const auto& log = Modal().Log();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2].caption, "Fatal error");
  EXPECT_EQ(log[log.size() - 2].text,
            "   Source codes in critical sections are modified deliberately   \r"
            "   and lost some important informations.   \r\r"
            "   This file will be closed now.   \r"
            "   Do you want to save this file ?   ");
  EXPECT_EQ(log.back().caption, "Morvane 0.64");
  EXPECT_EQ(log.back().text, "   This file was saved as $Morvane.tmp in   \r   " + temp_.Path() + "/   " +
                                 "   You better not reload this file until it is fixed.   ");
  // The copy holds the lines as the writer left them, the renamed ones included.
  EXPECT_EQ(testsupport::ReadFile(temp_.File("$Morvane.tmp")), pageAtFailure);
  EXPECT_NE(pageAtFailure.find("// {$R Calc.JFM}"), std::string::npos);
  // The file on disk keeps its last saved state.
  EXPECT_NE(testsupport::ReadFile(temp_.File("Calc.java")).find("// End of handleEvent()"), std::string::npos);

  EXPECT_EQ(Editor().GetPageCount(), pages - 1);
  EXPECT_EQ(Editor().FindOpenFile(temp_.File("Calc.java")), -1);
  EXPECT_EQ(Main().Reopen1->Items(0)->Caption(), temp_.File("Calc.java"));
  EXPECT_FALSE(workbench::MarkerLost);
  EXPECT_EQ(Main().FCurrentFrame, nullptr);
  EXPECT_EQ(Main().FPageFrame, nullptr);
  EXPECT_EQ(designer::ObjInsForm->ComboBox1->count(), 0);
  EXPECT_TRUE(Main().CompoMenu->isEnabled());
  EXPECT_EQ(Main().FSelectedTool, 100);
  // The frame outlives the writers still on the stack, hidden, and goes once they have returned.
  ASSERT_FALSE(frame.isNull());
  EXPECT_FALSE(frame->isVisible());
  FreeDeferred();
  EXPECT_TRUE(frame.isNull());
}

TEST_F(LostMarkerTest, AnsweringNoWritesNoCopyButStillClosesThePage) {
  QPointer<designer::TFrame> frame = SavedForm();
  DeleteLineHolding("// End of Frame Initialization");
  Modal().Queue(mrNo);
  designer::WriteFrameSource(frame, [] { designer::WriteFrameInitialization(200); }, true);
  EXPECT_FALSE(FileExists(temp_.File("$Morvane.tmp")));
  EXPECT_EQ(Editor().FindOpenFile(temp_.File("Calc.java")), -1);
  FreeDeferred();
  EXPECT_TRUE(frame.isNull());
}

TEST_F(LostMarkerTest, FailedRescueIsReportedWithItsPathAndThePageStillCloses) {
  QPointer<designer::TFrame> frame = SavedForm();
  DeleteLineHolding("// End of handleEvent()");
  ASSERT_TRUE(testsupport::MakeFolderReadOnly(temp_.Path()));
  Modal().Queue(mrYes);
  Modal().Queue(mrOk);
  RenameThroughProtocol(frame);
  testsupport::MakeFolderWritable(temp_.Path());
  EXPECT_NE(LastMessage().find(temp_.File("$Morvane.tmp")), std::string::npos);
  EXPECT_EQ(LastMessage().find("was saved"), std::string::npos);
  EXPECT_FALSE(FileExists(temp_.File("$Morvane.tmp")));
  EXPECT_EQ(Editor().FindOpenFile(temp_.File("Calc.java")), -1);
  FreeDeferred();
  EXPECT_TRUE(frame.isNull());
}

TEST_F(LostMarkerTest, UntitledPageRescuesIntoTheCurrentFolderAndLeavesReopenAlone) {
  Main().forAnotherFrame1Click();
  QPointer<designer::TFrame> frame = Main().FCurrentFrame.data();
  DeleteLineHolding("// End of Event Handling Routines");
  std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(temp_.Path());
  Modal().Queue(mrYes);
  Modal().Queue(mrOk);
  designer::WriteFrameSource(frame, [] { designer::RenameClassCode(202, "noname02", "Dialog1"); }, false);
  std::filesystem::current_path(before);
  EXPECT_TRUE(FileExists(temp_.File("$Morvane.tmp")));
  EXPECT_NE(LastMessage().find(temp_.Path() + "/"), std::string::npos);
  EXPECT_EQ(Main().Reopen1->Count(), 0);
  EXPECT_EQ(Editor().GetPageCount(), 1);
}

TEST_F(LostMarkerTest, RecoveryClosesTheLostFramesPageNotTheActiveOne) {
  QPointer<designer::TFrame> lost = SavedForm();
  Main().forApplet1Click();  // another form, now active and current
  QPointer<designer::TFrame> other = Main().FCurrentFrame.data();
  Editor().SelectPage(Editor().Page->indexOf(lost->FSourcePage));
  DeleteLineHolding("// Constructor");
  Editor().SelectPage(Editor().Page->indexOf(other->FSourcePage));
  Modal().Queue(mrNo);
  designer::WriteFrameSource(lost, [&] { designer::RenameClassCode(200, lost->Name(), "Calc"); }, true);
  FreeDeferred();
  EXPECT_TRUE(lost.isNull());
  ASSERT_FALSE(other.isNull());
  EXPECT_NE(other->FSourcePage, nullptr);
  EXPECT_EQ(Editor().FindOpenFile(temp_.File("Calc.java")), -1);
  EXPECT_EQ(Main().FCurrentFrame, other);
}

TEST_F(LostMarkerTest, RecoveringTheLastPageHidesTheEditorAndTurnsPageCommandsOff) {
  Main().CloseAll1Click();
  Main().forApplet1Click();
  QPointer<designer::TFrame> frame = Main().FCurrentFrame.data();
  DeleteLineHolding("// End of Frame Initialization");
  Modal().Queue(mrNo);
  designer::WriteFrameSource(frame, [] { designer::WriteFrameInitialization(201); }, true);
  EXPECT_EQ(Editor().GetPageCount(), 0);
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_FALSE(Main().SaveFile1->Enabled());
  EXPECT_FALSE(Main().Compile1->Enabled());
  EXPECT_FALSE(Main().Find1->Enabled());
  EXPECT_TRUE(Main().CompoMenu->isEnabled());
  FreeDeferred();
  EXPECT_TRUE(frame.isNull());
}

TEST_F(LostMarkerTest, NoFrameOrNoPageWritesNothing) {
  int runs = 0;
  designer::WriteFrameSource(nullptr, [&] { ++runs; }, true);
  Main().forApplication1Click();
  designer::TFrame* frame = Main().FCurrentFrame.data();
  std::string text = Active().Lines().Text();
  frame->FSourcePage = nullptr;
  designer::WriteFrameSource(frame, [&] { ++runs; }, true);
  EXPECT_FALSE(designer::ActivateFrameSource(frame));
  designer::LoadCodeTemplate(201);
  designer::WriteFrameInitialization(200);
  EXPECT_EQ(runs, 0);
  EXPECT_EQ(Active().Lines().Text(), text);
  EXPECT_FALSE(workbench::MarkerLost);
}
