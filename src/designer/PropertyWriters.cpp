#include "designer/PropertyWriters.h"

#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QScrollBar>
#include <QWidget>
#include <cctype>
#include <cstdio>
#include <utility>
#include <vector>

#include "designer/CodeWriter_f.h"
#include "designer/FormDesigner_f.h"
#include "designer/JavaType.h"
#include "designer/Lib.h"
#include "platform/Menus.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

namespace {

struct TPiece {
  std::string before;
  std::string after;
};

// The indexes of a section's two marker lines; false, with the marker lost, when one is missing.
bool Bounds(const std::string& start, const std::string& end, int& first, int& last) {
  first = GetLineIndex(start);
  last = GetLineIndex(end);
  if (first >= 0 && last >= 0) return true;
  LoseMarker();
  return false;
}

// Applies every piece to every line strictly between the section's markers.
bool RenameInSection(const std::string& start, const std::string& end, const std::vector<TPiece>& pieces,
                     const std::string& oldName, const std::string& newName) {
  int first = 0;
  int last = 0;
  if (!Bounds(start, end, first, last)) return false;
  auto& lines = ActivePage()->Lines();
  for (int i = first + 1; i < last; ++i) {
    std::string line = lines.Get(i);
    int count = 0;
    for (const TPiece& piece : pieces) count += ReplacePiece(line, piece.before, oldName, piece.after, newName);
    if (count > 0) lines.Put(i, line);
  }
  return true;
}

// The dispatch clauses and the routines of handlers named after the component (Button1_Action).
bool RenameEventCode(const std::string& oldName, const std::string& newName) {
  static const std::vector<TPiece> kClauses = {{"&& evt.target == ", ") "}, {") ", "_"}};
  static const std::vector<TPiece> kRoutines = {{"public void ", "_"}};
  return RenameInSection(kHandleEventMarker, kHandleEventEndMarker, kClauses, oldName, newName) &&
         RenameInSection(kEventRoutinesMarker, kEventRoutinesEndMarker, kRoutines, oldName,
                         newName);
}


std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string JavaText(const std::string& text) {
  bool special = text.find_first_of("\"\\") != std::string::npos;
  return special ? EscapeJavaString(text) : text;
}

bool HoldsRadioButton(const QWidget* component) {
  return GetComponentKind(component) == ckPanel && HasRadioButton(component);
}

// Where the old value stands in the argument part of its line.
enum class TValueAt {
  KeyEnd,   // right where the line's beginning (the key) ends
  After,    // anywhere after the key, outside the line's literals
  Literal,  // the literal that opens at the key's end, up to the line's last quote of its kind
};

struct TKeyedLine {
  std::string key;        // what the line begins with after its indent
  std::string oldText;    // replaced by newText in the line found (a Literal: the whole literal goes)
  std::string newText;
  TValueAt at = TValueAt::KeyEnd;
  bool deleteWhenNew = false;  // the new value is the Java default: the line goes
  std::string addedLine;       // added at the section's end when no line has the key; "" : it must be there
  bool everyLine = false;      // every line with the key, not only the first
};

bool HasKey(const std::string& line, const std::string& key) {
  return line.compare(static_cast<size_t>(GetIndentWidth(line)), key.size(), key) == 0;
}

bool ReplaceValue(std::string& line, const TKeyedLine& change) {
  const size_t from = static_cast<size_t>(GetIndentWidth(line)) + change.key.size();
  size_t at = std::string::npos;
  size_t length = change.oldText.size();
  switch (change.at) {
    case TValueAt::KeyEnd:
      if (line.compare(from, length, change.oldText) == 0) at = from;
      break;
    case TValueAt::After: at = StripLiterals(line).find(change.oldText, from); break;
    case TValueAt::Literal: {
      size_t close = from < line.size() ? line.rfind(line[from]) : std::string::npos;
      bool quoted = from < line.size() && (line[from] == '"' || line[from] == '\'');
      if (quoted && close != std::string::npos && close > from) {
        at = from;
        length = close + 1 - from;
      }
      break;
    }
  }
  if (at == std::string::npos) return false;
  line.replace(at, length, change.newText);
  return true;
}

// Find the line, edit or delete it, or add it: one section, the frame's or the components'.
void WriteKeyedLine(bool frameSection, const TKeyedLine& change) {
  int first = 0;
  int last = 0;
  if (!Bounds(frameSection ? kFrameInitializationMarker : kInitializationMarker,
              frameSection ? kFrameInitializationEndMarker : kInitializationEndMarker, first, last))
    return;
  auto& lines = ActivePage()->Lines();
  bool found = false;
  for (int i = first + 1; i < last; ++i) {
    std::string line = lines.Get(i);
    if (!HasKey(line, change.key)) continue;
    found = true;
    if (change.deleteWhenNew) {
      lines.Delete(i--);
      --last;
    } else if (ReplaceValue(line, change)) {
      lines.Put(i, line);
    } else {
      LoseMarker();
      return;
    }
    if (!change.everyLine) return;
  }
  if (found || change.deleteWhenNew) return;
  if (change.addedLine.empty()) {
    LoseMarker();
    return;
  }
  std::string marker = lines.Get(last);
  lines.Insert(last, marker.substr(0, static_cast<size_t>(GetIndentWidth(marker))) + change.addedLine);
}

bool IsFrame(const QWidget* component) { return qobject_cast<const TFrame*>(component) != nullptr; }

void WriteKeyedLine(QWidget* component, const TKeyedLine& change) { WriteKeyedLine(IsFrame(component), change); }

// "" for the frame, "Button1." for a component: what stands before a method call in its lines.
std::string Receiver(QWidget* component) { return IsFrame(component) ? std::string() : NameOf(component) + "."; }

std::string Key(QWidget* component, const std::string& call) { return Receiver(component) + call; }

// A call with one argument: its line is found by the call, the old argument is replaced, and the
// line goes when the new argument is the property's default.
TKeyedLine CallLine(QWidget* component, const std::string& call, const std::string& oldArgument,
                    const std::string& newArgument, int code) {
  const std::string key = Key(component, call);
  return {key, oldArgument + ")", newArgument + ")", TValueAt::KeyEnd, IsDefaultValue(code, newArgument),
          key + newArgument + ");"};
}

void WriteColour(QWidget* component, const std::string& call, QPalette::ColorRole role, const std::string& newWord) {
  std::string oldWord = ColorToJavaName(ColourOf(component, role));
  WriteKeyedLine(component, CallLine(component, call, "Color." + oldWord, "Color." + newWord, -1));
}

std::string LowerWord(bool flag) { return flag ? "true" : "false"; }

void WriteFlag(QWidget* component, const std::string& call, bool oldFlag, int code) {
  WriteKeyedLine(component, CallLine(component, call, LowerWord(oldFlag), LowerWord(!oldFlag), code));
}

unsigned StylesOf(const QFont& face) { return (face.bold() ? fsBold : 0u) | (face.italic() ? fsItalic : 0u); }

// The whole font line with one part new: name, style expression or size.
struct TFontParts {
  std::string name;
  std::string style;
  std::string size;
};

TFontParts FontPartsOf(const QWidget* component) {
  QFont face = component->font();
  return {face.family().toStdString(), FontStyleText(StylesOf(face)), std::to_string(face.pointSize())};
}

void WriteFontPart(QWidget* component, const std::string& oldText, const std::string& newText, TValueAt at,
                   const TFontParts& parts) {
  const std::string key = Key(component, "setFont(new Font(");
  WriteKeyedLine(component, {key, oldText, newText, at, false,
                             key + Quoted(parts.name) + "," + parts.style + "," + parts.size + "));"});
}

QScrollBar& Bar(QWidget* scrollbar) { return static_cast<QScrollBar&>(*scrollbar); }

// An argument of the scroll bar's setValues(value,visible,minimum,maximum) line; the line is there
// since the scroll bar's creation.
void WriteValuesArgument(QWidget* scrollbar, const std::string& oldText, const std::string& newText, TValueAt at) {
  WriteKeyedLine(scrollbar, {Key(scrollbar, "setValues("), oldText, newText, at, false, {}});
}

TFrame* CurrentFrame() { return workbench::MainForm->FCurrentFrame.data(); }

// Every name a menu bar's rename changes: the bar's and those of its menus and items, which begin
// with it, each paired with its new name.
using TRenames = std::vector<std::pair<std::string, std::string>>;

void CollectMenuRenames(const platform::TMenuItem& item, const std::string& oldName, const std::string& newName,
                        TRenames& renames) {
  const std::string name = NameOf(&item);
  if (name.compare(0, oldName.size(), oldName) == 0 && name.size() > oldName.size())
    renames.emplace_back(name, newName + name.substr(oldName.size()));
  for (int i = 0; i < item.Count(); ++i) CollectMenuRenames(*item.Items(i), oldName, newName, renames);
}

int RenameNames(std::string& line, const TRenames& renames) {
  int count = 0;
  for (const auto& [oldName, newName] : renames) count += ReplacePiece(line, "", oldName, "", newName);
  return count;
}

void RenameNamesInLines(int first, int last, const TRenames& renames) {
  auto& lines = ActivePage()->Lines();
  for (int i = first; i <= last; ++i) {
    std::string line = lines.Get(i);
    if (RenameNames(line, renames) > 0) lines.Put(i, line);
  }
}

// The first line in first..last that begins with key after its indent; -1 when none.
int LineWithKey(int first, int last, const std::string& key) {
  for (int i = first; i <= last; ++i)
    if (HasKey(ActivePage()->Lines().Get(i), key)) return i;
  return -1;
}

}  // namespace

void WriteBackground(QWidget* component, const std::string& newWord) {
  WriteColour(component, "setBackground(", QPalette::Window, newWord);
}

void WriteForeground(QWidget* component, const std::string& newWord) {
  WriteColour(component, "setForeground(", QPalette::WindowText, newWord);
}

void WriteEnabled(QWidget* component, bool oldFlag) { WriteFlag(component, "enable(", oldFlag, pcEnabled); }

void WriteVisible(QWidget* component, bool oldFlag) { WriteFlag(component, "show(", oldFlag, pcVisible); }

void WriteAlignment(QWidget* label, const std::string& newWord) {
  const std::string oldWord = AlignmentToStr(LabelAlignment(static_cast<const QLabel&>(*label)));
  WriteKeyedLine(label, {NameOf(label) + " = new Label(", ",Label." + oldWord + ")", ",Label." + newWord + ")",
                         TValueAt::After, false, {}, true});
}

void WriteCheckboxState(QWidget* checkbox, const std::string& newWord) {
  const bool checked = static_cast<const QAbstractButton&>(*checkbox).isChecked();
  WriteKeyedLine(checkbox,
                 CallLine(checkbox, "setState(", LowerWord(checked), platform::LowerCase(newWord), pcChecked));
}

void WriteCursor(const std::string& oldWord, const std::string& newWord) {
  WriteKeyedLine(true, CallLine(CurrentFrame(), "setCursor(", oldWord, newWord, pcCursor));
}

void WriteResizable(bool oldFlag, const std::string& newWord) {
  WriteKeyedLine(true, CallLine(CurrentFrame(), "setResizable(", LowerWord(oldFlag), platform::LowerCase(newWord),
                                pcResizable));
}

void WriteFontName(QWidget* component, const std::string& newName) {
  TFontParts parts = FontPartsOf(component);
  const std::string oldName = parts.name;
  parts.name = newName;
  WriteFontPart(component, Quoted(oldName) + ",", Quoted(newName) + ",", TValueAt::KeyEnd, parts);
}

void WriteFontSize(QWidget* component, const std::string& newSize) {
  TFontParts parts = FontPartsOf(component);
  const std::string oldSize = parts.size;
  parts.size = newSize;
  WriteFontPart(component, "," + oldSize + "))", "," + newSize + "))", TValueAt::After, parts);
}

void WriteFontStyle(QWidget* component, const std::string& newWord) {
  TFontParts parts = FontPartsOf(component);
  const std::string oldStyle = parts.style;
  parts.style = FontStyleText(StrToFontStyle(newWord));
  WriteFontPart(component, "," + oldStyle + ",", "," + parts.style + ",", TValueAt::After, parts);
}

void WriteMultipleSelections(QWidget* list, const std::string& newWord) {
  const bool multiple =
      static_cast<const QListWidget&>(*list).selectionMode() == QAbstractItemView::MultiSelection;
  WriteKeyedLine(list, CallLine(list, "setMultipleSelections(", LowerWord(multiple), platform::LowerCase(newWord),
                                pcMultiSelect));
}

void WriteOrientation(QWidget* scrollbar, const std::string& newWord) {
  const std::string oldWord = OrientationToStr(Bar(scrollbar).orientation() == Qt::Vertical);
  WriteKeyedLine(scrollbar, {NameOf(scrollbar) + " = new Scrollbar(Scrollbar.", oldWord + ")", newWord + ")",
                             TValueAt::KeyEnd, false, {}, true});
}

void WriteLineIncrement(QWidget* scrollbar, const std::string& newValue) {
  WriteKeyedLine(scrollbar, CallLine(scrollbar, "setLineIncrement(", std::to_string(Bar(scrollbar).singleStep()),
                                     newValue, pcLineInc));
}

void WritePageIncrement(QWidget* scrollbar, const std::string& newValue) {
  WriteKeyedLine(scrollbar, CallLine(scrollbar, "setPageIncrement(", std::to_string(Bar(scrollbar).pageStep()),
                                     newValue, pcPageInc));
}

void WriteMaximum(QWidget* scrollbar, const std::string& newValue) {
  const std::string oldMaximum = std::to_string(ScrollValues(scrollbar).maximum);
  WriteValuesArgument(scrollbar, "," + oldMaximum + ")", "," + newValue + ")", TValueAt::After);
}

void WriteMinimum(QWidget* scrollbar, const std::string& newValue) {
  const TScrollValues old = ScrollValues(scrollbar);
  const std::string maximum = "," + std::to_string(old.maximum) + ")";
  WriteValuesArgument(scrollbar, "," + std::to_string(old.minimum) + maximum, "," + newValue + maximum,
                      TValueAt::After);
}

void WriteScrollValue(QWidget* scrollbar, const std::string& newValue) {
  WriteValuesArgument(scrollbar, std::to_string(ScrollValues(scrollbar).value) + ",", newValue + ",",
                      TValueAt::KeyEnd);
}

std::string JavaCharLiteral(const std::string& character) {
  const QList<uint> codes = QString::fromStdString(character).toUcs4();
  const uint c = codes.isEmpty() ? 0 : codes.first();
  if (c == '\'' || c == '\\') return std::string("'\\") + static_cast<char>(c) + "'";
  if (c >= 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  char escaped[16];
  std::snprintf(escaped, sizeof escaped, "'\\u%04x'", c & 0xFFFF);
  return escaped;
}

void WriteEchoCharacter(QWidget* textField, const std::string& oldChar, const std::string& newChar) {
  const std::string key = Key(textField, "setEchoCharacter(");
  const std::string literal = JavaCharLiteral(newChar);
  WriteKeyedLine(textField, {key, JavaCharLiteral(oldChar) + ")", literal + ")", TValueAt::KeyEnd,
                             IsDefaultValue(pcPasswdChar, newChar), key + literal + ");"});
}

void WriteTextFieldText(QWidget* textField, const std::string&, const std::string& newText) {
  WriteKeyedLine(textField, {NameOf(textField) + " = new TextField(", {}, Quoted(JavaText(newText)),
                             TValueAt::Literal, false, {}, true});
}

void WriteTextAreaText(QWidget* textArea, const std::string& escapedText) {
  WriteKeyedLine(textArea, {NameOf(textArea) + " = new TextArea(", {}, Quoted(EscapeLineBreaks(escapedText)),
                            TValueAt::Literal, false, {}, true});
}

void WriteListItems(QWidget* component, const std::vector<std::string>& escapedItems) {
  const std::string n = NameOf(component);
  int first = 0;
  int last = 0;
  if (!Bounds(kInitializationMarker, kInitializationEndMarker, first, last)) return;
  RemoveAddItemLines(first + 1, last - 1, n);
  last = GetLineIndex(kInitializationEndMarker);
  const std::string kind = GetComponentKind(component) == ckChoice ? "Choice(" : "List(";
  const int construction = LineWithKey(first + 1, last - 1, n + " = new " + kind);
  if (construction < 0) {
    LoseMarker();
    return;
  }
  auto& lines = ActivePage()->Lines();
  const std::string line = lines.Get(construction);
  const std::string indent = line.substr(0, static_cast<size_t>(GetIndentWidth(line)));
  for (size_t i = 0; i < escapedItems.size(); ++i)
    lines.Insert(construction + 1 + static_cast<int>(i), indent + n + ".addItem(" + Quoted(escapedItems[i]) + ");");
}

void WriteImageFile(QWidget* image, const std::string& oldFile, const std::string& newFile) {
  const TFrame* frame = FrameOf(image);
  const std::string key = NameOf(image) + (frame != nullptr && frame->FrameId == fkApplet
                                               ? " = getImage(getCodeBase(), "
                                               : " = Toolkit.getDefaultToolkit().getImage(");
  const std::string literal = Quoted(EscapeJavaString(newFile));
  WriteKeyedLine(image, {key, Quoted(EscapeJavaString(oldFile)) + ")", literal + ")", TValueAt::KeyEnd, false,
                         key + literal + ");"});
}

void SetLabelsColor(QWidget* container) {
  const unsigned colour = ColourOf(container, QPalette::Window);
  for (QObject* child : container->children())
    if (GetComponentKind(child) == ckLabel) SetBackground(static_cast<QWidget*>(child), colour);
}

int ReplacePiece(std::string& line, const std::string& before, const std::string& oldName, const std::string& after,
                 const std::string& newName) {
  const std::string needle = before + oldName + after;
  int count = 0;
  for (size_t at = line.find(needle); at != std::string::npos; at = line.find(needle, at)) {
    size_t end = at + needle.size();
    bool apart = !after.empty() || end >= line.size() || !IsIdentifierChar(line[end]);
    bool frontApart = !before.empty() || at == 0 || !IsIdentifierChar(line[at - 1]);
    // A caption or text that mentions the name is not the name.
    bool code = StripLiterals(line).compare(at, needle.size(), needle) == 0;
    if (!apart || !frontApart || !code) {
      at = end;
      continue;
    }
    std::string replacement = before + newName + after;
    line.replace(at, needle.size(), replacement);
    at += replacement.size();
    ++count;
  }
  return count;
}

void WriteCaption(QWidget* component) {
  TFrame* frame = qobject_cast<TFrame*>(component);
  if (frame != nullptr && frame->FrameId == fkApplet) return;
  std::string name = NameOf(component);
  std::string start = frame != nullptr ? kFrameInitializationMarker : kInitializationMarker;
  std::string end = frame != nullptr ? kFrameInitializationEndMarker : kInitializationEndMarker;
  int first = 0;
  int last = 0;
  if (!Bounds(start, end, first, last)) return;
  int index = LineWithKey(first + 1, last - 1, frame != nullptr ? "setTitle(" : name + " = new ");
  if (index < 0) {
    LoseMarker();
    return;
  }
  std::string line = ActivePage()->Lines().Get(index);
  size_t open = line.find("(\"");
  size_t close = line.rfind('"');
  if (open == std::string::npos || close <= open + 1) {
    LoseMarker();
    return;
  }
  std::string caption = frame != nullptr ? frame->Caption() : ComponentCaption(component);
  line.replace(open + 2, close - open - 2, JavaText(caption));
  ActivePage()->Lines().Put(index, line);
}

void RenameComponentCode(QWidget* component, const std::string& newName) {
  const std::string o = NameOf(component);
  const bool image = GetComponentKind(component) == ckImage;
  const bool group = HoldsRadioButton(component);
  TFrame* frame = FrameOf(component);
  const bool applet = frame != nullptr && frame->FrameId == fkApplet;

  if (!RenameInSection(kDeclarationMarker, kDeclarationEndMarker, {{" ", ";"}}, o, newName)) return;

  std::vector<TPiece> initialization;
  if (image) initialization.push_back({" ", applet ? " = getImage(" : " = Toolkit.getDefaultToolkit().getImage("});
  else initialization = {{" ", " = new"}, {" ", "."}};
  if (!RenameInSection(kInitializationMarker, kInitializationEndMarker, initialization, o,
                       newName))
    return;
  if (group) {
    RenameRadioGroupCode(o, newName);
    if (workbench::MarkerLost) return;
  }
  if (image) {
    RenameInSection(kPaintMarker, kPaintEndMarker, {{"g.drawImage(", ","}}, o, newName);
    return;
  }
  if (!RenameInSection(kAddsMarker, kAddsEndMarker, {{"(", ")"}, {" ", "."}}, o, newName)) return;
  if (!RenameInSection(kPositionsMarker, kPositionsEndMarker, {{" ", ".reshape"}}, o, newName))
    return;
  RenameEventCode(o, newName);
}

void RenameRadioGroupCode(const std::string& oldContainer, const std::string& newContainer) {
  if (!RenameInSection(kDeclarationMarker, kDeclarationEndMarker, {{"CheckboxGroup CheckboxGrpIn", ""}}, oldContainer,
                       newContainer))
    return;
  RenameInSection(kInitializationMarker, kInitializationEndMarker, {{"CheckboxGrpIn", ""}, {"// CheckboxGroup in ", ""}},
                  oldContainer, newContainer);
}

void RenameMenuCode(const std::string& oldName, const std::string& newName) {
  TRenames renames = {{oldName, newName}};
  if (platform::TMainMenu* bar = FindMenuBar())
    for (const platform::TMenuItem* menu : bar->Items) CollectMenuRenames(*menu, oldName, newName, renames);
  int first = 0;
  int last = 0;
  if (!Bounds(kDeclarationMarker, kDeclarationEndMarker, first, last)) return;
  RenameNamesInLines(first + 1, last - 1, renames);
  if (!Bounds(kInitializationMarker, kInitializationEndMarker, first, last)) return;
  const int bar = LineWithKey(first + 1, last - 1, oldName + " = new MenuBar()");
  const int set = bar < 0 ? -1 : LineWithKey(bar + 1, last - 1, "setMenuBar(" + oldName + ")");
  if (set < 0) {
    LoseMarker();
    return;
  }
  RenameNamesInLines(bar, set, renames);
  for (size_t i = 1; i < renames.size() && !workbench::MarkerLost; ++i)
    RenameEventCode(renames[i].first, renames[i].second);
}

}  // namespace designer
