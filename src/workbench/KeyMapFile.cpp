#include "workbench/KeyMapFile.h"

#include "platform/SysUtils.h"

namespace workbench {

using platform::TStringList;

namespace {

constexpr const char* kKeyPrefix = "Ctrl-Shift-";
constexpr int kMinimumLines = 52;

// Splits a text at every CR LF, CR or LF, keeping a last empty piece: "a\r\n" gives "a" and "".
void AddTextLines(TStringList& lines, const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.Add(line);
    line.clear();
  }
  lines.Add(line);
}

// A key name line ends a text whatever its letter case, so a file written in lower case reads
// back key by key.
bool HoldsKeyName(const std::string& line) {
  return platform::UpperCase(line).find(platform::UpperCase(kKeyPrefix)) != std::string::npos;
}

}  // namespace

std::string KeyMacroName(int key) { return kKeyPrefix + std::string(1, static_cast<char>('A' + key)); }

void ClearKeyMacroTexts(TStringList& texts) {
  texts.Clear();
  for (int key = 0; key < KeyMacroCount; ++key) texts.Add("");
}

TStringList BuildKeyMapLines(const TStringList& texts) {
  TStringList lines;
  lines.LineBreak = "\r\n";
  for (int key = 0; key < KeyMacroCount; ++key) {
    lines.Add(KeyMacroName(key));
    AddTextLines(lines, texts.Get(key));
  }
  lines.Add("End of Ctrl-Shift-?");
  return lines;
}

std::string KeyTextFromLines(const TStringList& lines, const std::string& keyName) {
  int start = lines.IndexOf(keyName) + 1;
  std::string text;
  for (int i = start; i < lines.Count() && !HoldsKeyName(lines[i]); ++i) text += lines[i] + "\r\n";
  if (!text.empty()) text.erase(text.size() - 2);
  return text;
}

bool IsKeyMapFileValid(const TStringList& lines) { return lines.Count() >= kMinimumLines; }

}  // namespace workbench
