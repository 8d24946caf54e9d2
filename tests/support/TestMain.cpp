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
  return RUN_ALL_TESTS();
}
