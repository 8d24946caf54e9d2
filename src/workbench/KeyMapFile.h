#pragma once
// The keyboard-map template file: for each of the keys Ctrl+Shift+A to Ctrl+Shift+Z its name line
// ("Ctrl-Shift-A") followed by the key's text line by line, then the line "End of Ctrl-Shift-?".
// Texts separate their lines with CR LF; the file is written with CR LF and read with any line end.
// Free of Qt.
#include <string>

#include "platform/StringList.h"

namespace workbench {

constexpr int KeyMacroCount = 26;

// "Ctrl-Shift-A" for key 0 ... "Ctrl-Shift-Z" for key 25.
std::string KeyMacroName(int key);

// Makes the list 26 empty texts.
void ClearKeyMacroTexts(platform::TStringList& texts);

// The lines of the file for 26 texts (a missing entry counts as an empty text).
platform::TStringList BuildKeyMapLines(const platform::TStringList& texts);

// The text of the key named keyName in the lines of a file: the lines after the first line equal
// to the name (ignoring case; from the first line when there is none) up to the next line holding
// a key name, joined with CR LF.
std::string KeyTextFromLines(const platform::TStringList& lines, const std::string& keyName);
// The 26 texts, as KeyTextFromLines gives them key by key, in one pass over the lines.
platform::TStringList KeyTextsFromLines(const platform::TStringList& lines);

// A file is taken only when it has more than 51 lines.
bool IsKeyMapFileValid(const platform::TStringList& lines);

}  // namespace workbench
