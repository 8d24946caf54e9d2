// The active window's own menu answers its keys; a key it does not use reaches the main form's
// menu, but never from a modal window, which keeps the user in it.
#include <gtest/gtest.h>

#include "Keys.h"
#include "platform/Forms.h"
#include "platform/Menus.h"

TEST(MenuKeys, EachWindowAnswersItsOwnKeysAndTheMainMenuTheRestOutsideModalWindows) {
  platform::TForm main;
  int mainRefreshed = 0, mainFound = 0, otherRefreshed = 0;
  platform::TMenuItem* view = (new platform::TMainMenu(&main))->Add("&View");
  view->Add("&Refresh", [&] { ++mainRefreshed; }, "F5");
  view->Add("&Find", [&] { ++mainFound; }, "F6");
  platform::Application()->MainForm = &main;
  main.show();
  platform::TForm other;
  (new platform::TMainMenu(&other))->Add("&View")->Add("&Refresh", [&] { ++otherRefreshed; }, "F5");
  other.show();
  testsupport::TypeKey(other, Qt::Key_F5);
  testsupport::TypeKey(other, Qt::Key_F6);
  EXPECT_EQ(otherRefreshed, 1);
  EXPECT_EQ(mainRefreshed, 0);
  EXPECT_EQ(mainFound, 1);

  platform::TForm dialog;
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  testsupport::TypeKey(dialog, Qt::Key_F6);
  EXPECT_EQ(mainFound, 1);
  platform::Application()->MainForm = nullptr;
}
