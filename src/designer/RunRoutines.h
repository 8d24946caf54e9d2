#pragma once
// The design library's run routines, free of Qt: file-dialog filter descriptions, the source
// pre-check that blanks comments and literals, the applet and application source tests, and the
// lines of the temporary applet page.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/StringList.h"

namespace designer {

// Filter text "Desc (*.x)|*.x|...": the N-th description (1-based) up to and including its ")".
std::string GetFilterDescription(const std::string& filter, int index);

// The name up to, not including, its first "."; the whole name if it has none.
std::string RemoveFileExt(const std::string& name);

// The smaller of two positions as std::string::find gives them, npos meaning "not found".
std::size_t MinPositive(std::size_t a, std::size_t b);

// Error codes of the pre-check (the message table's 41, 44 and 45).
constexpr int kStringLiteralError = 41;
constexpr int kCommentCloseError = 44;
constexpr int kCharLiteralError = 45;

struct TPrecheckError {
  int code = 0;
  std::size_t position = 0;  // 0-based position of the token being handled
};

// Blanks every comment and every string and character literal of a source text in place, keeping
// every line break so positions and line numbers stay valid. False on a malformed literal or a
// "*/" without its "/*", with the error's code and position.
bool BlankCommentsAndLiterals(std::string& text, TPrecheckError& error);

// The 1-based line of a position, counted from the line breaks of the text (LF, CR LF or CR).
int LineOfPosition(const std::string& text, std::size_t position);

// Tests on a pre-checked text: a public class extending an Applet class; a public static void
// main( in either order of public and static.
bool HasAppletClass(std::string text);
bool HasApplicationMain(std::string text);

// The lines of the temporary applet page: code class, size and one PARAM line per argument.
platform::TStringList AppletHtmlLines(const std::string& versionText, const std::string& className, int width,
                                      int height, const std::vector<std::pair<std::string, std::string>>& params);

}  // namespace designer
