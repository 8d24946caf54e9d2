#include "platform/IniFile.h"

#include "platform/SysUtils.h"

namespace platform {

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
  std::string bytes;
  try {
    bytes = ReadFileBytes(fileName_);
  } catch (const EFOpenError&) {
    return;
  }
  loaded_ = true;
  Section* current = nullptr;
  for (const std::string& raw : SplitLines(bytes)) {
    std::string line = Trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = &SectionFor(line.substr(1, line.size() - 2));
      continue;
    }
    size_t eq = raw.find('=');
    if (eq == std::string::npos || current == nullptr) continue;
    current->entries.push_back({Trim(raw.substr(0, eq)), raw.substr(eq + 1)});
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

const std::string* TIniFile::FindValue(const std::string& section, const std::string& key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  for (const Entry& entry : found->entries)
    if (SameText(entry.key, key)) return &entry.value;
  return nullptr;
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
      return;
    }
  target.entries.push_back({key, value});
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
  std::string text;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) text += "\n";
    text += "[" + sections_[i].name + "]\n";
    for (const Entry& entry : sections_[i].entries) text += entry.key + "=" + entry.value + "\n";
  }
  return text;
}

void TIniFile::UpdateFile() const { WriteFileAtomic(fileName_, Text()); }

}  // namespace platform
