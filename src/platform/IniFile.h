#pragma once
// TIniFile: a settings file of "[Section]" headers and "Key=Value" lines, free of Qt.
// Look-up of sections and keys ignores letter case; values are kept raw (no quote stripping, no
// length limit); sections and keys keep their order, unknown ones included. Reading a missing or
// unreadable file gives an empty set. UpdateFile writes the whole file through a temporary file.
#include <string>
#include <vector>

#include "platform/StringList.h"

namespace platform {

class TIniFile {
 public:
  // An empty file name reads nothing: a set built in memory.
  explicit TIniFile(std::string fileName);

  const std::string& FileName() const { return fileName_; }
  bool Loaded() const { return loaded_; }  // false when the file was missing or unreadable

  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  // A number outside low..high reads as the fallback, as a value that is no number does.
  int ReadIntegerWithin(const std::string& section, const std::string& key, int fallback, int low, int high) const;
  bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
  // The line (from 1) of the file's text the key was read from; 0 for a key the file did not hold.
  int LineOf(const std::string& section, const std::string& key) const;
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  void ReadSection(const std::string& section, TStringList& keys) const;
  void EraseSection(const std::string& section);

  // Takes the sections and keys of a file's text in place of those held; the constructor reads its
  // file through this.
  void SetText(const std::string& text);
  std::string Text() const;  // the file's text as UpdateFile writes it (LF line ends)
  void UpdateFile() const;   // raises EFCreateError

 private:
  struct Entry {
    std::string key;
    std::string value;
    int line = 0;  // where SetText found it; 0 for a key written since
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(const std::string& name) const;
  Section& SectionFor(const std::string& name);
  const Entry* FindEntry(const std::string& section, const std::string& key) const;
  const std::string* FindValue(const std::string& section, const std::string& key) const;

  std::string fileName_;
  std::vector<Section> sections_;
  bool loaded_ = false;
};

}  // namespace platform
