#include "platform/IniFile.h"

#include <algorithm>
#include <string_view>

#include "platform/SysUtils.h"

namespace platform {

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
  if (fileName_.empty()) return;
  std::string bytes;
  try {
    bytes = ReadFileBytes(fileName_);
  } catch (const EFOpenError&) {
    return;
  }
  loaded_ = true;
  SetText(bytes);
}

namespace {

// Trim without a copy.
std::string_view TrimView(std::string_view text) {
  size_t first = 0;
  while (first < text.size() && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  size_t last = text.size();
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

}  // namespace

// Lines end at CR LF, CR or LF. They are looked at in place in the text, so only the names and
// values kept are copied.
void TIniFile::SetText(const std::string& text) {
  sections_.clear();
  Section* current = nullptr;
  int lineNumber = 0;
  for (size_t start = 0; start < text.size();) {
    ++lineNumber;
    size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    std::string_view raw(text.data() + start, end - start);
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    std::string_view line = TrimView(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = &SectionFor(std::string(line.substr(1, line.size() - 2)));
      continue;
    }
    size_t eq = raw.find('=');
    if (eq == std::string_view::npos || current == nullptr) continue;
    current->entries.push_back({std::string(TrimView(raw.substr(0, eq))), std::string(raw.substr(eq + 1)),
                                lineNumber});
  }
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const {
  for (const Section& section : sections_)
    if (SameText(section.name, name)) return &section;
  return nullptr;
}

TIniFile::Section& TIniFile::SectionFor(const std::string& name) {
  for (Section& section : sections_)
    if (SameText(section.name, name)) return section;
  sections_.push_back({name, {}});
  return sections_.back();
}

const TIniFile::Entry* TIniFile::FindEntry(const std::string& section, const std::string& key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  for (const Entry& entry : found->entries)
    if (SameText(entry.key, key)) return &entry;
  return nullptr;
}

const std::string* TIniFile::FindValue(const std::string& section, const std::string& key) const {
  const Entry* entry = FindEntry(section, key);
  return entry != nullptr ? &entry->value : nullptr;
}

int TIniFile::LineOf(const std::string& section, const std::string& key) const {
  const Entry* entry = FindEntry(section, key);
  return entry != nullptr ? entry->line : 0;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
  const std::string* value = FindValue(section, key);
  return value != nullptr ? *value : fallback;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const std::string* value = FindValue(section, key);
  return value != nullptr ? StrToIntDef(Trim(*value), fallback) : fallback;
}

int TIniFile::ReadIntegerWithin(const std::string& section, const std::string& key, int fallback, int low,
                                int high) const {
  int value = ReadInteger(section, key, fallback);
  return value >= low && value <= high ? value : fallback;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Section& target = SectionFor(section);
  for (Entry& entry : target.entries)
    if (SameText(entry.key, key)) {
      entry.value = value;
      entry.line = 0;
      return;
    }
  target.entries.push_back({key, value, 0});
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return FindValue(section, key) != nullptr;
}

void TIniFile::ReadSection(const std::string& section, TStringList& keys) const {
  keys.Clear();
  if (const Section* found = FindSection(section))
    for (const Entry& entry : found->entries) keys.Add(entry.key);
}

void TIniFile::EraseSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it)
    if (SameText(it->name, section)) {
      sections_.erase(it);
      return;
    }
}

std::string TIniFile::Text() const {
  size_t size = 0;
  for (const Section& section : sections_) {
    size += section.name.size() + 4;
    for (const Entry& entry : section.entries) size += entry.key.size() + entry.value.size() + 2;
  }
  std::string text;
  text.reserve(size);
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) text += '\n';
    text.append("[").append(sections_[i].name).append("]\n");
    for (const Entry& entry : sections_[i].entries) text.append(entry.key).append("=").append(entry.value).append("\n");
  }
  return text;
}

void TIniFile::UpdateFile() const { WriteFileAtomic(fileName_, Text()); }

}  // namespace platform
