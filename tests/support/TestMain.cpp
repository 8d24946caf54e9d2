// Test main: one application object for the whole test program, headless, with dialogs scripted.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Forms.h"
#include "platform/ModalService.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  platform::TApplication app(argc, argv);
  platform::ModalService::Instance().SetScripted(true);
  // An event handler's error that could not be shown (a dialog nobody scripted) fails the test.
  app.OnUnshownError = [](const std::string& message) { ADD_FAILURE() << "event handler error: " << message; };
  return RUN_ALL_TESTS();
}
