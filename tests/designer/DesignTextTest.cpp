// The design file's text without widgets: blocks read in the order the kind table gives their
// properties and written back line for line, and text refused where it alone shows the damage.
#include <gtest/gtest.h>

#include "designer/DesignText.h"
#include "designer/JfmText.h"

using namespace designer;
using platform::TStringList;

namespace {

TStringList EveryKind() {
  TStringList lines;
  lines.LoadFromFile(TEST_DATA_DIR "/fuzz/jfm/every-kind.jfm");
  return lines;
}

}  // namespace

TEST(DesignText, EveryKindOfBlockIsReadInItsOrderAndWrittenBackAsItWas) {
  const TStringList lines = EveryKind();
  const TDesign design = ReadDesignText(lines);
  EXPECT_EQ(WriteDesignText(design), lines);
  ASSERT_EQ(design.blocks.size(), 19u);
  const TDesignBlock& area = design.blocks[5];
  EXPECT_EQ(area.className, "TTextArea");
  EXPECT_EQ(area.line, 72);
  EXPECT_EQ(area.items, (std::vector<std::string>{"first line", "", "third line"}));
  EXPECT_EQ(area.Value("FontName"), "Courier");
  EXPECT_EQ(design.blocks[2].events, (std::vector<std::string>{"OnAction = Button1_Action", "OnGotFocus = Button1_GotFocus"}));
  EXPECT_EQ(design.blocks[12].properties[6], (TDesignLine{"Items[1]", "MenuBar1Edit", 4}));
}

TEST(DesignText, DamageThatTheTextAloneShowsIsRefusedWithItsLine) {
  auto with = [](size_t at, const std::string& line) {
    std::vector<std::string> lines = EveryKind().Lines();
    lines[at] = line;
    return TStringList(lines);
  };
  auto plus = [](const std::vector<std::string>& block) {
    std::vector<std::string> lines = EveryKind().Lines();
    lines.insert(lines.end(), block.begin(), block.end());
    return TStringList(lines);
  };
  const std::vector<std::pair<TStringList, std::string>> damaged = {
      {with(15, "MMB : TPanel"), "line 16: a second component named MMB"},
      {with(182, "MenuBar1Edit : TJMenuItem"), "line 183: a second component named MenuBar1Edit"},
      {with(15, "Panel1 : TFrame"), "line 17: a second frame"},
      {with(15, "Panel1 : TJMenuItem"), "line 17: a menu item before its menu bar"},
      {with(216, "  Left = x"), "line 217: Left holds \"x\", which is no number"},
      {plus({"MenuBar2 : TMenuBar", "  Owner = Form1", "  Items[0]", ""}), "line 228: a second menu bar"},
      {plus({"OpenDlg2 : TOpenDlg", "  FileName = ", "  InitialDir = ", "  Left = 0", "  Top = 0", ""}),
       "line 228: a second file dialog"},
  };
  for (const auto& [lines, reason] : damaged) {
    try {
      ReadDesignText(lines);
      ADD_FAILURE() << "accepted: " << reason;
    } catch (const EDesignFileError& error) {
      EXPECT_EQ(error.Message(), reason);
    }
  }
}
