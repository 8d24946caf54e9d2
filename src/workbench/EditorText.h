#pragma once
// The text rules of the editor's key handling and keyword help, on plain lines. Free of Qt.
// Columns are 1-based, as the status bar shows them.
#include <string>
#include <vector>

#include "platform/StringList.h"

namespace workbench {

// True when the part of the line before the caret column holds only blanks and tabs.
bool BlankBeforeColumn(const std::string& line, int column);

// How many blanks a Tab types: tabSize, or with smart tab on a line whose text before the caret is
// blank, as many as take the caret one column past the indent of the line above (when that indent
// reaches the caret column).
int TabBlankCount(int tabSize, bool smartTab, int caretLine, int caretColumn, const std::string& caretText,
                  const std::string& lineAbove);

// True when a Backspace that ended at this column in the leading blanks of the line should
// re-indent it: the caret is at the end of the line, on a character that is neither blank nor tab,
// or only blanks and tabs follow it.
bool BackIndentApplies(const std::string& line, int column);

// The caret line re-indented to the indent of the nearest line above whose indent width is smaller
// than the caret column (no indent when there is none).
std::string BackIndentedLine(const platform::TStringList& lines, int caretLine, int caretColumn);

// The word around the caret for keyword help: from the character before the caret leftwards and
// from the character at the caret rightwards, over letters and underscores.
std::string KeywordAtColumn(const std::string& line, int column);

// True when a design link names a file beside the source: no folder, so neither "../" nor an
// absolute path can make a page read or write a design file elsewhere.
bool IsLinkBesideSource(const std::string& linkName);

// The source line a compiler message names: from message `index` up to the first, the first word
// holding ".java" gives the number after its first ":" without its last character ("A.java:27:"
// gives 27). -1 when no word holds ".java" or the one found holds no number.
int ErrorLineOfMessages(const std::vector<std::string>& messages, int index);

}  // namespace workbench
