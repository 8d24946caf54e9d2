#include "designer/Lib.h"

#include <algorithm>

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"
#include "platform/Launcher.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

std::string GetVersionText() { return "Morvane 0.64"; }

std::string GetErrorMessage(int code) {
  switch (code) {
    case 0: return "System was out of memory, executable file was corrupt, or relocations were invalid.";
    case 2: return "File was not found.";
    case 3: return "Path was not found.";
    case 5:
      return "Attempt was made to dynamically link to a task, or there was a sharing or network-protection error.";
    case 6: return "Library required separate data segments for each task.";
    case 8: return "There was insufficient memory to start the application.";
    case 10: return "Windows version was incorrect.";
    case 11:
      return "Executable file was invalid.\rEither it was not a Windows application or\r"
             "there was an error in the .EXE image.";
    case 12: return "Application was designed for a different operating system.";
    case 13: return "Application was designed for MS-DOS 4.0.";
    case 14: return "Type of executable file was unknown.";
    case 15:
      return "Attempt was made to load a real-mode application\r(developed for an earlier version of Windows).";
    case 16:
      return "Attempt was made to load a second instance of an executable file containing multiple\r"
             " data segments that were not marked read-only.";
    case 19:
      return "Attempt was made to load a compressed executable file. The file must be decompressed\r"
             " before it can be loaded.";
    case 20:
      return "Dynamic-link library (DLL) file was invalid.\r"
             "One of the DLLs required to run this application was corrupt.";
    case 21: return "Application requires 32-bit extensions.";
    case 41: return "Syntax error in using String Literals.";
    case 42:
      return "Can't understand this source.\rThere might be a syntax error. Do compile first.\r"
             "If You are sure that there is no error,\r"
             " run a program manually by clicking a program in the \"Run\" menu.";
    case 43: return "File has been removed illegally !";
    case 44: return "Syntax error in using Comment.  \"*/\" without \"/*\" found !";
    case 45:
      return "Syntax error in using Character Literals\r\r"
             "Character Literals : \\b, \\f, \\n, \\r, \\t, \\\\, \\\", \\'\r"
             "Unicode value : \\uDDDD\r"
             "Octal value : \\DDD ( \\DDD is not more than \\377 )";
    case 46: return "Syntax error in using Character Literals\rCharacter which follows \"\\\" is not available.";
    case 60: return "Can not run this program (not found in the PATH)";
    case 70:
      return "Image flie not found while loading.\rImage file should be in the same directory with .jfm file.";
    default: return "Unknown Error !";
  }
}

void ShowErrorMessage(const std::string& title, int code) {
  platform::MessageDlg(title + " : " + GetErrorMessage(code), platform::mtError, platform::mbOK);
}

void ShowLineErrorMessage(const std::string& title, int code, int line) {
  platform::MessageDlg(title + "[Line " + std::to_string(line) + "] : " + GetErrorMessage(code), platform::mtError,
                       platform::mbOK);
}

std::string GetFirstWord(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && static_cast<unsigned char>(text[start]) <= ' ') ++start;
  size_t end = text.find_first_of(" \t", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string GetLastWord(const std::string& text) {
  std::string reversed(text.rbegin(), text.rend());
  std::string word = GetFirstWord(reversed);
  return std::string(word.rbegin(), word.rend());
}

int GetNonameNumber(const std::string& name) {
  if (name.size() < 9 || platform::LowerCase(name.substr(0, 6)) != "noname") return -1;
  if (name.find('.') != 8) return -1;
  if (!std::isdigit(static_cast<unsigned char>(name[6])) || !std::isdigit(static_cast<unsigned char>(name[7])))
    return -1;
  return (name[6] - '0') * 10 + (name[7] - '0');
}

std::string GetNextNonameNumber(const platform::TPageControl& pages) {
  int largest = 0;
  for (int i = 0; i < pages.PageCount(); ++i) largest = std::max(largest, GetNonameNumber(pages.Pages(i)->Caption()));
  std::string number = std::to_string(largest + 1);
  return number.size() == 1 ? "0" + number : number;
}

std::string GetFilterMask(const std::string& filter, int index) {
  std::string mask;
  size_t pos = 0;
  for (int entry = 1; entry <= index; ++entry) {
    size_t bar = filter.find('|', pos);  // end of the entry's description
    if (bar == std::string::npos) break;
    size_t end = filter.find('|', bar + 1);
    mask = filter.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
    if (end == std::string::npos) break;
    pos = end + 1;
  }
  return mask;
}

std::string GetFilterExt(const std::string& filter, int index) {
  std::string mask = GetFilterMask(filter, index);
  return mask.empty() ? mask : mask.substr(1);
}

std::string ComponentHelpKeyword(int kind) {
  switch (kind) {
    case 101: {
      designer::TFrame* frame = workbench::MainForm->FCurrentFrame;
      return frame != nullptr && frame->FrameId == 201 ? "Applet" : "Frame";
    }
    case 102: return "Button";
    case 103: return "Panel";
    case 104: return "TextField";
    case 105: return "TextArea";
    case 106: return "Label";
    case 107:
    case 108: return "CheckBox";
    case 109: return "Choice";
    case 110: return "List, List in java.awt.List";
    case 111: return "ScrollBar";
    case 112: return "MenuBar";
    case 114: return "Image";
    case 116: return "FileDialog";
    default: return "";
  }
}

void ShowComponentHelp(int kind) {
  platform::Launcher::Instance().OpenDocument(platform::Application()->HelpFile, ComponentHelpKeyword(kind));
}

void GotoEditorLine(int n) {
  platform::TRichEdit* edit = workbench::EditorForm->ActiveEditor();
  if (edit == nullptr) return;
  edit->setFocus();
  // The first character of line n, minus one: the end of line n - 1. Past the text, its end.
  int position = edit->LineIndex(std::max(0, n)) - 1;
  if (position < 0) position = n <= 0 ? 0 : edit->TextLength();
  edit->SetSelStart(position);
  edit->ensureCursorVisible();
}

}  // namespace designer
