// Where a window opens: centred on the screen, and with its title bar within reach.
#include <gtest/gtest.h>

#include "platform/ScreenPlace.h"

using platform::TRect;

namespace {

const TRect kScreen{0, 30, 1280, 1024};  // a panel takes the top 30 rows
constexpr int kTitle = 23;

}  // namespace

TEST(ScreenPlace, ATitleBarOffTheScreenIsPulledBackAndOneOnItStays) {
  EXPECT_EQ(TitleBarOnScreen({100, -20, 400, 280}, kScreen, kTitle), (TRect{100, 30, 400, 330}));
  EXPECT_EQ(TitleBarOnScreen({100, 1010, 400, 1310}, kScreen, kTitle), (TRect{100, 1001, 400, 1301}));
  EXPECT_EQ(TitleBarOnScreen({-900, 200, -600, 500}, kScreen, kTitle), (TRect{-200, 200, 100, 500}))
      << "a grip of the bar comes back, not the whole window";
  EXPECT_EQ(TitleBarOnScreen({1250, 200, 1550, 500}, kScreen, kTitle), (TRect{1180, 200, 1480, 500}));
  EXPECT_EQ(TitleBarOnScreen({-40, 200, 20, 260}, kScreen, kTitle), (TRect{0, 200, 60, 260}))
      << "a narrow bar comes back whole";
  EXPECT_EQ(TitleBarOnScreen({1150, 900, 1350, 1100}, kScreen, kTitle), (TRect{1150, 900, 1350, 1100}))
      << "a window partly off the screen keeps its place while its bar can be taken";
}

TEST(ScreenPlace, ACentredWindowKeepsItsSizeAndItsTitleBarOnTheScreen) {
  EXPECT_EQ(CentredOnScreen({0, 0, 300, 200}, kScreen, kTitle), (TRect{490, 427, 790, 627}));
  EXPECT_EQ(CentredOnScreen({0, 0, 300, 1200}, kScreen, kTitle), (TRect{490, 30, 790, 1230}));
}

TEST(ScreenPlace, AWindowOpensOverItsOpenerWhollyOnTheScreen) {
  const TRect opener{100, 100, 900, 700};
  EXPECT_EQ(OverOpener({0, 0, 300, 200}, opener, kScreen), (TRect{350, 300, 650, 500}));
  EXPECT_EQ(OverOpener({0, 0, 300, 200}, {-50, 0, 150, 100}, kScreen), (TRect{0, 30, 300, 230}))
      << "an opener at the top-left corner";
  EXPECT_EQ(OverOpener({0, 0, 568, 447}, {1000, 800, 1280, 1024}, kScreen), (TRect{712, 577, 1280, 1024}))
      << "an opener at the bottom-right corner";
  EXPECT_EQ(OverOpener({0, 0, 1400, 1100}, opener, kScreen), (TRect{0, 30, 1400, 1130}))
      << "a window larger than the screen";
}
