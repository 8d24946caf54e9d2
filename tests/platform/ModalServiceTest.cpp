// The modal service: scripted answers, the log, and an unscripted request failing at once.
#include "TestSupport.h"
#include "platform/Dialogs.h"

using namespace platform;

class ModalScript : public testsupport::ScriptedTest {};

TEST_F(ModalScript, AnswersInOrderAndLogsWhatWasShown) {
  Modal().Queue(mrNo);
  Modal().Queue(mrCancel);
  EXPECT_EQ(MessageDlg("File x has been modified. Save file?", mtWarning, mbYesNoCancel), mrNo);
  EXPECT_EQ(MessageDlg("second", mtError, mbOK), mrCancel);
  ASSERT_EQ(Modal().Log().size(), 2u);
  EXPECT_EQ(Modal().Log()[0].caption, "Warning");
  EXPECT_EQ(Modal().Log()[0].buttons, (std::vector<std::string>{"Yes", "No", "Cancel"}));
  EXPECT_EQ(LastMessage(), "second");
}

TEST_F(ModalScript, UnscriptedRequestFailsAtOnce) {
  EXPECT_THROW(ShowMessage("nobody answers"), EUnexpectedModal);
}
