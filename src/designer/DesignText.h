#pragma once
// A design file's content, free of widgets: its blocks in file order, each with its property lines
// in their fixed order, its item lines and its event bindings. ReadDesignText checks everything the
// text alone can tell (block classes, names, each class's property sequence, numbers and the ranges
// of places and sizes, item counts, menu parents) and raises EDesignFileError naming the line;
// WriteDesignText gives the lines back.
#include <string>
#include <vector>

#include "platform/StringList.h"

namespace designer {

struct TDesignLine {
  std::string name, value;
  int indent = 2;
  bool operator==(const TDesignLine&) const = default;
};

struct TDesignBlock {
  std::string name, className;
  // A line named "Items" with indent 2 stands for the count line "  Items[n]", its value n: in a
  // component's block the n lines of `items` follow it, in the menu bar's its menus' lines do.
  std::vector<TDesignLine> properties;
  std::vector<std::string> items;
  std::vector<std::string> events;  // "OnAction = Button1_Action", without the leading blanks
  int line = 0;                     // of the header in the text it was read from, 1-based

  void Add(const std::string& property, const std::string& value, int indent = 2);
  void Add(const std::string& property, int value, int indent = 2);
  void AddItems(std::vector<std::string> lines);
  bool Has(const std::string& property) const;
  // The first line of that name; "" and 0 when the block has none.
  std::string Value(const std::string& property) const;
  int IntValue(const std::string& property) const;
  // The line it was read from, where no item lines stand before it (the header's when it has none).
  int LineOf(const std::string& property) const;
  bool operator==(const TDesignBlock&) const = default;
};

struct TDesign {
  std::vector<TDesignBlock> blocks;  // the frame first
  bool operator==(const TDesign&) const = default;
};

// The names of a blank-separated sequence: "Height Left" gives Height and Left.
std::vector<std::string> PropertyNames(const std::string& sequence);

TDesign ReadDesignText(const platform::TStringList& lines);
platform::TStringList WriteDesignText(const TDesign& design);

}  // namespace designer
