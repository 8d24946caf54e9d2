// The modal service: scripted answers, the log, and an unscripted request failing at once.
#include "TestSupport.h"
#include "platform/Controls.h"
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

// An error raised by a handler that Qt's event delivery called ends in the error box there, and
// the delivery goes on: the button reports its click and the next click runs the handler again.
TEST_F(ModalScript, AHandlerErrorIsShownWhereQtCalledTheHandler) {
  QWidget window;
  TSpeedButton button(&window, "B", "hint");
  int clicks = 0;
  button.OnClick = [&] {
    ++clicks;
    throw Exception("the handler failed");
  };
  bool clicked = false;
  QObject::connect(&button, &QToolButton::clicked, [&] { clicked = true; });
  Modal().Queue(mrOk);
  Modal().Queue(mrOk);
  button.click();
  EXPECT_EQ(LastMessage(), "the handler failed");
  EXPECT_TRUE(clicked);
  button.click();
  EXPECT_EQ(clicks, 2);
}
