#pragma once
// The design library's shared routines: the program's version text, words of a line, untitled
// page names, file-dialog filters and the caret jump on the active editor page.
#include <string>

namespace platform {
class TPageControl;
}

namespace designer {

std::string GetVersionText();  // "Morvane 0.64"

// The message table of the tool runs, the source pre-check and the design-file reader, and its
// two error boxes: title + " : " + message, and title + "[Line " + n + "] : " + message.
std::string GetErrorMessage(int code);
void ShowErrorMessage(const std::string& title, int code);
void ShowLineErrorMessage(const std::string& title, int code, int line);

// Words: the first word skips leading characters of code 32 or below and ends before the first
// blank or tab; the last word is the first word of the reversed text, reversed back.
std::string GetFirstWord(const std::string& text);
std::string GetLastWord(const std::string& text);

// "noname07.java" gives 7; anything else -1.
int GetNonameNumber(const std::string& name);
// One more than the largest untitled number among the pages' captions, two digits at least.
std::string GetNextNonameNumber(const platform::TPageControl& pages);

// Filter text "Java files (*.java)|*.java|...": the N-th mask ("*.java", 1-based) and its
// extension (the mask without its first character, ".java"). N = 0 gives "", an index beyond the
// entries the last one found.
std::string GetFilterMask(const std::string& filter, int index);
std::string GetFilterExt(const std::string& filter, int index);

// The help keyword of a component kind ("Button", "Applet" for an applet frame...); "" for a
// kind without one. ShowComponentHelp opens the help file at that keyword.
std::string ComponentHelpKeyword(int kind);
void ShowComponentHelp(int kind);

// Puts the caret of the active editor page at the end of line n - 1 and focuses it.
void GotoEditorLine(int n);

}  // namespace designer
