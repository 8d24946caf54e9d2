#include "designer/EventWriters.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>

#include "designer/CodeWriter_f.h"
#include "designer/Lib.h"

namespace designer {

namespace {

constexpr const char* kRoutineHead = "public void ";

// Who the clause tests: the component by its name, the frame as "this" (events a frame has
// itself), or "this" always (the window events).
enum class TTarget { Name, FrameIsThis, Window };

// The call's arguments and the routine's parameters of one event-signature shape.
struct TSignature {
  const char* arguments;
  const char* parameters;
};

constexpr TSignature kObject{"(evt.target);", "(Object target)"};
constexpr TSignature kKey{"(evt.target, evt.key, evt.modifiers);", "(Object target, int key, int modifiers)"};
constexpr TSignature kMouseDown{"(evt.target, evt.x, evt.y, evt.modifiers, evt.clickCount);",
                                "(Object target, int x, int y, int modifiers, int count)"};
constexpr TSignature kMouse{"(evt.target, evt.x, evt.y, evt.modifiers);", "(Object target, int x, int y, int modifiers)"};
constexpr TSignature kCrossing{"(evt.target, evt.x, evt.y);", "(Object target, int x, int y)"};
constexpr TSignature kScroll{"(evt.target, ((Scrollbar)(evt.target)).getValue());", "(Object target, int value)"};
constexpr TSignature kNone{"", ""};

struct TEventWriter {
  TSignature signature;
  TTarget target;
  int group;  // the event-signature group whose handlers are offered; 0 none
};

// One row per EventCode; the AWT id of the event test is EventIdToString(code).
constexpr std::array<TEventWriter, 27> kWriters = {{
    {kObject, TTarget::Name, 1},           // Action
    {kObject, TTarget::FrameIsThis, 1},    // GotFocus
    {kObject, TTarget::FrameIsThis, 1},    // LostFocus
    {kKey, TTarget::FrameIsThis, 3},       // KeyAction
    {kKey, TTarget::FrameIsThis, 3},       // KeyActionRelease
    {kKey, TTarget::FrameIsThis, 3},       // KeyPress
    {kKey, TTarget::FrameIsThis, 3},       // KeyRelease
    {kObject, TTarget::Name, 1},           // ListSelect
    {kObject, TTarget::Name, 1},           // ListDeSelect
    {kNone, TTarget::Name, 0},             // LoadFile
    {kNone, TTarget::Name, 0},             // SaveFile
    {kMouseDown, TTarget::FrameIsThis, 5}, // MouseDown
    {kMouse, TTarget::FrameIsThis, 4},     // MouseUp
    {kMouse, TTarget::FrameIsThis, 4},     // MouseDrag
    {kMouse, TTarget::FrameIsThis, 4},     // MouseMove
    // MouseEnter and MouseExit are in no group: the key handlers have their parameter types.
    {kCrossing, TTarget::FrameIsThis, 3},  // MouseEnter
    {kCrossing, TTarget::FrameIsThis, 3},  // MouseExit
    {kScroll, TTarget::Name, 2},           // ScrollAbsolute
    {kScroll, TTarget::Name, 2},           // ScrollLineDown
    {kScroll, TTarget::Name, 2},           // ScrollLineUp
    {kScroll, TTarget::Name, 2},           // ScrollPageDown
    {kScroll, TTarget::Name, 2},           // ScrollPageUp
    {kObject, TTarget::Window, 1},         // WindowDeIconify
    {kObject, TTarget::Window, 1},         // WindowIconify
    {kObject, TTarget::Window, 1},         // WindowExpose
    {kObject, TTarget::Window, 1},         // WindowMoved
    {kObject, TTarget::Window, 1},         // WindowDestroy
}};

const TEventWriter* WriterOf(int code) {
  if (code < 0 || code >= static_cast<int>(kWriters.size())) return nullptr;
  return &kWriters[static_cast<size_t>(code)];
}

bool NameEndsAt(const std::string& text, size_t at) { return at >= text.size() || !IsIdentifierChar(text[at]); }

// True when piece + name stands in the text with no name character right after the name.
bool HasWholePiece(const std::string& text, const std::string& piece) {
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
    if (NameEndsAt(text, at + piece.size())) return true;
  return false;
}

size_t SkipBlanks(const std::string& text, size_t at) {
  while (at < text.size() && IsBlankChar(text[at])) ++at;
  return at;
}

// The position of the "(" that opens the parameters of a routine head of that name; npos when the
// line is no such head.
size_t ParametersOf(const std::string& line, const std::string& handler) {
  const std::string head = kRoutineHead;
  for (size_t at = line.find(head); at != std::string::npos; at = line.find(head, at + 1)) {
    size_t name = SkipBlanks(line, at + head.size());
    if (handler.empty() || line.compare(name, handler.size(), handler) != 0) continue;
    size_t open = SkipBlanks(line, name + handler.size());
    if (open < line.size() && line[open] == '(') return open;
  }
  return std::string::npos;
}

// The parameter types of a parameter text from its "(": "(Object target, int x[])" gives Object,
// int[]. Parameter names, "final" and blanks do not count.
std::vector<std::string> ParameterTypes(const std::string& text, size_t open) {
  size_t close = text.find(')', open);
  std::string inside = text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
  std::vector<std::string> types;
  for (size_t start = 0; start <= inside.size();) {
    size_t comma = std::min(inside.find(',', start), inside.size());
    std::vector<std::string> words;
    std::string word;
    for (char c : inside.substr(start, comma - start) + " ") {
      if (!IsBlankChar(c)) {
        word += c;
      } else if (!word.empty()) {
        if (word != "final") words.push_back(word);
        word.clear();
      }
    }
    if (!words.empty()) {
      std::string name = words.back();
      words.pop_back();
      std::string type;
      for (const std::string& part : words) type += part;
      for (size_t brackets = name.find('['); brackets != std::string::npos; brackets = std::string::npos)
        type += name.substr(brackets);  // "int x[]" is an int[]
      types.push_back(type);
    }
    start = comma + 1;
  }
  return types;
}

const std::set<std::string>& JavaReservedWords() {
  // The keywords and literals, and "yield", which an unqualified call such as the clause's may
  // not name.
  static const std::set<std::string> kWords = {
      "_",         "abstract", "assert",     "boolean",   "break",     "byte",       "case",     "catch",
      "char",      "class",    "const",      "continue",  "default",   "do",         "double",   "else",
      "enum",      "extends",  "false",      "final",     "finally",   "float",      "for",      "goto",
      "if",        "implements", "import",   "instanceof", "int",      "interface",  "long",     "native",
      "new",       "null",     "package",    "private",   "protected", "public",     "return",   "short",
      "static",    "strictfp", "super",      "switch",    "synchronized", "this",    "throw",    "throws",
      "transient", "true",     "try",        "void",      "volatile",  "while",      "yield"};
  return kWords;
}

std::string IndentOf(const std::string& line) { return line.substr(0, static_cast<size_t>(GetIndentWidth(line))); }

bool RoutineExists(int first, int last, const std::string& handler, const std::string& parameters) {
  for (int i = first + 1; i < last; ++i)
    if (IsRoutineHead(GetEditorLine(i), handler, parameters)) return true;
  return false;
}

}  // namespace

// ---- Texts ----

bool HasEventWriter(int code) {
  const TEventWriter* writer = WriterOf(code);
  return writer != nullptr && writer->group != 0;
}

std::string HandlerParameters(int code) { return HasEventWriter(code) ? WriterOf(code)->signature.parameters : ""; }

std::string ClauseTarget(int code, const std::string& target, const std::string& frameName) {
  const TEventWriter* writer = WriterOf(code);
  if (writer == nullptr) return target;
  if (writer->target == TTarget::Window) return "this";
  if (writer->target == TTarget::FrameIsThis && target == frameName) return "this";
  return target;
}

std::string DispatchClause(int code, const std::string& target, const std::string& handler, bool firstInSection) {
  if (!HasEventWriter(code)) return {};
  return std::string(firstInSection ? "if" : "else if") + " (evt.id == Event." + EventIdToString(code) +
         " && evt.target == " + target + ") " + handler + WriterOf(code)->signature.arguments;
}

std::vector<std::string> HandlerRoutine(int code, const std::string& handler, const std::string& indent) {
  return {indent + kRoutineHead + handler + HandlerParameters(code), indent + "{", indent, indent + "}", ""};
}

bool IsRoutineHead(const std::string& line, const std::string& handler, const std::string& parameters) {
  size_t open = ParametersOf(line, handler);
  return open != std::string::npos && ParameterTypes(line, open) == ParameterTypes(parameters, 0);
}

bool IsRoutineHeadOf(const std::string& line, const std::string& handler) {
  return ParametersOf(line, handler) != std::string::npos;
}

bool ClauseTestsEvent(const std::string& line, int code, const std::string& target) {
  return HasWholePiece(line, "evt.id == Event." + EventIdToString(code)) &&
         HasWholePiece(line, "evt.target == " + target);
}

bool IsEmptyRoutineBody(const std::string& text) {
  std::string collected;
  for (char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) return false;
    if (IsBlankChar(c)) continue;
    collected += c;
    if (c == '}') return collected == "{}";
  }
  return false;
}

std::string HandlerNameRefusal(const std::string& name) {
  bool identifier = !name.empty() && std::isdigit(static_cast<unsigned char>(name[0])) == 0 &&
                    std::all_of(name.begin(), name.end(), [](char c) { return IsIdentifierChar(c); });
  if (identifier && JavaReservedWords().count(name) == 0) return {};
  return "''" + name + "'' is not a valid handler name";
}

// ---- Event-signature groups ----

const std::vector<std::vector<std::string>>& EventGroupLists() {
  static const std::vector<std::vector<std::string>> kGroups = {
      {"Action", "GotFocus", "LostFocus", "ListSelect", "ListDeSelect", "WindowDeIconify", "WindowIconify",
       "WindowExpose", "WindowMoved", "WindowDestroy"},
      {"ScrollAbsolute", "ScrollLineDown", "ScrollLineUp", "ScrollPageDown", "ScrollPageUp"},
      {"KeyAction", "KeyActionRelease", "KeyPress", "KeyRelease"},
      {"MouseUp", "MouseDrag", "MouseMove"},
      {"MouseDown"},
  };
  return kGroups;
}

int EventGroupOf(int code) {
  const TEventWriter* writer = WriterOf(code);
  return writer == nullptr ? 0 : writer->group;
}

// ---- Writers on the active page ----

void WriteEventHandler(int code, const std::string& target, const std::string& handler, const std::string& frameName) {
  if (!HasEventWriter(code)) return;
  int clauses = GetLineIndex(kHandleEventMarker);
  int clausesEnd = GetLineIndex(kHandleEventEndMarker);
  if (clauses < 0 || clausesEnd < 0) {
    LoseMarker();
    return;
  }
  InsertEditorLines(clausesEnd, {IndentOf(GetEditorLine(clausesEnd)) +
                                 DispatchClause(code, ClauseTarget(code, target, frameName), handler,
                                                clausesEnd == clauses + 1)});
  int routines = GetLineIndex(kEventRoutinesMarker);
  int routinesEnd = GetLineIndex(kEventRoutinesEndMarker);
  if (routines < 0 || routinesEnd < 0) {
    LoseMarker();
    return;
  }
  // An offered handler, or one the menu designer binds again, already has its routine.
  if (RoutineExists(routines, routinesEnd, handler, HandlerParameters(code))) return;
  InsertEditorLines(routinesEnd, HandlerRoutine(code, handler, IndentOf(GetEditorLine(routinesEnd))));
}

void WriteActionEvent(const std::string& target, const std::string& handler) {
  WriteEventHandler(ecAction, target, handler, {});
}

bool FindHandlerRoutine(const std::string& handler, int code, int& line) {
  line = -1;
  int routines = GetLineIndex(kEventRoutinesMarker);
  int routinesEnd = GetLineIndex(kEventRoutinesEndMarker);
  if (routines < 0 || routinesEnd < 0) return false;
  for (int i = routines + 1; i < routinesEnd && line < 0; ++i)
    if (IsRoutineHead(GetEditorLine(i), handler, HandlerParameters(code))) line = i;
  for (int i = routines + 1; i < routinesEnd && line < 0; ++i)
    if (IsRoutineHeadOf(GetEditorLine(i), handler)) line = i;
  return true;
}

bool HandlerRoutinesEmpty(const std::string& handler) {
  int routines = GetLineIndex(kEventRoutinesMarker);
  int routinesEnd = GetLineIndex(kEventRoutinesEndMarker);
  bool found = false;
  for (int i = routines + 1; routines >= 0 && i < routinesEnd; ++i) {
    std::string head = GetEditorLine(i);
    if (!IsRoutineHeadOf(head, handler)) continue;
    found = true;
    // The body runs from after the head's first ")" up to the next routine's head.
    std::string body = head.substr(std::min(head.find(')'), head.size() - 1) + 1);
    for (int next = i + 1; next < routinesEnd && GetEditorLine(next).find(kRoutineHead) == std::string::npos; ++next)
      body += "\n" + GetEditorLine(next);
    if (!IsEmptyRoutineBody(body)) return false;
  }
  return found;
}

void GotoHandlerRoutine(int routineLine) {
  // Past the routine first, so that the page scrolls it whole into view, then into its body.
  GotoEditorLine(routineLine + 8);
  GotoEditorLine(routineLine + 3);
}

}  // namespace designer
