// The editor's text scan without a window: direction, case, whole words and long texts.
#include <gtest/gtest.h>

#include "modeller/ui/Search.h"

using modeller::ScanTextBuffer;
using modeller::TSearchOptions;

TEST(TextScan, FindsForwardsAndBackwardsFromTheSelection) {
  const std::u16string text = u"abc ABC abc";
  EXPECT_EQ(ScanTextBuffer(text, 0, 0, u"abc", {true, true, false}), 0);
  EXPECT_EQ(ScanTextBuffer(text, 0, 3, u"abc", {true, true, false}), 8) << "past the selection, case kept";
  EXPECT_EQ(ScanTextBuffer(text, 0, 3, u"abc", {true, false, false}), 4);
  EXPECT_EQ(ScanTextBuffer(text, 8, 3, u"abc", {false, false, false}), 4);
  EXPECT_EQ(ScanTextBuffer(text, 0, 0, u"abc", {false, false, false}), std::nullopt) << "nothing before the start";
  EXPECT_EQ(ScanTextBuffer(text, 0, 0, u"xyz", {true, false, false}), std::nullopt);
  EXPECT_EQ(ScanTextBuffer(u"", 0, 0, u"a", {}), std::nullopt);
  EXPECT_EQ(ScanTextBuffer(u"\u00e9t\u00c9", 0, 1, u"\u00e9", {true, false, false}), 2) << "Latin-1 letters fold too";
}

TEST(TextScan, WholeWordsSkipMatchesInsideWords) {
  const std::u16string text = u"count_x counter count2 count";
  EXPECT_EQ(ScanTextBuffer(text, 0, 0, u"count", {true, true, true}), 0) << "the underscore ends a word";
  EXPECT_EQ(ScanTextBuffer(text, 0, 5, u"count", {true, true, true}), 23);
  EXPECT_EQ(ScanTextBuffer(text, 28, 0, u"count", {false, true, true}), 23);
  EXPECT_EQ(ScanTextBuffer(u"ab abc", 0, 0, u"ab", {true, true, true}), 0);
  EXPECT_EQ(ScanTextBuffer(u"abc d", 5, 0, u"ab", {false, true, true}), std::nullopt)
      << "backwards too, a match followed by a letter is no whole word";
  EXPECT_EQ(ScanTextBuffer(u"ab d", 4, 0, u"ab", {false, true, true}), 0);
  EXPECT_EQ(ScanTextBuffer(u"abc d", 5, 0, u"ab", {false, true, false}), 0);
  EXPECT_EQ(ScanTextBuffer(u"xab", 0, 0, u"b", {true, true, true}), 2);
}

TEST(TextScan, SearchesTextsLongerThanSixteenBits) {
  std::u16string text(70000, u'.');
  text += u"needle";
  EXPECT_EQ(ScanTextBuffer(text, 0, 0, u"NEEDLE", {true, false, false}), 70000);
}
