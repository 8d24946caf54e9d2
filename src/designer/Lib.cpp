#include "designer/Lib.h"

#include <algorithm>

#include "platform/Controls.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "platform/Forms.h"
#include "platform/Launcher.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

std::string GetVersionText() { return "Morvane 0.64"; }

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
