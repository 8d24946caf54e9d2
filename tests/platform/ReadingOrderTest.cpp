// The order a reader takes the controls of a window in: rows top to bottom, each left to right.
#include <gtest/gtest.h>

#include "platform/ReadingOrder.h"

using platform::TRect;

TEST(ReadingOrder, RowsGoTopToBottomAndEachRowLeftToRight) {
  struct Row {
    const char* layout;
    std::vector<TRect> places;
    std::vector<std::size_t> order;
  };
  const Row rows[] = {
      {"an edit made after the boxes below it", {{80, 60, 240, 80}, {80, 90, 240, 110}, {80, 10, 240, 30}}, {2, 0, 1}},
      {"a check box a few pixels higher than the edit left of it", {{300, 10, 400, 28}, {80, 13, 240, 33}}, {1, 0}},
      {"fields beside a tall list share its row", {{200, 60, 300, 80}, {10, 10, 150, 200}, {200, 10, 300, 30}, {10, 220, 150, 240}},
       {1, 2, 0, 3}},
      {"two columns of rows", {{200, 40, 300, 60}, {10, 40, 150, 60}, {200, 10, 300, 30}, {10, 10, 150, 30}}, {3, 2, 1, 0}},
      {"nothing", {}, {}},
  };
  for (const Row& row : rows) EXPECT_EQ(platform::ReadingOrder(row.places), row.order) << row.layout;
}
