#include "designer/PropertyWriters.h"

#include <QPalette>
#include <QWidget>
#include <cctype>
#include <vector>

#include "designer/CodeWriter_f.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "platform/RichEdit.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

namespace {

struct TPiece {
  std::string before;
  std::string after;
};

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$'; }

platform::TRichEdit* ActivePage() { return workbench::EditorForm->ActiveEditor(); }

// The indexes of a section's two marker lines; false, with the marker lost, when one is missing.
bool Bounds(const std::string& start, const std::string& end, int& first, int& last) {
  first = GetLineIndex(start);
  last = GetLineIndex(end);
  if (first >= 0 && last >= 0) return true;
  workbench::MarkerLost = true;
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

// The line of the section holding key, -1 when none.
int KeyLine(const std::string& start, const std::string& end, const std::string& key) {
  int first = 0;
  int last = 0;
  if (!Bounds(start, end, first, last)) return -1;
  int found = GetLineIndexBetween(first + 1, last - 1, key);
  if (found < 0) workbench::MarkerLost = true;
  return found;
}

TFrame* FrameOf(QWidget* component) {
  if (auto* frame = qobject_cast<TFrame*>(component)) return frame;
  return qobject_cast<TFrame*>(component->window());
}

std::string JavaText(const std::string& text) {
  bool special = text.find_first_of("\"\\") != std::string::npos;
  return special ? EscapeJavaString(text) : text;
}

bool HoldsRadioButton(const QWidget* component) {
  return GetComponentKind(component) == ckPanel && HasRadioButton(component);
}

struct TKeyedLine {
  std::string key;        // the substring that finds the line
  std::string oldText;    // replaced by newText in the line found
  std::string newText;
  bool deleteWhenNew;     // the new value is the Java default: the line goes
  std::string addedLine;  // added at the section's end when no line holds the key
};

// Find the line, edit or delete it, or add it: one section, the frame's or the components'.
void WriteKeyedLine(QWidget* component, const TKeyedLine& change) {
  const bool isFrame = qobject_cast<TFrame*>(component) != nullptr;
  int first = 0;
  int last = 0;
  if (!Bounds(isFrame ? "// Frame Initialization" : "// Component Initialization",
              isFrame ? "// End of Frame Initialization" : "// End of Component Initialization", first, last))
    return;
  auto& lines = ActivePage()->Lines();
  int found = GetLineIndexBetween(first + 1, last - 1, change.key);
  if (found < 0) {
    if (change.deleteWhenNew) return;
    std::string marker = lines.Get(last);
    lines.Insert(last, marker.substr(0, static_cast<size_t>(GetIndentWidth(marker))) + change.addedLine);
    return;
  }
  if (change.deleteWhenNew) {
    lines.Delete(found);
    return;
  }
  std::string line = lines.Get(found);
  size_t at = line.find(change.oldText, line.find(change.key) + change.key.size() - 1);
  if (at == std::string::npos) {
    workbench::MarkerLost = true;
    return;
  }
  line.replace(at, change.oldText.size(), change.newText);
  lines.Put(found, line);
}

unsigned ColourOf(const QWidget* widget, QPalette::ColorRole role) {
  QColor c = widget->palette().color(role);
  return static_cast<unsigned>(c.red()) | static_cast<unsigned>(c.green()) << 8 |
         static_cast<unsigned>(c.blue()) << 16;
}

// "" for the frame, "Button1." for a component: what stands before a method call in its lines.
std::string Receiver(QWidget* component) {
  return qobject_cast<TFrame*>(component) != nullptr ? std::string() : component->objectName().toStdString() + ".";
}

std::string Key(QWidget* component, const std::string& call) {
  std::string receiver = Receiver(component);
  return receiver.empty() ? call : " " + receiver + call;
}

void WriteColour(QWidget* component, const std::string& call, QPalette::ColorRole role, const std::string& newWord) {
  std::string oldWord = ColorToJavaName(ColourOf(component, role));
  WriteKeyedLine(component, {Key(component, call), "Color." + oldWord, "Color." + newWord, false,
                             Receiver(component) + call + "Color." + newWord + ");"});
}

void WriteFlag(QWidget* component, const std::string& call, bool oldFlag) {
  std::string newWord = oldFlag ? "false" : "true";
  WriteKeyedLine(component, {Key(component, call), oldFlag ? "true" : "false", newWord, !oldFlag,
                             Receiver(component) + call + newWord + ");"});
}

}  // namespace

void WriteBackground(QWidget* component, const std::string& newWord) {
  WriteColour(component, "setBackground(", QPalette::Window, newWord);
}

void WriteForeground(QWidget* component, const std::string& newWord) {
  WriteColour(component, "setForeground(", QPalette::WindowText, newWord);
}

void WriteEnabled(QWidget* component, bool oldFlag) { WriteFlag(component, "enable(", oldFlag); }

void WriteVisible(QWidget* component, bool oldFlag) { WriteFlag(component, "show(", oldFlag); }

int ReplacePiece(std::string& line, const std::string& before, const std::string& oldName, const std::string& after,
                 const std::string& newName) {
  const std::string needle = before + oldName + after;
  int count = 0;
  for (size_t at = line.find(needle); at != std::string::npos; at = line.find(needle, at)) {
    size_t end = at + needle.size();
    bool apart = !after.empty() || end >= line.size() || !IsIdentifierChar(line[end]);
    bool frontApart = !before.empty() || at == 0 || !IsIdentifierChar(line[at - 1]);
    if (!apart || !frontApart) {
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
  std::string name = component->objectName().toStdString();
  std::string start = frame != nullptr ? "// Frame Initialization" : "// Component Initialization";
  std::string end = frame != nullptr ? "// End of Frame Initialization" : "// End of Component Initialization";
  int index = -1;
  if (frame != nullptr) {
    index = KeyLine(start, end, "setTitle(");
  } else {
    int first = 0;
    int last = 0;
    if (!Bounds(start, end, first, last)) return;
    for (int i = first + 1; i < last && index < 0; ++i) {
      std::string line = ActivePage()->Lines().Get(i);
      if (ReplacePiece(line, " ", name, " = new", name) > 0) index = i;
    }
    if (index < 0) workbench::MarkerLost = true;
  }
  if (index < 0) return;
  std::string line = ActivePage()->Lines().Get(index);
  size_t open = line.find("(\"");
  size_t close = line.rfind('"');
  if (open == std::string::npos || close <= open + 1) {
    workbench::MarkerLost = true;
    return;
  }
  std::string caption = frame != nullptr ? frame->Caption() : ComponentCaption(component);
  line.replace(open + 2, close - open - 2, JavaText(caption));
  ActivePage()->Lines().Put(index, line);
}

void RenameComponentCode(QWidget* component, const std::string& newName) {
  const std::string o = component->objectName().toStdString();
  const bool image = GetComponentKind(component) == ckImage;
  const bool group = HoldsRadioButton(component);
  TFrame* frame = FrameOf(component);
  const bool applet = frame != nullptr && frame->FrameId == fkApplet;

  std::vector<TPiece> declaration{{" ", ";"}};
  if (group) declaration.push_back({"CheckboxGroup CheckboxGrpIn", ""});
  if (!RenameInSection("// Component Declaration", "// End of Component Declaration", declaration, o, newName)) return;

  std::vector<TPiece> initialization;
  if (image) initialization.push_back({" ", applet ? " = getImage(" : " = Toolkit.getDefaultToolkit().getImage("});
  else initialization = {{" ", " = new"}, {" ", "."}};
  if (group) {
    initialization.push_back({"CheckboxGrpIn", ""});
    initialization.push_back({"// CheckboxGroup in ", ""});
  }
  if (!RenameInSection("// Component Initialization", "// End of Component Initialization", initialization, o,
                       newName))
    return;
  if (image) {
    RenameInSection("// paint()", "// End of paint()", {{"g.drawImage(", ","}}, o, newName);
    return;
  }
  if (!RenameInSection("// Add()s", "// End of Add()s", {{"(", ")"}, {" ", "."}}, o, newName)) return;
  if (!RenameInSection("// InitialPositionSet()", "// End of InitialPositionSet()", {{" ", ".reshape"}}, o, newName))
    return;
  if (!RenameInSection("// handleEvent()", "// End of handleEvent()", {{"&& evt.target == ", ") "}, {") ", "_"}}, o,
                       newName))
    return;
  RenameInSection("// Event Handling Routines", "// End of Event Handling Routines", {{"public void ", "_"}}, o,
                  newName);
}

}  // namespace designer
