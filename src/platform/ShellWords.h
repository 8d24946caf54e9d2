#pragma once
// ShellWords: a line the user typed (program arguments, compiler options) split into words the way
// a POSIX shell splits them, but without a shell, so nothing in it is expanded or run. Blanks and
// tabs separate words; single quotes keep everything up to the next single quote; double quotes
// keep everything up to the next double quote, where a backslash escapes only ", \, $ and `; a
// backslash outside quotes keeps the next character as it is.
#include <string>
#include <vector>

namespace platform {

// False when a quote is left open; the words read so far are still given.
bool SplitShellWords(const std::string& line, std::vector<std::string>& words);

// The word written for sh so that sh hands it on unchanged: as it stands when it holds only
// characters sh leaves alone, otherwise in single quotes.
std::string ShellQuote(const std::string& word);

}  // namespace platform
