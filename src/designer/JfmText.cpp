#include "designer/JfmText.h"

#include "platform/SettingsReport.h"

namespace designer {

using platform::IntToStr;

void TJfmWriter::Header(const std::string& name, const std::string& className) {
  lines_.Add(name + " : " + className);
}

void TJfmWriter::Property(const std::string& name, const std::string& value, int indent) {
  lines_.Add(std::string(static_cast<size_t>(indent), ' ') + name + " = " + value);
}

void TJfmWriter::Property(const std::string& name, int value, int indent) { Property(name, IntToStr(value), indent); }

void TJfmWriter::Items(const std::vector<std::string>& items) {
  lines_.Add("  Items[" + IntToStr(static_cast<int>(items.size())) + "]");
  for (const std::string& item : items) lines_.Add(item);
}

void TJfmWriter::Line(const std::string& text) { lines_.Add(text); }

const std::string& TJfmReader::Current(const std::string& expected) const {
  if (AtEnd()) Fail("the file ends where " + expected + " was expected");
  return lines_[position_];
}

void FailAtLine(int line, const std::string& what) { throw EDesignFileError(platform::AtLine(line, what)); }

void TJfmReader::Fail(const std::string& what) const { FailAtLine(position_ + 1, what); }

std::string TJfmReader::HeaderName() const {
  const std::string& line = Current("a block header");
  return line.substr(0, line.find(' '));
}

std::string TJfmReader::HeaderClass() const {
  const std::string& line = Current("a block header");
  size_t separator = line.find(" : ");
  if (separator == std::string::npos || separator == 0) Fail("\"" + line + "\" is no block header");
  return line.substr(separator + 3);
}

void TJfmReader::SkipHeader() {
  HeaderClass();
  ++position_;
}

std::string TJfmReader::Value(const std::string& name, int indent) {
  const std::string prefix = std::string(static_cast<size_t>(indent), ' ') + name + " = ";
  const std::string& line = Current(name);
  // An editor or a version-control tool may have stripped the blank that ends an empty value.
  const bool stripped = line == prefix.substr(0, prefix.size() - 1);
  if (!stripped && line.compare(0, prefix.size(), prefix) != 0) Fail(name + " was expected, not \"" + line + "\"");
  ++position_;
  return stripped ? std::string() : line.substr(prefix.size());
}

int TJfmReader::IntValue(const std::string& name, int indent) {
  std::string text = Value(name, indent);
  int value = 0;
  if (platform::TryStrToInt(text, value)) return value;
  --position_;
  Fail(name + " holds \"" + text + "\", which is no number");
}

int TJfmReader::ItemCount() {
  const std::string& line = Current("an item count");
  const std::string prefix = "  Items[";
  if (line.compare(0, prefix.size(), prefix) != 0 || line.back() != ']') Fail("an item count was expected");
  int count = 0;
  if (!platform::TryStrToInt(line.substr(prefix.size(), line.size() - prefix.size() - 1), count))
    Fail("the item count is no number");
  if (count < 0 || count > lines_.Count() - position_ - 1) Fail("the item count runs past the end of the file");
  ++position_;
  return count;
}

int TJfmReader::IntValueBetween(const std::string& name, int low, int high) {
  int value = IntValue(name);
  if (value >= low && value <= high) return value;
  --position_;
  Fail(name + " = " + IntToStr(value) + " lies outside " + IntToStr(low) + ".." + IntToStr(high));
}

std::vector<std::string> TJfmReader::Items() {
  int count = ItemCount();
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(lines_[position_++]);
  return items;
}

void TJfmReader::EndOfBlock() {
  if (!Current("the empty line closing a block").empty()) Fail("the block goes on past its last property");
  ++position_;
}

std::vector<std::string> TJfmReader::EventLines() {
  std::vector<std::string> events;
  while (!Current("the empty line closing a block").empty()) {
    const std::string& line = lines_[position_];
    size_t start = line.find_first_not_of(' ');
    std::string binding = start == std::string::npos ? std::string() : line.substr(start);
    if (binding.compare(0, 2, "On") != 0 || binding.find(" = ") == std::string::npos)
      Fail("\"" + line + "\" is no event binding");
    events.push_back(binding);
    ++position_;
  }
  ++position_;
  return events;
}

}  // namespace designer
