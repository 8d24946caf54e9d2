#include "workbench/EditorText.h"

#include <algorithm>

#include "designer/Lib.h"
#include "platform/SysUtils.h"

namespace workbench {

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// A character that is an identifier by itself: a letter or an underscore, not a digit.
bool IsIdentChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

std::string Leading(const std::string& line) { return line.substr(0, designer::GetIndentWidth(line)); }

}  // namespace

bool BlankBeforeColumn(const std::string& line, int column) {
  size_t before = std::min(line.size(), static_cast<size_t>(std::max(0, column - 1)));
  return std::all_of(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(before), IsBlankOrTab);
}

int TabBlankCount(int tabSize, bool smartTab, int caretLine, int caretColumn, const std::string& caretText,
                  const std::string& lineAbove) {
  if (!smartTab || caretLine <= 0) return tabSize;
  int above = designer::GetIndentWidth(lineAbove);
  if (BlankBeforeColumn(caretText, caretColumn) && above >= caretColumn) return above - caretColumn + 1;
  return tabSize;
}

bool BackIndentApplies(const std::string& line, int column) {
  size_t at = static_cast<size_t>(std::max(0, column - 1));
  if (at >= line.size()) return true;
  if (!IsBlankOrTab(line[at])) return true;
  return std::all_of(line.begin() + static_cast<std::ptrdiff_t>(at), line.end(), IsBlankOrTab);
}

std::string BackIndentedLine(const platform::TStringList& lines, int caretLine, int caretColumn) {
  std::string indent;
  for (int i = caretLine - 1; i >= 0; --i) {
    if (designer::GetIndentWidth(lines[i]) < caretColumn) {
      indent = Leading(lines[i]);
      break;
    }
  }
  const std::string& line = lines[caretLine];
  return indent + line.substr(static_cast<size_t>(designer::GetIndentWidth(line)));
}

std::string KeywordAtColumn(const std::string& line, int column) {
  int caret = std::clamp(column - 1, 0, static_cast<int>(line.size()));
  int first = caret;
  while (first > 0 && IsIdentChar(line[static_cast<size_t>(first - 1)])) --first;
  int last = caret;
  while (last < static_cast<int>(line.size()) && IsIdentChar(line[static_cast<size_t>(last)])) ++last;
  return line.substr(static_cast<size_t>(first), static_cast<size_t>(last - first));
}

bool IsLinkBesideSource(const std::string& linkName) { return linkName.find_first_of("/\\") == std::string::npos; }

int ErrorLineOfMessages(const std::vector<std::string>& messages, int index) {
  for (int i = std::min(index, static_cast<int>(messages.size()) - 1); i >= 0; --i) {
    std::string word = designer::GetFirstWord(messages[static_cast<size_t>(i)]);
    if (word.find(".java") == std::string::npos) continue;
    size_t colon = word.find(':');
    if (colon == std::string::npos) return -1;
    std::string number = word.substr(colon + 1);
    if (!number.empty()) number.pop_back();
    int line = 0;
    return platform::TryStrToInt(number, line) ? line : -1;
  }
  return -1;
}

}  // namespace workbench
