#include "platform/StringList.h"

#include <algorithm>

#include "platform/SysUtils.h"

namespace platform {

const std::string& TStringList::Get(int index) const {
  static const std::string empty;
  if (index < 0 || index >= Count()) return empty;
  return lines_[static_cast<size_t>(index)];
}

int TStringList::Add(const std::string& line) {
  lines_.push_back(line);
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& line) {
  if (index < 0 || index > Count()) throw Exception("List index out of bounds (" + IntToStr(index) + ")");
  lines_.insert(lines_.begin() + index, line);
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + IntToStr(index) + ")");
  lines_.erase(lines_.begin() + index);
}

void TStringList::AddStrings(const TStringList& other) {
  lines_.insert(lines_.end(), other.lines_.begin(), other.lines_.end());
}

int TStringList::IndexOf(const std::string& line) const {
  std::string wanted = LowerCase(line);
  for (int i = 0; i < Count(); ++i)
    if (LowerCase(lines_[static_cast<size_t>(i)]) == wanted) return i;
  return -1;
}

std::string TStringList::Names(int index) const {
  const std::string& line = Get(index);
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStringList::Values(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Names(i), name)) return lines_[static_cast<size_t>(i)].substr(Names(i).size() + 1);
  return std::string();
}

void TStringList::SetValue(const std::string& name, const std::string& value) {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Names(i), name)) {
      lines_[static_cast<size_t>(i)] = name + "=" + value;
      return;
    }
  Add(name + "=" + value);
}

std::string TStringList::Text() const {
  size_t size = 0;
  for (const std::string& line : lines_) size += line.size() + LineBreak.size();
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines_) text.append(line).append(LineBreak);
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text, start, i - start);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text, start, std::string::npos);
  return lines;
}

void TStringList::SetText(const std::string& text) { lines_ = SplitLines(text); }

void TStringList::LoadFromFile(const std::string& fileName) { SetText(ReadFileBytes(fileName)); }

void TStringList::SaveToFile(const std::string& fileName) const { WriteFileAtomic(fileName, Text()); }

}  // namespace platform
