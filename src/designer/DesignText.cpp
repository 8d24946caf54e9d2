#include "designer/DesignText.h"

#include <map>
#include <set>
#include <utility>

#include "designer/JfmText.h"
#include "designer/Lib.h"
#include "platform/SysUtils.h"

namespace designer {

using platform::IntToStr;

namespace {

// The blocks that are no palette component keep fixed sequences; a component's comes from its
// row of the kind table.
constexpr const char* kFrameProperties =
    "Background Caption FontName FontSize FontStyle Foreground FrameId Height Left Tag Top Width";
constexpr const char* kMenuItemHead = "Caption Checkable Checked Enabled Parent";
constexpr const char* kMarkerProperties = "Left Top Visible";
constexpr const char* kFileDialogProperties = "FileName InitialDir Left Top";

const std::set<std::string> kNumbers = {"LineInc", "Max", "Min", "PageInc", "PasswdChar", "Tag", "Value"};

// Places and sizes stay within the 16-bit coordinates a window system draws in, and a font within
// sizes a glyph can be drawn at.
constexpr int kMaxCoordinate = 32767;
constexpr int kMaxFontSize = 999;
struct TRange {
  int low, high;
};
const std::map<std::string, TRange> kRanges = {
    {"FrameId", {fkApplication, fkSecondaryFrame}}, {"FontSize", {0, kMaxFontSize}},
    {"Left", {-kMaxCoordinate, kMaxCoordinate}},     {"Top", {-kMaxCoordinate, kMaxCoordinate}},
    {"Width", {0, kMaxCoordinate}},                  {"Height", {0, kMaxCoordinate}}};

class TDesignTextReader {
 public:
  explicit TDesignTextReader(const platform::TStringList& lines) : lines_(lines), in_(lines) {}

  TDesign ReadAll() {
    if (in_.HeaderClass() != "TFrame") in_.Fail("the file does not begin with its frame");
    while (!in_.AtEnd()) ReadBlock();
    return std::move(design_);
  }

 private:
  void ReadBlock() {
    TDesignBlock block;
    block.line = in_.Position() + 1;
    block.name = in_.HeaderName();
    block.className = in_.HeaderClass();
    const std::string& header = lines_[in_.Position()];
    if (block.name.empty()) in_.Fail("a block header without a name");
    const TComponentKindInfo* info = ComponentKindOfClass(block.className);
    if (info == nullptr && block.className != "TBBTN")
      in_.Fail("\"" + block.className + "\" is no component class of a design");
    if (block.className != "TFrame" && block.className != "TBBTN" && !taken_.insert(block.name).second)
      in_.Fail("a second component named " + block.name);
    in_.SkipHeader();
    if (block.className == "TFrame") ReadFrame(block, header);
    else if (block.className == "TMenuBar") ReadMenuBar(block);
    else if (block.className == "TJMenuItem") ReadMenuItem(block);
    else if (block.className == "TOpenDlg") ReadFileDialog(block);
    else if (block.className == "TBBTN") ReadClosed(block, kMarkerProperties);
    else ReadComponent(block, *info);
    design_.blocks.push_back(std::move(block));
  }

  // The property lines of a blank-separated sequence of names.
  void Read(TDesignBlock& block, const std::string& sequence) {
    for (const std::string& name : PropertyNames(sequence)) {
      if (name == "Items") block.AddItems(in_.Items());
      else if (auto range = kRanges.find(name); range != kRanges.end())
        block.Add(name, in_.IntValueBetween(name, range->second.low, range->second.high));
      else if (kNumbers.count(name) != 0) block.Add(name, in_.IntValue(name));
      else block.Add(name, in_.Value(name));
    }
  }

  void ReadClosed(TDesignBlock& block, const std::string& sequence) {
    Read(block, sequence);
    in_.EndOfBlock();
  }

  void ReadWithEvents(TDesignBlock& block, const std::string& sequence) {
    Read(block, sequence);
    block.events = in_.EventLines();
  }

  // The frame is the first block, named by the first word of the file.
  void ReadFrame(TDesignBlock& block, const std::string& header) {
    if (!design_.blocks.empty() || block.name != GetFirstWord(header)) in_.Fail("a second frame");
    ReadWithEvents(block, kFrameProperties);
  }

  void ReadComponent(TDesignBlock& block, const TComponentKindInfo& info) {
    // A kind without events keeps no handler lines.
    if (info.events == 0) ReadClosed(block, info.designProperties);
    else ReadWithEvents(block, info.designProperties);
  }

  // The owner, then each menu's name, caption, state and tag.
  void ReadMenuBar(TDesignBlock& block) {
    if (menuBar_) in_.Fail("a second menu bar");
    menuBar_ = true;
    block.Add("Owner", in_.Value("Owner"));
    const int menus = in_.ItemCount();
    block.Add("Items", menus);
    for (int i = 0; i < menus; ++i) {
      const std::string property = "Items[" + IntToStr(i) + "]";
      const std::string menu = in_.Value(property, 4);
      block.Add(property, menu, 4);
      block.Add("Caption", in_.Value("Caption", 6), 6);
      block.Add("Enabled", in_.Value("Enabled", 6), 6);
      block.Add("Tag", in_.IntValue("Tag", 6), 6);
      menus_.insert(menu);
      taken_.insert(menu);
    }
    in_.EndOfBlock();
  }

  // Parents stand before their items, so an item names a menu or an item read before it.
  void ReadMenuItem(TDesignBlock& block) {
    if (!menuBar_) in_.Fail("a menu item before its menu bar");
    Read(block, kMenuItemHead);
    if (menus_.count(block.Value("Parent")) == 0)
      in_.Fail("the menu item " + block.name + " names no item read before it as its parent");
    ReadWithEvents(block, "Tag");
    menus_.insert(block.name);
  }

  void ReadFileDialog(TDesignBlock& block) {
    if (fileDialog_) in_.Fail("a second file dialog");
    fileDialog_ = true;
    ReadClosed(block, kFileDialogProperties);
  }

  const platform::TStringList& lines_;
  TJfmReader in_;
  TDesign design_;
  // The frame's menu-bar marker holds its name from the start.
  std::set<std::string> taken_{"MMB"};
  std::set<std::string> menus_;
  bool menuBar_ = false, fileDialog_ = false;
};

}  // namespace

std::vector<std::string> PropertyNames(const std::string& sequence) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t end; (end = sequence.find(' ', start)) != std::string::npos; start = end + 1)
    names.push_back(sequence.substr(start, end - start));
  if (start < sequence.size()) names.push_back(sequence.substr(start));
  return names;
}

void TDesignBlock::Add(const std::string& property, const std::string& value, int indent) {
  properties.push_back({property, value, indent});
}

void TDesignBlock::Add(const std::string& property, int value, int indent) { Add(property, IntToStr(value), indent); }

void TDesignBlock::AddItems(std::vector<std::string> lines) {
  Add("Items", static_cast<int>(lines.size()));
  items = std::move(lines);
}

bool TDesignBlock::Has(const std::string& property) const {
  for (const TDesignLine& line : properties)
    if (line.name == property) return true;
  return false;
}

std::string TDesignBlock::Value(const std::string& property) const {
  for (const TDesignLine& line : properties)
    if (line.name == property) return line.value;
  return {};
}

int TDesignBlock::LineOf(const std::string& property) const {
  for (size_t i = 0; i < properties.size(); ++i)
    if (properties[i].name == property) return line + 1 + static_cast<int>(i);
  return line;
}

int TDesignBlock::IntValue(const std::string& property) const {
  int value = 0;
  platform::TryStrToInt(Value(property), value);
  return value;
}

TDesign ReadDesignText(const platform::TStringList& lines) { return TDesignTextReader(lines).ReadAll(); }

platform::TStringList WriteDesignText(const TDesign& design) {
  platform::TStringList lines;
  TJfmWriter out(lines);
  for (const TDesignBlock& block : design.blocks) {
    out.Header(block.name, block.className);
    for (const TDesignLine& line : block.properties) {
      if (line.name != "Items" || line.indent != 2) out.Property(line.name, line.value, line.indent);
      else if (block.className == "TMenuBar") out.Line("  Items[" + line.value + "]");
      else out.Items(block.items);
    }
    for (const std::string& binding : block.events) out.Line("  " + binding);
    out.End();
  }
  return lines;
}

}  // namespace designer
