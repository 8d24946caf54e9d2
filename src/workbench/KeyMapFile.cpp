#include "workbench/KeyMapFile.h"

#include <array>
#include <string_view>

#include "platform/SysUtils.h"

namespace workbench {

using platform::TStringList;

namespace {

constexpr const char* kKeyPrefix = "Ctrl-Shift-";
constexpr int kMinimumLines = 52;

// Splits a text at every CR LF, CR or LF, keeping a last empty piece: "a\r\n" gives "a" and "".
void AddTextLines(TStringList& lines, const std::string& text) {
  size_t start = 0;
  for (size_t end; (end = text.find_first_of("\r\n", start)) != std::string::npos;) {
    lines.Add(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  lines.Add(text.substr(start));
}

// A key name line ends a text whatever its letter case, so a file written in lower case reads
// back key by key.
bool HoldsKeyName(const std::string& line) { return platform::ContainsText(line, kKeyPrefix); }

// The first line equal to the name ignoring case, or -1. Lines are compared in place: each line
// lowered into a copy would cost more than the comparison.
int IndexOfLine(const TStringList& lines, const std::string& name) {
  for (int i = 0; i < lines.Count(); ++i)
    if (platform::SameText(lines[i], name)) return i;
  return -1;
}

// The key whose name the line is (ignoring case), or -1.
int KeyNamedBy(const std::string& line) {
  if (line.size() != std::string_view(kKeyPrefix).size() + 1) return -1;
  char letter = line.back();
  int key = letter >= 'a' && letter <= 'z' ? letter - 'a' : letter - 'A';
  if (key < 0 || key >= KeyMacroCount) return -1;
  return platform::SameText(line, KeyMacroName(key)) ? key : -1;
}

// The lines from start up to the next line holding a key name, joined with CR LF. The length is
// known before the text is built, so it is built in one piece.
std::string TextFrom(const TStringList& lines, int start) {
  int end = start;
  size_t size = 0;
  for (; end < lines.Count() && !HoldsKeyName(lines[end]); ++end) size += lines[end].size() + 2;
  std::string text;
  text.reserve(size);
  for (int i = start; i < end; ++i) text.append(lines[i]).append("\r\n");
  if (!text.empty()) text.erase(text.size() - 2);
  return text;
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
  return TextFrom(lines, IndexOfLine(lines, keyName) + 1);
}

TStringList KeyTextsFromLines(const TStringList& lines) {
  std::array<int, KeyMacroCount> nameLine;
  nameLine.fill(-1);
  for (int i = lines.Count() - 1; i >= 0; --i) {
    int key = KeyNamedBy(lines[i]);
    if (key >= 0) nameLine[static_cast<size_t>(key)] = i;
  }
  TStringList texts;
  for (int line : nameLine) texts.Add(TextFrom(lines, line + 1));
  return texts;
}

bool IsKeyMapFileValid(const TStringList& lines) { return lines.Count() >= kMinimumLines; }

}  // namespace workbench
