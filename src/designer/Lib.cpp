#include "designer/Lib.h"

#include <QComboBox>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cctype>

#include "designer/FormDesigner_f.h"
#include "designer/ObjIns.h"
#include "platform/Controls.h"
#include "platform/Menus.h"
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

namespace {

// Without its leading characters of code 32 or below (blanks, tabs, line breaks).
std::string TrimLeftBlanks(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && static_cast<unsigned char>(text[start]) <= ' ') ++start;
  return text.substr(start);
}

}  // namespace

std::string GetFirstWord(const std::string& text) {
  std::string rest = TrimLeftBlanks(text);
  return rest.substr(0, rest.find_first_of(" \t"));
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
  for (int i = 0; i < pages.count(); ++i) largest = std::max(largest, GetNonameNumber(pages.Pages(i)->Caption()));
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
  // An applet frame has a help page of its own.
  if (kind == ckFrame) {
    designer::TFrame* frame = workbench::MainForm->FCurrentFrame;
    if (frame != nullptr && frame->FrameId == fkApplet) return "Applet";
  }
  const TComponentKindInfo* info = ComponentKindInfo(kind);
  return info != nullptr ? info->helpKeyword : "";
}

void ShowKeywordHelp(const std::string& keyword) {
  platform::Launcher::Instance().OpenHelp(platform::Application()->HelpFile, keyword);
}

void ShowComponentHelp(int kind) { ShowKeywordHelp(ComponentHelpKeyword(kind)); }

void GotoEditorLine(int n) {
  platform::TRichEdit* edit = ActivePage();
  if (edit == nullptr) return;
  platform::FocusControl(*edit);
  // The first character of line n, minus one: the end of line n - 1. Past the text, its end.
  int position = edit->LineIndex(std::max(0, n)) - 1;
  if (position < 0) position = n <= 0 ? 0 : edit->TextLength();
  edit->SetSelStart(position);
  edit->ensureCursorVisible();
}

// ---- Design vocabulary ----

int GetComponentKind(const std::function<bool(TClassTest)>& passes, const std::string& name) {
  if (passes(TClassTest::Form)) return ckFrame;
  if (passes(TClassTest::MainMenu) || name == "MMB") return ckMenuBar;
  // The file-dialog marker is a button, so it is told apart before the push button.
  static constexpr std::pair<TClassTest, int> kOrderedTests[] = {
      {TClassTest::OpenDlg, ckFileDialog},    {TClassTest::PushButton, ckButton},
      {TClassTest::Panel, ckPanel},           {TClassTest::SingleLineEdit, ckTextField},
      {TClassTest::Memo, ckTextArea},         {TClassTest::Label, ckLabel},
      {TClassTest::CheckBox, ckCheckbox},     {TClassTest::RadioButton, ckRadioButton},
      {TClassTest::ComboBox, ckChoice},       {TClassTest::ListBox, ckList},
      {TClassTest::ScrollBar, ckScrollbar},   {TClassTest::MenuItem, ckMenuItem},
      {TClassTest::Image, ckImage},
  };
  for (const auto& [test, kind] : kOrderedTests)
    if (passes(test)) return kind;
  return ckNone;
}

int GetComponentKind(const QObject* component) {
  if (component == nullptr) return ckNone;
  auto passes = [component](TClassTest test) {
    switch (test) {
      case TClassTest::Form: return component->inherits("platform::TForm");
      case TClassTest::MainMenu: return component->inherits("QMenuBar");
      case TClassTest::OpenDlg: return component->inherits("designer::TOpenDlg");
      case TClassTest::PushButton: return component->inherits("QPushButton");
      case TClassTest::Panel: return component->inherits("platform::TPanel");
      case TClassTest::SingleLineEdit: return component->inherits("QLineEdit");
      case TClassTest::Memo: return component->inherits("QPlainTextEdit") || component->inherits("QTextEdit");
      case TClassTest::Label: return component->inherits("QLabel");
      case TClassTest::CheckBox: return component->inherits("QCheckBox");
      case TClassTest::RadioButton: return component->inherits("QRadioButton");
      case TClassTest::ComboBox: return component->inherits("QComboBox");
      case TClassTest::ListBox: return component->inherits("QListWidget");
      case TClassTest::ScrollBar: return component->inherits("QScrollBar");
      case TClassTest::MenuItem: return component->inherits("platform::TMenuItem");
      case TClassTest::Image: return component->inherits("designer::TImage");
    }
    return false;
  };
  return GetComponentKind(passes, component->objectName().toStdString());
}

namespace {

constexpr unsigned kSilver = 0xC0C0C0;
constexpr unsigned kWhite = 0xFFFFFF;

// clang-format off
const TComponentKindInfo kComponentKinds[] = {
    {ckFrame, "", "", "Frame", 0, 0, kKeepBackground, false, "TFrame", "", 14, 17},
    {ckMenuBar, "", "", "MenuBar", 0, 0, kKeepBackground, false, "TMenuBar", "", 2, 0},
    {ckFileDialog, "", "", "FileDialog", 0, 0, kKeepBackground, false, "TOpenDlg", "", 1, 0},
    {ckButton, "Button", "Button", "Button", 75, 25, kKeepBackground, true, "TButton",
     "Caption FontName FontSize FontStyle Height Left Parent Tag Top Width", 11, 7},
    {ckPanel, "Panel", "Panel", "Panel", 185, 41, kSilver, false, "TPanel",
     "Background FontName FontSize FontStyle Foreground Height Left Parent Tag Top Width", 12, 12},
    {ckTextField, "TextField", "TextField", "TextField", 121, 25, kWhite, true, "TTextField",
     "Background FontName FontSize FontStyle Foreground Height Left Parent PasswdChar Tag Text Top Width", 14, 7},
    {ckTextArea, "TextArea", "TextArea", "TextArea", 185, 89, kWhite, true, "TTextArea",
     "Background FontName FontSize FontStyle Foreground Height Left Parent Tag Top Width Items", 13, 6},
    {ckLabel, "Label", "Label", "Label", 65, 17, kKeepBackground, true, "TLabel",
     "Align Caption FontName FontSize FontStyle Height Left Parent Tag Top Width", 11, 0},
    {ckCheckbox, "CheckBox", "Checkbox", "CheckBox", 97, 17, kSilver, true, "TCheckBox",
     "Background Caption Checked FontName FontSize FontStyle Height Left Parent Tag Top Width", 13, 9},
    {ckRadioButton, "RadioButton", "Checkbox", "CheckBox", 113, 17, kSilver, true, "TRadioButton",
     "Background Caption Checked FontName FontSize FontStyle Height Left Parent Tag Top Width", 13, 9},
    {ckChoice, "Choice", "Choice", "Choice", 100, 25, kWhite, false, "TChoice",
     "FontName FontSize FontStyle Height Left Parent Tag Top Width Items", 11, 9},
    {ckList, "List", "List", "List, List in java.awt.List", 121, 97, kWhite, false, "TList",
     "Background FontName FontSize FontStyle Foreground Height Left MultiSelect Parent Tag Top Width Items", 14, 9},
    {ckScrollbar, "ScrollBar", "Scrollbar", "ScrollBar", 121, 16, kKeepBackground, false, "TScrollBar",
     "Background Height Left LineInc Max Min Orientation PageInc Parent Tag Top Value Width", 14, 5},
    {ckMenuItem, "", "", "", 0, 0, kKeepBackground, false, "TJMenuItem", "", 5, 0},
    {ckImage, "Image", "", "Image", 50, 50, kKeepBackground, false, "TImage",
     "FileName Height Left Picture Tag Top Width", 7, 0},
};
// clang-format on

constexpr std::array<const char*, 27> kEventConstants = {
    "ACTION_EVENT",     "GOT_FOCUS",        "LOST_FOCUS",       "KEY_ACTION",      "KEY_ACTION_RELEASE",
    "KEY_PRESS",        "KEY_RELEASE",      "LIST_SELECT",      "LIST_DESELECT",   "LOAD_FILE",
    "SAVE_FILE",        "MOUSE_DOWN",       "MOUSE_UP",         "MOUSE_DRAG",      "MOUSE_MOVE",
    "MOUSE_ENTER",      "MOUSE_EXIT",       "SCROLL_ABSOLUTE",  "SCROLL_LINE_DOWN", "SCROLL_LINE_UP",
    "SCROLL_PAGE_DOWN", "SCROLL_PAGE_UP",   "WINDOW_DEICONIFY", "WINDOW_ICONIFY",  "WINDOW_EXPOSE",
    "WINDOW_MOVED",     "WINDOW_DESTROY",
};

int EventNameError() {
  platform::ShowMessage("ERROR in EventNameToID");
  return 0;
}

// The letter at a 0-based position, or 0 past the end of a short name.
char LetterAt(const std::string& name, size_t index) { return index < name.size() ? name[index] : '\0'; }
char LastLetter(const std::string& name) { return name.empty() ? '\0' : name.back(); }

int KeyEventId(const std::string& name) {
  switch (name.size()) {
    case 8: return ecKeyPress;
    case 9: return ecKeyAction;
    case 10: return ecKeyRelease;
    case 16: return ecKeyActionRelease;
    default: return EventNameError();
  }
}

int MouseEventId(const std::string& name) {
  switch (LastLetter(name)) {
    case 'n': return ecMouseDown;
    case 'p': return ecMouseUp;
    case 'g': return ecMouseDrag;
    case 'e': return ecMouseMove;
    case 'r': return ecMouseEnter;
    case 't': return ecMouseExit;
    default: return EventNameError();
  }
}

int ScrollEventId(const std::string& name) {
  bool down = LastLetter(name) == 'n';
  switch (LetterAt(name, 6)) {
    case 'A': return ecScrollAbsolute;
    case 'L': return down ? ecScrollLineDown : ecScrollLineUp;
    case 'P': return down ? ecScrollPageDown : ecScrollPageUp;
    default: return EventNameError();
  }
}

int WindowEventId(const std::string& name) {
  std::string after = name.substr(name.find("Window") + 6);
  if (after == "DeIconify") return ecWindowDeIconify;
  if (after == "Iconify") return ecWindowIconify;
  if (after == "Expose") return ecWindowExpose;
  if (after == "Moved") return ecWindowMoved;
  if (after == "Destroy") return ecWindowDestroy;
  return EventNameError();
}

bool Holds(const std::string& text, const char* word) { return text.find(word) != std::string::npos; }

struct TColorWord {
  const char* word;
  unsigned color;  // 0x00BBGGRR
};

constexpr TColorWord kColorWords[] = {
    {"black", 0x000000},    {"blue", 0xFF0000},     {"cyan", 0xFFFF00},      {"darkGray", 0x404040},
    {"gray", 0x808080},     {"green", 0x00FF00},    {"lightGray", 0xC0C0C0}, {"magenta", 0xFF00FF},
    {"orange", 0x00C8FF},   {"pink", 0xAFAFFF},     {"red", 0x0000FF},       {"white", 0xFFFFFF},
    {"yellow", 0x00FFFF},
};

constexpr std::array<const char*, 14> kCursorWords = {
    "CROSSHAIR_CURSOR", "DEFAULT_CURSOR",   "E_RESIZE_CURSOR", "HAND_CURSOR",    "MOVE_CURSOR",
    "NE_RESIZE_CURSOR", "NW_RESIZE_CURSOR", "N_RESIZE_CURSOR", "SE_RESIZE_CURSOR", "SW_RESIZE_CURSOR",
    "S_RESIZE_CURSOR",  "TEXT_CURSOR",      "WAIT_CURSOR",     "W_RESIZE_CURSOR",
};

constexpr std::array<const char*, 4> kFontStyleWords = {"[]", "[BOLD]", "[ITALIC]", "[BOLD,ITALIC]"};
constexpr std::array<const char*, 3> kAlignmentWords = {"LEFT", "RIGHT", "CENTER"};

// The framework's sixteen named colours, in their order.
constexpr std::array<unsigned, 16> kNamedColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

}  // namespace

const TComponentKindInfo* ComponentKindInfo(int kind) {
  for (const TComponentKindInfo& info : kComponentKinds)
    if (info.kind == kind) return &info;
  return nullptr;
}

const TComponentKindInfo* ComponentKindOfClass(const std::string& designClass) {
  for (const TComponentKindInfo& info : kComponentKinds)
    if (designClass == info.designClass) return &info;
  return nullptr;
}

int GetHowManyProperties(int kind) {
  if (const TComponentKindInfo* info = ComponentKindInfo(kind)) return info->properties;
  platform::ShowMessage("Error in GetHowManyProperties()");
  return 0;
}

int GetHowManyEvents(int kind) {
  if (const TComponentKindInfo* info = ComponentKindInfo(kind)) return info->events;
  platform::ShowMessage("Error in GetHowManyEvents()");
  return 0;
}

std::string EventIdToString(int code) {
  if (code >= 0 && code < static_cast<int>(kEventConstants.size())) return kEventConstants[static_cast<size_t>(code)];
  platform::ShowMessage("Error in EventIdToString");
  return {};
}

int EventNameToID(const std::string& name) {
  if (Holds(name, "Focus")) return LetterAt(name, 0) == 'G' ? ecGotFocus : ecLostFocus;
  if (Holds(name, "Key")) return KeyEventId(name);
  if (Holds(name, "Mouse")) return MouseEventId(name);
  if (Holds(name, "List")) return LetterAt(name, 4) == 'S' ? ecListSelect : ecListDeSelect;
  if (Holds(name, "File")) return LetterAt(name, 0) == 'L' ? ecLoadFile : ecSaveFile;
  if (Holds(name, "Scroll")) return ScrollEventId(name);
  if (Holds(name, "Window")) return WindowEventId(name);
  return ecAction;
}

std::string ColorToJavaName(unsigned color, const std::string& fallback) {
  for (const TColorWord& entry : kColorWords)
    if (entry.color == color) return entry.word;
  return fallback;
}

unsigned JavaNameToColor(const std::string& word) {
  for (const TColorWord& entry : kColorWords)
    if (word == entry.word) return entry.color;
  return 0;
}

std::string CursorToStr(int index, const std::string& fallback) {
  if (index < 0 || index >= static_cast<int>(kCursorWords.size())) return fallback;
  return kCursorWords[static_cast<size_t>(index)];
}

int StrToCursor(const std::string& word) {
  for (size_t i = 0; i < kCursorWords.size(); ++i)
    if (word == kCursorWords[i]) return static_cast<int>(i);
  return 0;
}

std::string FontStyleToStr(unsigned styles) { return kFontStyleWords[styles & (fsBold | fsItalic)]; }

unsigned StrToFontStyle(const std::string& word) {
  for (unsigned styles = 0; styles < kFontStyleWords.size(); ++styles)
    if (word == kFontStyleWords[styles]) return styles;
  return 0;
}

std::string AlignmentToStr(int alignment) {
  if (alignment < 0 || alignment >= static_cast<int>(kAlignmentWords.size())) return {};
  return kAlignmentWords[static_cast<size_t>(alignment)];
}

int StrToAlignment(const std::string& word) {
  for (size_t i = 0; i < kAlignmentWords.size(); ++i)
    if (word == kAlignmentWords[i]) return static_cast<int>(i);
  platform::ShowMessage("Error in StrToAlignment !");
  return 0;
}

std::string BoolToText(bool flag) { return flag ? "True" : "False"; }
bool TextToBool(const std::string& word) { return word == "True"; }
std::string IntToBoolStr(int n) { return n == 1 ? "True" : "False"; }
std::string OrientationToStr(bool vertical) { return vertical ? "VERTICAL" : "HORIZONTAL"; }
bool StrToOrientation(const std::string& word) { return word != "HORIZONTAL"; }
unsigned DefaultBackground() { return 0xC0C0C0; }

int ColorToIndex(unsigned color) {
  for (size_t i = 0; i < kNamedColors.size(); ++i)
    if (kNamedColors[i] == color) return static_cast<int>(i);
  return 0;
}

// ---- Names in generated source ----

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$'; }

namespace {

bool StandsApart(const std::string& text, size_t at, size_t length, TNameMatch match) {
  if (at > 0 && IsIdentifierChar(text[at - 1])) return false;
  size_t end = at + length;
  if (end >= text.size() || match == TNameMatch::Prefix) return true;
  char next = text[end];
  // A component's handlers join their name to it with an underscore.
  if (match == TNameMatch::Component && next == '_') return true;
  return !IsIdentifierChar(next);
}

}  // namespace

size_t FindName(const std::string& text, const std::string& name, TNameMatch match, size_t from) {
  if (name.empty()) return std::string::npos;
  for (size_t at = text.find(name, from); at != std::string::npos; at = text.find(name, at + 1))
    if (StandsApart(text, at, name.size(), match)) return at;
  return std::string::npos;
}

bool ContainsName(const std::string& text, const std::string& name, TNameMatch match) {
  return FindName(text, name, match) != std::string::npos;
}

int ReplaceName(std::string& text, const std::string& oldName, const std::string& newName, TNameMatch match) {
  int count = 0;
  for (size_t at = FindName(text, oldName, match); at != std::string::npos;
       at = FindName(text, oldName, match, at + newName.size())) {
    text.replace(at, oldName.size(), newName);
    ++count;
  }
  return count;
}

// ---- Words and literals of one line ----

std::string GetFirstToken(const std::string& text) { return GetFirstWord(text); }

std::string DeleteFirstWord(const std::string& text) {
  std::string rest = TrimLeftBlanks(text);
  if (rest.empty()) return {};
  return TrimLeftBlanks(rest.substr(std::min(rest.size(), GetFirstWord(text).size())));
}

std::string ReverseText(const std::string& text) { return std::string(text.rbegin(), text.rend()); }

bool IsBlankChar(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }

int GetIndentWidth(const std::string& line) {
  size_t width = line.find_first_not_of(" \t");
  return static_cast<int>(width == std::string::npos ? line.size() : width);
}

std::string ReplaceWord(const std::string& line, const std::string& oldText, const std::string& newText,
                        bool& replaced) {
  replaced = false;
  if (oldText.empty()) return line;
  std::string result;
  size_t rest = 0;
  for (size_t at = line.find(oldText); at != std::string::npos; at = line.find(oldText, rest)) {
    result.append(line, rest, at - rest).append(newText);
    rest = at + oldText.size();
    replaced = true;
  }
  return replaced ? result.append(line, rest) : line;
}

namespace {

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

class TLiteralBlanker {
 public:
  explicit TLiteralBlanker(std::string& line) : line_(line) {}

  char At(size_t i) const { return i < line_.size() ? line_[i] : '\0'; }
  void Blank(size_t i) {
    if (i < line_.size()) line_[i] = ' ';
  }
  void BlankIfQuote(size_t i, char quote) {
    if (At(i) == quote) Blank(i);
  }

  void CharacterLiteral(size_t p) {
    Blank(p);
    if (At(p + 1) != '\\') {
      Blank(p + 1);
      BlankIfQuote(p + 2, '\'');
      return;
    }
    char c = At(p + 2);
    if (c == 'u') {
      for (size_t i = p + 1; i <= p + 6; ++i) Blank(i);
      BlankIfQuote(p + 7, '\'');
    } else if (IsOctalDigit(c)) {
      OctalLiteral(p);
    } else {
      // A backslash escapes whatever character follows it.
      Blank(p + 1);
      Blank(p + 2);
      BlankIfQuote(p + 3, '\'');
    }
  }

  void OctalLiteral(size_t p) {
    size_t close = line_.find('\'', p + 2);
    size_t length = (close == std::string::npos ? line_.size() : close) - (p + 2);
    if (length >= 4) return;  // too long for an octal escape: only the opening quote goes
    Blank(p + 1);
    size_t i = p + 2;
    for (; i < p + 2 + length && IsOctalDigit(At(i)); ++i) Blank(i);
    if (i == p + 2 + length) BlankIfQuote(i, '\'');
  }

  void StringLiteral(size_t p) {
    Blank(p);
    // The last character is never looked at, so an unclosed literal keeps it.
    size_t i = p + 1;
    while (i + 1 < line_.size()) {
      char c = line_[i];
      char next = line_[i + 1];
      if (c == '"') {
        if (next != '"') Blank(i);
        return;
      }
      if (c == '\\') {  // a backslash escapes whatever character follows it
        Blank(i);
        Blank(i + 1);
        i += 2;
        continue;
      }
      Blank(i);
      if (next == '"') {
        Blank(i + 1);
        return;
      }
      ++i;
    }
  }

 private:
  std::string& line_;
};

}  // namespace

std::string StripLiterals(const std::string& line) {
  std::string result = line;
  TLiteralBlanker blanker(result);
  for (;;) {
    size_t single = result.find('\'');
    size_t dbl = result.find('"');
    if (single == std::string::npos && dbl == std::string::npos) return result;
    if (single < dbl) blanker.CharacterLiteral(single);
    else blanker.StringLiteral(dbl);
  }
}

// ---- Line routines on the active editor page ----

platform::TRichEdit* ActivePage() {
  return workbench::EditorForm != nullptr ? workbench::EditorForm->ActiveEditor() : nullptr;
}

bool LoseMarker() {
  workbench::MarkerLost = true;
  return false;
}

int GetLineIndex(const std::string& text) {
  platform::TRichEdit* edit = ActivePage();
  if (edit == nullptr) return -1;
  const platform::TEditLines& lines = edit->Lines();
  int count = lines.Count();
  for (int i = 0; i < count; ++i)
    if (lines.Get(i).find(text) != std::string::npos) return i;
  return -1;
}

int GetLineIndexBetween(int first, int last, const std::string& text) {
  if (last < first) return -1;
  platform::TRichEdit* edit = ActivePage();
  if (edit == nullptr) return -1;
  const platform::TEditLines& lines = edit->Lines();
  int count = lines.Count();
  if (last >= count) platform::ShowMessage("error: out of bound in function \"GetLineIndexBetween\"");
  // Lines beyond the end read as empty: only the empty text is found there.
  for (int i = std::max(first, 0); i <= std::min(last, count - 1); ++i)
    if (lines.Get(i).find(text) != std::string::npos) return i;
  if (text.empty()) return std::max(first, 0);
  return -1;
}

int GetNameLineIndex(const std::string& prefix, const std::string& name) {
  platform::TRichEdit* edit = ActivePage();
  if (edit == nullptr || name.empty()) return -1;
  const platform::TEditLines& lines = edit->Lines();
  int count = lines.Count();
  for (int i = 0; i < count; ++i) {
    std::string line = lines.Get(i);
    for (size_t at = FindName(line, name, TNameMatch::Component); at != std::string::npos;
         at = FindName(line, name, TNameMatch::Component, at + 1))
      if (at >= prefix.size() && line.compare(at - prefix.size(), prefix.size(), prefix) == 0) return i;
  }
  return -1;
}

namespace {

// Inserts lines above `at` so that they read in the given order; the comments among them take
// the comment colour, as the page's own comments did when it was opened.
void InsertAbove(platform::TRichEdit& edit, int at, const std::vector<std::string>& added) {
  for (auto it = added.rbegin(); it != added.rend(); ++it) edit.Lines().Insert(at, *it);
  for (size_t i = 0; i < added.size(); ++i)
    workbench::EditorForm->ColorCommentLine(edit, at + static_cast<int>(i));
}

}  // namespace

std::string GetEditorLine(int index) {
  platform::TRichEdit* edit = ActivePage();
  return edit == nullptr ? std::string() : edit->Lines().Get(index);
}

void InsertEditorLines(int at, const std::vector<std::string>& lines) {
  if (platform::TRichEdit* edit = ActivePage()) InsertAbove(*edit, at, lines);
}

namespace {

bool SavePageLines(platform::TRichEdit& edit, const std::string& fileName) {
  try {
    edit.SaveToFile(fileName);
    return true;
  } catch (const platform::Exception& failure) {
    platform::MessageDlg(failure.Message(), platform::mtError, platform::mbOK);
    return false;
  }
}

}  // namespace

void UpgradeGeneratedSource(const std::string& fileName, const std::string& className, int frameKind) {
  platform::TRichEdit* edit = ActivePage();
  if (edit == nullptr) return;
  int classLine = GetNameLineIndex("Class ", className);
  int endLine = GetNameLineIndex("End of Class ", className);
  int paint = GetLineIndexBetween(classLine, endLine, kPaintMarker);
  int paintEnd = GetLineIndexBetween(classLine, endLine, kPaintEndMarker);
  if (paint >= 1 && paintEnd >= 1) return;
  workbench::MainForm->activateWindow();
  platform::MessageDlg(fileName + "\r\rThis file was generated by Morvane 0.6.\r" + GetVersionText() +
                           " will upgrade this file.",
                       platform::mtInformation, platform::mbOK);
  platform::TEditLines& lines = edit->Lines();
  if (frameKind == fkApplication || frameKind == fkSecondaryFrame) {
    int anchor = GetLineIndexBetween(classLine, endLine, "if (fForm_Create) InitialPositionSet();");
    if (anchor < 0) {
      LoseMarker();
      return;
    }
    std::string indent = lines.Get(anchor).substr(0, static_cast<size_t>(GetIndentWidth(lines.Get(anchor))));
    InsertAbove(*edit, anchor, {indent + kPaintMarker, indent + kPaintEndMarker});
  } else if (frameKind == fkApplet) {
    int anchor = GetLineIndexBetween(classLine, endLine, "public void InitialPositionSet()");
    if (anchor < 0) {
      LoseMarker();
      return;
    }
    std::string indent = lines.Get(anchor).substr(0, static_cast<size_t>(GetIndentWidth(lines.Get(anchor))));
    InsertAbove(*edit, anchor,
                {indent + "public void paint(Graphics g)", indent + "{", indent + indent + kPaintMarker,
                 indent + indent + kPaintEndMarker, indent + "}", ""});
  }
  SavePageLines(*edit, fileName);
}

void GetWindowMetrics() {
  workbench::WindowMetrics = {platform::WindowMetricsConst::CaptionHeight, platform::WindowMetricsConst::FrameWidth,
                              platform::WindowMetricsConst::FrameHeight};
}

void ClearWindowMetrics() { workbench::WindowMetrics = {}; }

// ---- Look-ups on the current design frame ----

namespace {

TFrame* CurrentFrame() { return workbench::MainForm != nullptr ? workbench::MainForm->FCurrentFrame.data() : nullptr; }

// Components that hold further design components: panels, the menu bar and its items. The
// controls' own inner widgets (scroll bars of a text area...) are none of the design's.
bool HoldsComponents(int kind) { return kind == ckPanel || kind == ckMenuBar || kind == ckMenuItem; }

// The frame's design components, depth first: each one before the components it holds.
void CollectComponents(const QObject* parent, std::vector<QObject*>& found) {
  for (QObject* child : parent->children()) {
    int kind = GetComponentKind(child);
    if (kind == ckNone || child->objectName().isEmpty()) continue;
    found.push_back(child);
    if (HoldsComponents(kind)) CollectComponents(child, found);
  }
}

// The menu bar hangs from the frame itself, the other components from its client area.
std::vector<QObject*> FrameComponents(const TFrame& frame) {
  std::vector<QObject*> found;
  CollectComponents(&frame, found);
  CollectComponents(frame.ClientArea(), found);
  return found;
}

platform::TMenuItem* FindItemIn(const platform::TMenuItem& parent, const std::string& name) {
  for (int i = 0; i < parent.Count(); ++i) {
    platform::TMenuItem* item = parent.Items(i);
    if (item->objectName().toStdString() == name) return item;
    if (platform::TMenuItem* found = FindItemIn(*item, name)) return found;
  }
  return nullptr;
}

bool ListedInInspector(const QObject* component) {
  std::string name = component->objectName().toStdString();
  if (name == "MMB" || name.find("_Dot_Panel") != std::string::npos) return false;
  // A menu item is listed under a named parent item only: the items right under the menu bar
  // hang from its nameless root.
  if (GetComponentKind(component) == ckMenuItem) {
    const auto* parentItem = qobject_cast<const platform::TMenuItem*>(component->parent());
    return parentItem != nullptr && !parentItem->objectName().isEmpty();
  }
  return true;
}

}  // namespace

platform::TMainMenu* FindMenuBar() {
  TFrame* frame = CurrentFrame();
  if (frame == nullptr) return nullptr;
  platform::TMainMenu* last = nullptr;
  for (QObject* component : FrameComponents(*frame))
    if (auto* menu = qobject_cast<platform::TMainMenu*>(component)) last = menu;
  return last;
}

platform::TMenuItem* FindMenuItem(const std::string& name) {
  platform::TMainMenu* menu = FindMenuBar();
  if (menu == nullptr) return nullptr;
  for (platform::TMenuItem* item : menu->Items) {
    if (item->objectName().toStdString() == name) return item;
    if (platform::TMenuItem* found = FindItemIn(*item, name)) return found;
  }
  return nullptr;
}

QObject* FindOpenDlg() {
  TFrame* frame = CurrentFrame();
  if (frame == nullptr) return nullptr;
  for (QObject* child : frame->ClientArea()->children())
    if (GetComponentKind(child) == ckFileDialog) return child;
  return nullptr;
}

void FillComboBox1() {
  QComboBox* combo = ObjInsForm->ComboBox1;
  combo->clear();
  TFrame* frame = CurrentFrame();
  if (frame == nullptr) return;
  combo->addItem(QString::fromStdString(frame->Name() + " : " + ClassNameOf(frame)));
  for (QObject* component : FrameComponents(*frame))
    if (ListedInInspector(component))
      combo->addItem(QString::fromStdString(InspectorEntry(component)));
}

}  // namespace designer
