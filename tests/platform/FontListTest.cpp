// The family list of the font choosers: one entry a family, and the family a setting names.
#include <gtest/gtest.h>

#include "platform/FontDialogs.h"

TEST(FontList, EachFamilyOnceWithoutItsFoundryAndTheNamedFamilyAsNamed) {
  const std::vector<std::string> installed = {"Nimbus Sans [urw]", "DejaVu Sans", "Nimbus Sans [UKWN]",
                                              "D050000L [URW ]",   "arial",       "Nimbus Sans [URW ]"};
  EXPECT_EQ(platform::ListedFontFamilies(installed, "Courier New"),
            (std::vector<std::string>{"arial", "Courier New", "D050000L", "DejaVu Sans", "Nimbus Sans"}));
  EXPECT_EQ(platform::ListedFontFamilies(installed, "Arial"),
            (std::vector<std::string>{"Arial", "D050000L", "DejaVu Sans", "Nimbus Sans"}));
  EXPECT_EQ(platform::ListedFontFamilies({"Serif"}, ""), std::vector<std::string>{"Serif"});
}
