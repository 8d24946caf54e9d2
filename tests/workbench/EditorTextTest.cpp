// The plain-line rules of the editor's keys and the keyboard-map file, without a window.
#include <gtest/gtest.h>

#include "platform/StringList.h"
#include "workbench/EditorText.h"
#include "workbench/KeyMapFile.h"

using platform::TStringList;
using namespace workbench;

TEST(EditorText, BackIndentTakesTheNearestShallowerLineAbove) {
  TStringList lines(std::vector<std::string>{"\tclass A {", "      x();", "          y();"});
  EXPECT_EQ(BackIndentedLine(lines, 2, 10), "      y();");
  EXPECT_EQ(BackIndentedLine(lines, 2, 6), "\ty();");
  EXPECT_EQ(BackIndentedLine(lines, 2, 1), "y();") << "no line above is shallower than column 1";
  EXPECT_TRUE(BackIndentApplies("    x", 5));
  EXPECT_TRUE(BackIndentApplies("      ", 3));
  EXPECT_FALSE(BackIndentApplies("  x   y", 4)) << "a blank with text after it";
}

TEST(EditorText, SmartTabOnlyInTheBlankStartOfALineBelowAnotherOne) {
  EXPECT_EQ(TabBlankCount(4, true, 0, 1, "", "        "), 4) << "the first line has nothing above";
  EXPECT_EQ(TabBlankCount(4, true, 1, 3, "  ", "        "), 6);
  EXPECT_EQ(TabBlankCount(4, true, 1, 9, "        ", "        "), 4);
  EXPECT_EQ(TabBlankCount(4, false, 1, 1, "", "        "), 4);
}

TEST(KeyMapFile, TextsEndAtAnyKeyNameAndAMissingNameReadsFromTheTop) {
  TStringList lines(std::vector<std::string>{"loose", "Ctrl-Shift-A", "a1", "a2", "CTRL-SHIFT-B", "b"});
  EXPECT_EQ(KeyTextFromLines(lines, "ctrl-shift-a"), "a1\r\na2");
  EXPECT_EQ(KeyTextFromLines(lines, "Ctrl-Shift-Q"), "loose");
  EXPECT_EQ(KeyTextFromLines(lines, "Ctrl-Shift-B"), "b");
  TStringList texts;
  texts.Add("one\ntwo");
  TStringList written = BuildKeyMapLines(texts);
  EXPECT_EQ(written.Count(), 54);
  EXPECT_EQ(written[2], "two") << "line feeds alone split lines too";
  EXPECT_FALSE(IsKeyMapFileValid(TStringList(std::vector<std::string>(51))));
  EXPECT_TRUE(IsKeyMapFileValid(TStringList(std::vector<std::string>(52))));
}
