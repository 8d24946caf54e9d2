#include "designer/CodeWriter_f.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>

#include "designer/EventWriters.h"
#include "designer/FormDesigner_f.h"
#include "designer/JavaType.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "designer/PropertyWriters.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

using platform::TEditLines;
using platform::TStringList;

namespace {

// ---- Templates ----

// Application frame lines 16-24: the marker pairs of the frame's own lines, the components and the
// add() calls, shared by every kind.
const std::vector<std::string> kInitializationSections = {
    "        " + kFrameInitializationMarker,
    "        " + kFrameInitializationEndMarker,
    "",
    "        " + kInitializationMarker,
    "        " + kInitializationEndMarker,
    "",
    "        " + kAddsMarker,
    "        " + kAddsEndMarker,
    "",
};

const std::vector<std::string> kHandleEvent = {
    "    public boolean handleEvent(Event evt)",
    "    {",
    "        " + kHandleEventMarker,
    "        if (evt.id == Event.WINDOW_DESTROY && evt.target == this) $NAME_WindowDestroy(evt.target);",
    "        " + kHandleEventEndMarker,
    "",
    "        return super.handleEvent(evt);",
    "    }",
};

std::vector<std::string> EventRoutines(const std::string& windowDestroyBody) {
  return {
      "    " + kEventRoutinesMarker,
      "    public void $NAME_WindowDestroy(Object target)",
      "    {",
      "        " + windowDestroyBody,
      "    }",
      "",
      "    " + kEventRoutinesEndMarker,
      "",
      "} // End of Class $NAME",
  };
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// The application frame (with main()) and the secondary frame (without it) share their lines.
std::vector<std::string> FrameTemplate(bool withMain) {
  std::vector<std::string> lines = {
      "// {$R $NAME.JFM}",
      "",
      "import java.awt.*;",
      "",
      "// Class $NAME",
      "public class $NAME extends Frame",
      "{",
      "    final int MenuBarHeight = 0;",
      "    boolean fForm_Create;",
      "",
      "    " + kDeclarationMarker,
      "    " + kDeclarationEndMarker,
      "",
      "    " + kConstructorMarker,
      "    public $NAME()",
      "    {",
  };
  Append(lines, kInitializationSections);
  Append(lines, {
                    "        fForm_Create = true;",
                    "    }",
                    "",
                    "    public void InitialPositionSet()",
                    "    {",
                    "        " + kPositionsMarker,
                    "        " + kPositionsEndMarker,
                    "",
                    "        fForm_Create = false;",
                    "    }",
                    "",
                });
  Append(lines, kHandleEvent);
  Append(lines, {
                    "",
                    "    public void paint(Graphics g)",
                    "    {",
                    "        " + kPaintMarker,
                    "        " + kPaintEndMarker,
                    "        if (fForm_Create) InitialPositionSet();",
                    "    }",
                    "",
                });
  if (withMain)
    Append(lines, {
                      "   " + kMainMarker,
                      "   public static void main(String args[])",
                      "   {",
                      "       $NAME $NAME = new $NAME();",
                      "       $NAME.show();",
                      "   } " + kMainEndMarker,
                      "",
                  });
  Append(lines, EventRoutines(withMain ? "System.exit(0);" : "hide();"));
  lines.push_back("");
  return lines;
}

std::vector<std::string> AppletTemplate() {
  std::vector<std::string> lines = {
      "// {$R $NAME.JFM}",
      "",
      "import java.awt.*;",
      "import java.applet.Applet;",
      "",
      "// Class $NAME",
      "public class $NAME extends Applet",
      "{",
      "    final int MenuBarHeight = 0;",
      "",
      "    " + kDeclarationMarker,
      "    " + kDeclarationEndMarker,
      "",
      "    // init()",
      "    public void init()",
      "    {",
  };
  Append(lines, kInitializationSections);
  Append(lines, {
                    "        InitialPositionSet();",
                    "    } // End of init()",
                    "",
                    "    // start()",
                    "    public void start()",
                    "    {",
                    "    } // End of start()",
                    "",
                    "    // stop()",
                    "    public void stop()",
                    "    {",
                    "    } // End of stop()",
                    "",
                    "    // destroy()",
                    "    public void destroy()",
                    "    {",
                    "    } // End of destroy()",
                    "",
                    "    public void paint(Graphics g)",
                    "    {",
                    "        " + kPaintMarker,
                    "        " + kPaintEndMarker,
                    "    }",
                    "",
                    "    public void InitialPositionSet()",
                    "    {",
                    "        " + kPositionsMarker,
                    "        " + kPositionsEndMarker,
                    "    }",
                    "",
                });
  Append(lines, kHandleEvent);
  lines.push_back("");
  Append(lines, EventRoutines("System.exit(0);"));
  lines.push_back("");
  return lines;
}

// Indexed by kind - 200.
std::array<TStringList, 3> CodeTemplates;
const TStringList kNoTemplate;

// ---- Page access ----

TFrame* CurrentFrame() { return workbench::MainForm->FCurrentFrame.data(); }

int PageIndexOf(const TFrame* frame) {
  if (frame == nullptr || frame->FSourcePage.isNull()) return -1;
  return workbench::EditorForm->Page->indexOf(frame->FSourcePage.data());
}

std::string IndentOf(const std::string& line) { return line.substr(0, static_cast<size_t>(GetIndentWidth(line))); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string FrameFontLine(const TFrame& frame) {
  QFont face = frame.font();
  unsigned styles = (face.bold() ? fsBold : 0u) | (face.italic() ? fsItalic : 0u);
  return "setFont(new Font(" + Quoted(face.family().toStdString()) + "," + FontStyleText(styles) + "," +
         std::to_string(face.pointSize()) + "));";
}

std::string FramePositionLine(const TFrame& frame, int kind) {
  using std::to_string;
  if (kind == fkApplet) return "resize(" + to_string(frame.width()) + "," + to_string(frame.height()) + ");";
  return "reshape(" + to_string(frame.Left()) + "," + to_string(frame.Top()) + "," + to_string(frame.Width()) + "," +
         to_string(frame.Height()) + ");";
}

// Renames in lines first..last of the page; false when nothing was renamed.
bool RenameInLines(int first, int last, const std::string& oldName, const std::string& newName, TNameMatch match) {
  TEditLines& lines = ActivePage()->Lines();
  int count = 0;
  for (int i = std::max(first, 0); i <= std::min(last, lines.Count() - 1); ++i) {
    std::string line = lines.Get(i);
    int renamed = ReplaceName(line, oldName, newName, match);
    if (renamed > 0) lines.Put(i, line);
    count += renamed;
  }
  return count > 0;
}

// Renames inside a section, between its two marker lines. False only when a marker is missing:
// the section may hold no occurrence at all (the user may have removed its lines by hand).
bool RenameInSection(const std::string& start, const std::string& end, const std::string& oldName,
                     const std::string& newName, TNameMatch match) {
  int first = GetLineIndex(start);
  int last = GetLineIndex(end);
  if (first < 0 || last < 0) return false;
  RenameInLines(first + 1, last - 1, oldName, newName, match);
  return true;
}

bool RenameLineAndNext(int line, const std::string& oldName, const std::string& newName) {
  return line >= 0 && RenameInLines(line, line + 1, oldName, newName, TNameMatch::Component);
}

// The handler names built on the class name: O + "_" becomes new + "_".
bool RenameHandlersInSection(const std::string& start, const std::string& end, const std::string& oldName,
                             const std::string& newName) {
  return RenameInSection(start, end, oldName + "_", newName + "_", TNameMatch::Prefix);
}

// The name must be replaced where it has to stand for the source to compile: the design link, the
// class line, the constructor and the end of the class. The sections only need their markers.
bool RenameClassSteps(int kind, const std::string& oldName, const std::string& newName) {
  const TNameMatch name = TNameMatch::Component;
  if (!RenameInLines(0, 1, oldName, newName, name)) return false;
  if (!RenameLineAndNext(GetNameLineIndex("// Class ", oldName), oldName, newName)) return false;
  if (kind != fkApplet) {
    int constructor = GetLineIndex(kConstructorMarker);
    if (constructor < 0 || !RenameInLines(constructor + 1, constructor + 1, oldName, newName, name)) return false;
  }
  bool handleEvent = kind == fkSecondaryFrame
                         ? RenameHandlersInSection(kHandleEventMarker, kHandleEventEndMarker, oldName, newName)
                         : RenameInSection(kHandleEventMarker, kHandleEventEndMarker, oldName, newName, name);
  if (!handleEvent) return false;
  if (kind == fkApplication && !RenameInSection(kMainMarker, kMainEndMarker, oldName, newName, name)) return false;
  const std::string& routines = kEventRoutinesMarker;
  const std::string& routinesEnd = kEventRoutinesEndMarker;
  bool handlers = kind == fkSecondaryFrame ? RenameInSection(routines, routinesEnd, oldName, newName, name)
                                           : RenameHandlersInSection(routines, routinesEnd, oldName, newName);
  if (!handlers) return false;
  int end = GetNameLineIndex("// End of Class ", oldName);
  return end >= 0 && RenameInLines(end, end, oldName, newName, name);
}

// ---- Lost-marker recovery ----

constexpr const char* kLostMarkerQuestion =
    "   Source codes in critical sections are modified deliberately   \r"
    "   and lost some important informations.   \r\r"
    "   This file will be closed now.   \r"
    "   Do you want to save this file ?   ";

// The folder of the page's file; an untitled page's copy goes to the current folder.
std::string RescueFolder(const std::string& fileName) {
  std::string folder = platform::ExtractFilePath(fileName);
  if (!folder.empty()) return folder;
  return platform::IncludeTrailingPathDelimiter(std::filesystem::current_path().string());
}

void SaveRescueCopy(const platform::TRichEdit& edit, const std::string& folder) {
  std::string rescue = folder + "$Morvane.tmp";
  try {
    edit.SaveToFile(rescue);
  } catch (const platform::Exception& failure) {
    platform::MessageBox("   Can not save this file as   \r   " + rescue + "   \r\r   " + failure.Message() + "   ",
                         GetVersionText(), platform::mtError, platform::mbOK);
    return;
  }
  platform::MessageBox("   This file was saved as $Morvane.tmp in   \r   " + folder + "   " +
                           "   You better not reload this file until it is fixed.   ",
                       GetVersionText(), platform::mtInformation, platform::mbOK);
}

// Closes the frame's page without saving; its frame stays alive for the caller.
void ClosePageUnsaved(int page) {
  workbench::TEditorForm& editor = *workbench::EditorForm;
  if (editor.Page->currentIndex() != page) editor.SelectPage(page);
  editor.PageEditor(page)->SetModified(false);
  editor.Page->Pages(page)->SetTag(nullptr);
  editor.ClosePage();
  workbench::TMainForm& main = *workbench::MainForm;
  main.UnSelect1Click();
  main.EnableDesignTools();
  ObjInsForm->ClearInspector();
  if (editor.GetPageCount() > 0) return;
  // With the last page gone, the commands that need a page go off, as after a close.
  main.EnableFileCommands(false);
  main.UpdateClipboardCommands();
  main.EnableUndoCommand(false);
  main.EnableSearchCommands(false);
  main.EnableRunCommands(false);
}

// Nothing may reach the frame once its page is gone; it is freed when control is back in the
// event loop, after the writers and handlers still on the stack have returned.
void ReleaseFrame(TFrame* frame) {
  workbench::TMainForm& main = *workbench::MainForm;
  if (main.FCurrentFrame == frame) main.FCurrentFrame = nullptr;
  if (main.FPageFrame == frame) main.FPageFrame = nullptr;
  frame->FSourcePage = nullptr;
  frame->hide();
  frame->deleteLater();
}

// Puts back the flag a write found, whatever the writer does.
class TSourceUpdatingScope {
 public:
  explicit TSourceUpdatingScope(bool set) : saved_(workbench::SourceUpdating) {
    if (set) workbench::SourceUpdating = true;
  }
  ~TSourceUpdatingScope() { workbench::SourceUpdating = saved_; }
  TSourceUpdatingScope(const TSourceUpdatingScope&) = delete;
  TSourceUpdatingScope& operator=(const TSourceUpdatingScope&) = delete;

 private:
  bool saved_;
};

}  // namespace

// ---- Templates ----

void CreateCodeTemplates() {
  CodeTemplates[0] = TStringList(FrameTemplate(true));
  CodeTemplates[1] = TStringList(AppletTemplate());
  CodeTemplates[2] = TStringList(FrameTemplate(false));
}

const TStringList& CodeTemplate(int kind) {
  if (kind < fkApplication || kind > fkSecondaryFrame) return kNoTemplate;
  return CodeTemplates[static_cast<size_t>(kind - fkApplication)];
}

bool ActivateFrameSource(TFrame* frame) {
  int page = PageIndexOf(frame);
  if (page < 0) return false;
  if (workbench::EditorForm->Page->currentIndex() != page) workbench::EditorForm->SelectPage(page);
  return true;
}

bool ActivateFrameSource() { return ActivateFrameSource(CurrentFrame()); }

void LoadCodeTemplate(int kind) {
  if (!ActivateFrameSource()) return;
  const TStringList& lines = CodeTemplate(kind);
  if (!lines.Empty()) ActivePage()->Lines().Assign(lines);
}

void WriteFrameInitialization(int kind) {
  if (!ActivateFrameSource() || CodeTemplate(kind).Empty()) return;
  const TFrame& frame = *CurrentFrame();
  TEditLines& lines = ActivePage()->Lines();
  int end = GetLineIndex(kFrameInitializationEndMarker);
  if (end < 0) {
    LoseMarker();
    return;
  }
  std::string indent = IndentOf(lines.Get(end));
  // Each goes in above the end marker, so the section reads bottom-up in this order.
  lines.Insert(end, indent + "setLayout(null);");
  if (kind != fkApplet) lines.Insert(end, indent + "setTitle(" + Quoted(frame.Caption()) + ");");
  lines.Insert(end, indent + FrameFontLine(frame));
  lines.Insert(end, indent + "setBackground(Color.lightGray);");
  lines.Insert(end, indent + "setForeground(Color.black);");
  int position = GetLineIndex("// End of InitialPositionSet");
  if (position < 0) {
    LoseMarker();
    return;
  }
  lines.Insert(position, indent + FramePositionLine(frame, kind));
}

void RenameClassCode(int kind, const std::string& oldName, const std::string& newName) {
  if (ActivePage() == nullptr || CodeTemplate(kind).Empty()) return;
  if (!RenameClassSteps(kind, oldName, newName)) {
    LoseMarker();
    return;
  }
  // The group of the radio buttons placed on the frame itself is named after the class.
  if (CurrentFrame() != nullptr && HasRadioButton(CurrentFrame()->ClientArea()))
    RenameRadioGroupCode(oldName, newName);
}

// ---- Write protocol ----

void WriteFrameSource(TFrame* frame, const std::function<void()>& writer, bool sourceUpdating) {
  if (frame == nullptr) return;
  if (!workbench::MarkerLost) {
    if (!ActivateFrameSource(frame)) return;
    QPointer<platform::TRichEdit> edit = ActivePage();
    int caret = edit->SelStart();
    {
      TSourceUpdatingScope updating(sourceUpdating);
      workbench::EditorForm->ProgramWrite(*edit, writer);
    }
    workbench::EditorForm->UpdateCaretStatus();
    workbench::EditorForm->SetModifiedMarker(true);
    if (edit != nullptr) edit->SetSelStart(caret);
  }
  if (workbench::MarkerLost) RecoverLostMarkers(frame);
}

void RecoverLostMarkers(TFrame* frame) {
  workbench::MarkerLost = false;
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  if (frame == nullptr) return;
  int page = PageIndexOf(frame);
  if (page >= 0) {
    std::string folder = RescueFolder(workbench::EditorForm->GetPageFileName(page));
    if (platform::MessageBox(kLostMarkerQuestion, "Fatal error", platform::mtError, platform::mbYesNo) ==
        platform::mrYes)
      SaveRescueCopy(*workbench::EditorForm->PageEditor(page), folder);
    ClosePageUnsaved(page);
  }
  ReleaseFrame(frame);
}

// ---- Value helpers ----

bool IsDefaultValue(int propertyCode, const std::string& value) {
  switch (propertyCode) {
    case pcChecked:
    case pcMultiSelect: return value == "false";
    case pcCursor: return value == CursorToStr(1);
    case pcEnabled:
    case pcResizable:
    case pcVisible: return value == "true";
    case pcLineInc: return value == "1";
    case pcPageInc: return value == "10";
    case pcPasswdChar: return value.empty();
    default: return false;
  }
}

std::string FontStyleText(unsigned styles) {
  bool bold = (styles & fsBold) != 0;
  bool italic = (styles & fsItalic) != 0;
  if (bold && italic) return "Font.BOLD + Font.ITALIC";
  if (bold) return "Font.BOLD";
  if (italic) return "Font.ITALIC";
  return "Font.PLAIN";
}

std::string EscapeLineBreaks(const std::string& text) {
  // Text from the editors here breaks its lines with a bare LF; any break left raw would split the
  // Java string literal it is written into.
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      result += "\\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::string EscapeJavaString(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\\') result += "\\\\";
    else if (c == '"') result += "\\\"";
    else result += c;
  }
  return result;
}

std::string UnescapeJavaString(const std::string& text) {
  std::string halved;
  for (size_t i = 0; i < text.size(); ++i) {
    halved += text[i];
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') ++i;
  }
  bool replaced = false;
  return ReplaceWord(halved, "\\\"", "\"", replaced);
}

void RemoveAddItemLines(int first, int last, const std::string& component) {
  platform::TRichEdit* edit = ActivePage();
  if (edit == nullptr) return;
  TEditLines& lines = edit->Lines();
  last = std::min(last, lines.Count() - 1);
  for (int i = std::max(first, 0); i <= last;) {
    std::string line = lines.Get(i);
    bool adds = false;
    for (size_t at = FindName(line, component, TNameMatch::Component); at != std::string::npos && !adds;
         at = FindName(line, component, TNameMatch::Component, at + 1))
      adds = line.compare(at + component.size(), 8, ".addItem") == 0;
    if (adds) {
      lines.Delete(i);
      --last;
    } else {
      ++i;
    }
  }
}

// ---- Component lines ----

namespace {

// A section of the active page: the indexes of its start and end marker lines.
struct TSection {
  int start = -1;
  int end = -1;
};

// False, with the marker lost, when either marker is missing.
bool FindSection(const std::string& startText, const std::string& endText, TSection& section) {
  section.start = GetLineIndex(startText);
  section.end = GetLineIndex(endText);
  if (section.start < 0 || section.end < 0) return LoseMarker();
  return true;
}

// True when name stands in the line as a whole name with `before` right in front of it and `after`
// right behind it, so that Panel1 is never found in Panel10 or MyPanel1.
bool HasNamed(const std::string& line, const std::string& before, const std::string& name, const std::string& after) {
  for (size_t at = FindName(line, name, TNameMatch::Prefix); at != std::string::npos;
       at = FindName(line, name, TNameMatch::Prefix, at + 1)) {
    bool front = at >= before.size() && line.compare(at - before.size(), before.size(), before) == 0;
    bool back = line.compare(at + name.size(), after.size(), after) == 0;
    bool whole = !after.empty() || FindName(line, name, TNameMatch::Identifier, at) == at;
    if (front && back && whole) return true;
  }
  return false;
}

// Deletes the lines strictly between the section's markers for which doomed is true. The test sees
// the line with its string literals blanked: a caption that mentions a name is not that name.
void DeleteLinesInSection(const TSection& section, const std::function<bool(const std::string&)>& doomed) {
  TEditLines& lines = ActivePage()->Lines();
  int last = section.end - 1;
  for (int i = section.start + 1; i <= last;) {
    if (doomed(StripLiterals(lines.Get(i)))) {
      lines.Delete(i);
      --last;
    } else {
      ++i;
    }
  }
}

// Inserts lines at the index so that they read top to bottom as given, each with the indent of the
// line that stood there.
void InsertLines(int at, const std::vector<std::string>& added) {
  TEditLines& lines = ActivePage()->Lines();
  std::string indent = IndentOf(lines.Get(at));
  for (size_t i = 0; i < added.size(); ++i) lines.Insert(at + static_cast<int>(i), indent + added[i]);
}

// Inserts above the marker line; false, with the marker lost, when it is missing.
bool InsertAtMarker(const std::string& marker, const std::vector<std::string>& added) {
  int at = GetLineIndex(marker);
  if (at < 0) return LoseMarker();
  InsertLines(at, added);
  return true;
}


bool InPanel(const QWidget* component) { return GetComponentKind(component->parentWidget()) == ckPanel; }

std::string QuotedCaption(const QWidget* component) { return Quoted(EscapeJavaString(ComponentCaption(component))); }

std::string FontLine(const QWidget& component) {
  QFont face = component.font();
  unsigned styles = (face.bold() ? fsBold : 0u) | (face.italic() ? fsItalic : 0u);
  return NameOf(&component) + ".setFont(new Font(" + Quoted(face.family().toStdString()) + "," +
         FontStyleText(styles) + "," + std::to_string(face.pointSize()) + "));";
}

// The Component Initialization lines of the kinds declared by their table row's Java class.
std::vector<std::string> InitializationLines(int kind, const QWidget& component) {
  const std::string n = NameOf(&component);
  const std::string caption = QuotedCaption(&component);
  switch (kind) {
    case ckButton: return {n + " = new Button(" + caption + ");", FontLine(component)};
    case ckPanel:
      return {n + " = new Panel();", n + ".setLayout(null);", n + ".setForeground(Color.black);",
               n + ".setBackground(Color.lightGray);", FontLine(component)};
    case ckTextField:
      return {n + " = new TextField(" + caption + ");", n + ".setForeground(Color.black);",
               n + ".setBackground(Color.white);", FontLine(component)};
    case ckTextArea:
      return {n + " = new TextArea(" + Quoted(EscapeLineBreaks(EscapeJavaString(ComponentCaption(&component)))) + ");",
               n + ".setForeground(Color.black);", n + ".setBackground(Color.white);", FontLine(component)};
    case ckLabel:
      return {n + " = new Label(" + caption + ",Label." +
                   AlignmentToStr(LabelAlignment(static_cast<const QLabel&>(component))) + ");",
               FontLine(component)};
    case ckCheckbox:
      return {n + " = new Checkbox(" + caption + ");", n + ".setBackground(Color.lightGray);", FontLine(component)};
    case ckRadioButton: return {};  // its lines name its group (WriteRadioCode)
    case ckChoice: return {n + " = new Choice();", FontLine(component)};
    case ckList:
      return {n + " = new List();", n + ".setForeground(Color.black);", n + ".setBackground(Color.white);",
               FontLine(component)};
    case ckScrollbar:
      // setValues(value, visible, minimum, maximum): a new scroll bar stands at 0 of an empty range.
      return {n + " = new Scrollbar(Scrollbar.HORIZONTAL);", n + ".setValues(0,22,0,0);",
               n + ".setBackground(Color.lightGray);"};
    default: return {};
  }
}

std::string GroupCommentOf(const std::string& containerName) { return "// CheckboxGroup in " + containerName; }

// The index of the group's construction line for the container; -1 when none.
int GroupLineIndex(const std::string& containerName) {
  platform::TRichEdit* edit = ActivePage();
  if (edit == nullptr) return -1;
  const TEditLines& lines = edit->Lines();
  for (int i = 0; i < lines.Count(); ++i)
    if (HasNamed(lines.Get(i), "// CheckboxGroup in ", containerName, "")) return i;
  return -1;
}

// Writes the group of a container's first radio button, or finds the one its others share.
std::string RadioGroupFor(const QWidget& radio) {
  const std::string container = ContainerName(&radio);
  if (HasRadioGroup(radio.parentWidget())) {
    std::string group = GetGroupNameFromComment(container);
    if (group.empty()) LoseMarker();
    return group;
  }
  const std::string group = "CheckboxGrpIn" + container;
  if (!InsertAtMarker(kDeclarationEndMarker, {"public CheckboxGroup " + group + ";"})) return {};
  if (!InsertAtMarker(kInitializationEndMarker,
                      {group + " = new CheckboxGroup(); " + GroupCommentOf(container)}))
    return {};
  return group;
}

std::string PositionLine(const QWidget& component) {
  using std::to_string;
  const workbench::TWindowMetrics& m = workbench::WindowMetrics;
  const std::string n = NameOf(&component);
  if (InPanel(&component))
    return n + ".reshape(" + to_string(component.x()) + "," + to_string(component.y()) + "," +
           to_string(component.width()) + "," + to_string(component.height()) + ");";
  return n + ".reshape(" + to_string(component.x() + m.FrameWidth) + "," +
         to_string(component.y() + m.CaptionHeight + m.FrameHeight) + "+MenuBarHeight," +
         to_string(component.width()) + "," + to_string(component.height()) + ");";
}

// Declaration, construction lines, add line and reshape line of a kind with a Java class.
void WriteCommonLines(int kind, const QWidget& component, std::vector<std::string> initialization) {
  const std::string n = NameOf(&component);
  if (initialization.empty()) initialization = InitializationLines(kind, component);
  const std::string javaClass = ComponentKindInfo(kind)->javaClass;
  if (!InsertAtMarker(kDeclarationEndMarker, {"public " + javaClass + " " + n + ";"})) return;
  if (!InsertAtMarker(kInitializationEndMarker, initialization)) return;
  int adds = GetLineIndex(kAddsMarker);
  if (adds < 0) {
    LoseMarker();
    return;
  }
  std::string add = InPanel(&component) ? NameOf(component.parentWidget()) + ".add(" + n + ");" : "add(" + n + ");";
  InsertLines(adds + 1, {add});
  InsertAtMarker(kPositionsEndMarker, {PositionLine(component)});
}

void WriteRadioCode(const QWidget& radio) {
  std::string group = RadioGroupFor(radio);
  if (workbench::MarkerLost) return;
  const std::string n = NameOf(&radio);
  WriteCommonLines(ckRadioButton, radio,
                   {n + " = new Checkbox(" + QuotedCaption(&radio) + "," + group + ",true);",
                    n + ".setBackground(Color.lightGray);", FontLine(radio)});
}

void WriteMenuBarCode(const QWidget& menuBar) {
  const std::string n = NameOf(&menuBar);
  if (!InsertAtMarker(kDeclarationEndMarker, {"public MenuBar " + n + ";"})) return;
  InsertAtMarker(kInitializationEndMarker, {n + " = new MenuBar();", "setMenuBar(" + n + ");"});
}

bool IsAppletFrame(const TFrame* frame) { return frame != nullptr && frame->FrameId == fkApplet; }

std::string DrawImageArguments(const QWidget& image) {
  using std::to_string;
  const workbench::TWindowMetrics& m = workbench::WindowMetrics;
  return to_string(image.x() + m.FrameWidth) + "," + to_string(image.y() + m.FrameHeight) + "," +
         to_string(image.width()) + "," + to_string(image.height());
}

void WriteImageCode(const QWidget& image) {
  const std::string n = NameOf(&image);
  const std::string file = Quoted(EscapeJavaString(static_cast<const TImage&>(image).FileName));
  if (!InsertAtMarker(kDeclarationEndMarker, {"public Image " + n + ";"})) return;
  std::string construction = IsAppletFrame(FrameOf(image.parentWidget()))
                                 ? n + " = getImage(getCodeBase(), " + file + ");"
                                 : n + " = Toolkit.getDefaultToolkit().getImage(" + file + ");";
  if (!InsertAtMarker(kInitializationEndMarker, {construction})) return;
  InsertAtMarker(kPaintEndMarker, {"g.drawImage(" + n + ", " + DrawImageArguments(image) + ", this);"});
}

// Sets the applet's metrics to 0 for the length of a write, and reads the system's again after it.
class TAppletMetricsScope {
 public:
  explicit TAppletMetricsScope(const TFrame* frame) {
    if (IsAppletFrame(frame)) ClearWindowMetrics();
  }
  ~TAppletMetricsScope() { GetWindowMetrics(); }
  TAppletMetricsScope(const TAppletMetricsScope&) = delete;
  TAppletMetricsScope& operator=(const TAppletMetricsScope&) = delete;
};

// ---- Removal ----

// The menu bar's height field goes back to 0 with the menu bar.
void ResetMenuBarHeight() {
  const std::string key = "MenuBarHeight = ";
  int at = GetLineIndex(key);
  if (at < 0) return;
  TEditLines& lines = ActivePage()->Lines();
  std::string line = lines.Get(at);
  size_t number = line.find(key) + key.size();
  size_t digits = number;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits])) != 0) ++digits;
  if (line.compare(number, digits - number, "0") == 0) return;
  lines.Put(at, line.replace(number, digits - number, "0"));
}

bool RemoveImageLines(const std::string& n) {
  TSection init;
  if (!FindSection(kInitializationMarker, kInitializationEndMarker, init)) return false;
  TEditLines& lines = ActivePage()->Lines();
  for (int i = init.start + 1; i < init.end; ++i) {
    std::string line = lines.Get(i);
    if (HasNamed(line, " ", n, " = ") && line.find("getImage(") != std::string::npos) {
      lines.Delete(i);
      break;
    }
  }
  TSection paint;
  if (!FindSection(kPaintMarker, kPaintEndMarker, paint)) return false;
  for (int i = paint.start + 1; i < paint.end; ++i)
    if (HasNamed(lines.Get(i), "g.drawImage(", n, ",")) {
      lines.Delete(i);
      break;
    }
  return true;
}

bool LineNamesGroup(const std::string& line, const std::string& group) {
  return !group.empty() && FindName(line, group, TNameMatch::Identifier) != std::string::npos;
}

// Steps 3-7 of the removal: declaration, initialization, add, reshape, events and bindings.
void RemoveComponentLines(QWidget& component, int kind, const std::string& group) {
  const std::string n = NameOf(&component);
  TSection declaration;
  if (!FindSection(kDeclarationMarker, kDeclarationEndMarker, declaration)) return;
  DeleteLinesInSection(declaration, [&](const std::string& line) {
    return HasNamed(line, " ", n, ";") || LineNamesGroup(line, group);
  });
  if (kind == ckImage) {
    RemoveImageLines(n);
    return;
  }
  TSection init;
  if (!FindSection(kInitializationMarker, kInitializationEndMarker, init)) return;
  DeleteLinesInSection(init, [&](const std::string& line) {
    return HasNamed(line, " ", n, " = new ") || HasNamed(line, " ", n, ".") || LineNamesGroup(line, group) ||
           (kind == ckMenuBar && HasNamed(line, "setMenuBar(", n, ")"));
  });
  if (kind == ckMenuBar) ResetMenuBarHeight();
  TSection adds;
  if (!FindSection(kAddsMarker, kAddsEndMarker, adds)) return;
  DeleteLinesInSection(adds, [&](const std::string& line) {
    return HasNamed(line, "add(", n, ")") || HasNamed(line, "", n, ".add(");
  });
  if (kind == ckMenuBar) return;
  TSection positions;
  if (!FindSection(kPositionsMarker, kPositionsEndMarker, positions)) return;
  DeleteLinesInSection(positions, [&](const std::string& line) { return HasNamed(line, "", n, ".reshape("); });
  RemoveComponentEvents(&component);
  if (workbench::MarkerLost) return;
  if (TFrame* frame = FrameOf(&component)) RemoveComponentHandlers(frame->FHandlerList, &component);
}

// The handleEvent() section again begins with "if".
void RepairFirstClause() {
  TSection section;
  if (!FindSection(kHandleEventMarker, kHandleEventEndMarker, section)) return;
  if (section.end == section.start + 1) return;
  TEditLines& lines = ActivePage()->Lines();
  bool replaced = false;
  std::string first = ReplaceWord(lines.Get(section.start + 1), "else if (evt.id", "if (evt.id", replaced);
  if (replaced) lines.Put(section.start + 1, first);
}

bool IsRadioButton(const QObject* component) { return GetComponentKind(component) == ckRadioButton; }

int DesignTagOf(const QObject* component) { return component->property("Tag").toInt(); }

int RadioButtonCount(const QWidget* container) {
  int count = 0;
  for (QObject* child : container->children())
    if (IsRadioButton(child) && DesignTagOf(child) != -1) ++count;
  return count;
}

// ---- Geometry ----

enum class TGeometryTerm { Left, Top, Width, Height };

struct TGeometry {
  int left, top, width, height;
};

TGeometry WithNewValue(TGeometry geometry, TGeometryTerm term, int value) {
  switch (term) {
    case TGeometryTerm::Left: geometry.left = value; break;
    case TGeometryTerm::Top: geometry.top = value; break;
    case TGeometryTerm::Width: geometry.width = value; break;
    case TGeometryTerm::Height: geometry.height = value; break;
  }
  return geometry;
}

std::string Join(std::initializer_list<int> values) {
  std::string text;
  for (int value : values) text += (text.empty() ? "" : ",") + std::to_string(value);
  return text;
}

// Replaces the text between the first "(" and the first ")" of the line (an image: between its
// drawImage head and ", this)") by the arguments.
bool ReplaceArguments(std::string& line, const std::string& head, const std::string& arguments) {
  size_t open = head.empty() ? line.find('(') : line.find(head);
  if (open == std::string::npos) return false;
  open += head.empty() ? 1 : head.size();
  size_t close = head.empty() ? line.find(')', open) : line.find(", this)", open);
  if (close == std::string::npos) return false;
  line.replace(open, close - open, arguments);
  return true;
}

void WriteGeometry(QWidget* component, TGeometryTerm term, const std::string& newValue) {
  if (workbench::MarkerLost || component == nullptr || ActivePage() == nullptr) return;
  int value = 0;
  try {
    value = platform::StrToInt(newValue);
  } catch (const platform::Exception&) {
    return;  // only numbers reach a reshape line
  }
  auto* frame = qobject_cast<TFrame*>(component);
  // The metrics count as 0 for an applet's components; its own resize line takes them off.
  TAppletMetricsScope metrics(frame != nullptr ? nullptr : FrameOf(component));
  const workbench::TWindowMetrics& m = workbench::WindowMetrics;
  bool image = GetComponentKind(component) == ckImage;
  const std::string n = NameOf(component);
  std::string key;
  std::string head;
  std::string arguments;
  if (frame != nullptr) {
    TGeometry g = WithNewValue({frame->Left(), frame->Top(), frame->Width(), frame->Height()}, term, value);
    if (frame->FrameId == fkApplet) {
      key = " resize(";
      arguments = Join({g.width - 2 * m.FrameWidth, g.height - m.CaptionHeight - 2 * m.FrameHeight});
    } else {
      key = " reshape(";
      arguments = Join({g.left, g.top, g.width, g.height});
    }
  } else {
    TGeometry g =
        WithNewValue({component->x(), component->y(), component->width(), component->height()}, term, value);
    if (image) {
      head = "g.drawImage(" + n + ", ";
      arguments = Join({g.left + m.FrameWidth, g.top + m.FrameHeight, g.width, g.height});
    } else if (InPanel(component)) {
      arguments = Join({g.left, g.top, g.width, g.height});
    } else {
      arguments = std::to_string(g.left + m.FrameWidth) + "," + std::to_string(g.top + m.CaptionHeight + m.FrameHeight) +
                  "+MenuBarHeight," + Join({g.width, g.height});
    }
  }
  TSection section;
  if (!FindSection(image ? kPaintMarker : kPositionsMarker,
                   image ? kPaintEndMarker : kPositionsEndMarker, section))
    return;
  TEditLines& lines = ActivePage()->Lines();
  for (int i = section.start + 1; i < section.end; ++i) {
    std::string line = lines.Get(i);
    bool holds = frame != nullptr ? line.find(key) != std::string::npos
                 : image          ? HasNamed(line, "g.drawImage(", n, ", ")
                                  : HasNamed(line, " ", n, ".reshape");
    if (!holds) continue;
    if (ReplaceArguments(line, head, arguments)) {
      lines.Put(i, line);
      return;
    }
    break;
  }
  LoseMarker();
}

}  // namespace

void WriteNewComponent(QWidget* component) {
  if (component == nullptr || workbench::MarkerLost) return;
  TAppletMetricsScope metrics(FrameOf(component));
  if (!ActivateFrameSource(FrameOf(component))) return;
  int kind = GetComponentKind(component);
  switch (kind) {
    case ckRadioButton: WriteRadioCode(*component); break;
    case ckMenuBar: WriteMenuBarCode(*component); break;
    case ckImage: WriteImageCode(*component); break;
    default: {
      const TComponentKindInfo* info = ComponentKindInfo(kind);
      if (info != nullptr && *info->javaClass != '\0') WriteCommonLines(kind, *component, {});
    }
  }
}

void RemoveComponentCode(QWidget* component) {
  if (component == nullptr || !ActivateFrameSource(FrameOf(component))) return;
  int kind = GetComponentKind(component);
  if (kind == ckFileDialog) return;
  std::string group;
  if (kind == ckRadioButton && !HasRadioGroup(component->parentWidget())) {
    group = GetGroupNameFromComment(ContainerName(component));
    if (group.empty()) {
      LoseMarker();
      return;
    }
  }
  RemoveComponentLines(*component, kind, group);
}

void RemoveComponentEvents(QWidget* component) {
  if (GetComponentKind(component) == ckPanel)
    for (QObject* child : component->children())
      if (auto* widget = qobject_cast<QWidget*>(child); widget != nullptr && !child->objectName().isEmpty())
        RemoveComponentEvents(widget);
  RemoveTargetEvents(NameOf(component));
}

void RemoveTargetEvents(const std::string& name) {
  TSection section;
  if (!FindSection(kHandleEventMarker, kHandleEventEndMarker, section)) return;
  const std::string target = "evt.target == " + name + ")";
  DeleteLinesInSection(section, [&](const std::string& line) { return line.find(target) != std::string::npos; });
  RepairFirstClause();
}

void RemoveEventClause(const std::string& target, int eventCode) {
  TFrame* frame = CurrentFrame();
  std::string named = frame != nullptr && target == frame->Name() ? "this" : target;
  TSection section;
  if (!FindSection(kHandleEventMarker, kHandleEventEndMarker, section)) return;
  TEditLines& lines = ActivePage()->Lines();
  for (int i = section.start + 1; i < section.end; ++i) {
    if (ClauseTestsEvent(StripLiterals(lines.Get(i)), eventCode, named)) {
      lines.Delete(i);
      break;
    }
  }
  RepairFirstClause();
}

void RemoveHandlerRoutine(const std::string& handler) {
  TSection section;
  if (!FindSection(kEventRoutinesMarker, kEventRoutinesEndMarker, section)) return;
  TEditLines& lines = ActivePage()->Lines();
  std::vector<int> doomed;
  for (int i = section.start + 1; i < section.end;) {
    if (!HasNamed(lines.Get(i), "public void ", handler, "(")) {
      ++i;
      continue;
    }
    doomed.push_back(i++);
    while (i < section.end && lines.Get(i).find("public void ") == std::string::npos) doomed.push_back(i++);
  }
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) lines.Delete(*it);
}

bool HasRadioGroup(const QWidget* container) { return container != nullptr && RadioButtonCount(container) > 1; }

bool HasRadioButton(const QWidget* container) {
  if (container == nullptr) return false;
  for (QObject* child : container->children())
    if (IsRadioButton(child)) return true;
  return false;
}

std::string GetGroupNameFromComment(const std::string& containerName) {
  int at = GroupLineIndex(containerName);
  return at < 0 ? std::string() : GetFirstWord(ActivePage()->Lines().Get(at));
}

void UncheckRadioButtons(QWidget* container) {
  for (QObject* child : container->children()) {
    auto* radio = qobject_cast<QRadioButton*>(child);
    if (radio == nullptr || DesignTagOf(radio) == -1) continue;
    WriteRadioState(radio, "false");
    radio->setChecked(false);
  }
}

void WriteRadioState(QWidget* radio, const std::string& state) {
  auto* button = qobject_cast<QAbstractButton*>(radio);
  if (button == nullptr) return;
  TSection init;
  if (!FindSection(kInitializationMarker, kInitializationEndMarker, init)) return;
  const std::string n = NameOf(radio);
  const std::string old = "," + std::string(button->isChecked() ? "true" : "false") + ");";
  TEditLines& lines = ActivePage()->Lines();
  bool found = false;
  for (int i = init.start + 1; i < init.end; ++i) {
    std::string line = lines.Get(i);
    if (!HasNamed(line, " ", n, " = new Checkbox(")) continue;
    found = true;
    // The state is the construction's last argument; a caption may hold the same word.
    size_t at = line.rfind(old);
    if (at != std::string::npos) lines.Put(i, line.replace(at, old.size(), "," + state + ");"));
  }
  if (!found) LoseMarker();
}

void WriteLeft(QWidget* component, const std::string&, const std::string& newValue) {
  WriteGeometry(component, TGeometryTerm::Left, newValue);
}
void WriteTop(QWidget* component, const std::string&, const std::string& newValue) {
  WriteGeometry(component, TGeometryTerm::Top, newValue);
}
void WriteWidth(QWidget* component, const std::string&, const std::string& newValue) {
  WriteGeometry(component, TGeometryTerm::Width, newValue);
}
void WriteHeight(QWidget* component, const std::string&, const std::string& newValue) {
  WriteGeometry(component, TGeometryTerm::Height, newValue);
}

}  // namespace designer
