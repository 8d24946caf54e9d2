#include "designer/CodeWriter_f.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>

#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
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
    "        // Frame Initialization",
    "        // End of Frame Initialization",
    "",
    "        // Component Initialization",
    "        // End of Component Initialization",
    "",
    "        // Add()s",
    "        // End of Add()s",
    "",
};

const std::vector<std::string> kHandleEvent = {
    "    public boolean handleEvent(Event evt)",
    "    {",
    "        // handleEvent()",
    "        if (evt.id == Event.WINDOW_DESTROY && evt.target == this) $NAME_WindowDestroy(evt.target);",
    "        // End of handleEvent()",
    "",
    "        return super.handleEvent(evt);",
    "    }",
};

std::vector<std::string> EventRoutines(const std::string& windowDestroyBody) {
  return {
      "    // Event Handling Routines",
      "    public void $NAME_WindowDestroy(Object target)",
      "    {",
      "        " + windowDestroyBody,
      "    }",
      "",
      "    // End of Event Handling Routines",
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
      "    // Component Declaration",
      "    // End of Component Declaration",
      "",
      "    // Constructor",
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
                    "        // InitialPositionSet()",
                    "        // End of InitialPositionSet()",
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
                    "        // paint()",
                    "        // End of paint()",
                    "        if (fForm_Create) InitialPositionSet();",
                    "    }",
                    "",
                });
  if (withMain)
    Append(lines, {
                      "   // main()",
                      "   public static void main(String args[])",
                      "   {",
                      "       $NAME $NAME = new $NAME();",
                      "       $NAME.show();",
                      "   } // End of main()",
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
      "    // Component Declaration",
      "    // End of Component Declaration",
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
                    "        // paint()",
                    "        // End of paint()",
                    "    }",
                    "",
                    "    public void InitialPositionSet()",
                    "    {",
                    "        // InitialPositionSet()",
                    "        // End of InitialPositionSet()",
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

platform::TRichEdit* ActivePage() { return workbench::EditorForm->ActiveEditor(); }

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
  if (kind == fkApplet) return "resize(" + to_string(frame.ClientWidth()) + "," + to_string(frame.ClientHeight()) + ");";
  return "reshape(" + to_string(frame.Left()) + "," + to_string(frame.Top()) + "," + to_string(frame.Width()) + "," +
         to_string(frame.Height()) + ");";
}

bool LoseMarker() {
  workbench::MarkerLost = true;
  return false;
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

// Renames inside a section, between its two marker lines.
bool RenameInSection(const std::string& start, const std::string& end, const std::string& oldName,
                     const std::string& newName, TNameMatch match) {
  int first = GetLineIndex(start);
  int last = GetLineIndex(end);
  if (first < 0 || last < 0) return false;
  return RenameInLines(first + 1, last - 1, oldName, newName, match);
}

bool RenameLineAndNext(int line, const std::string& oldName, const std::string& newName) {
  return line >= 0 && RenameInLines(line, line + 1, oldName, newName, TNameMatch::Component);
}

// The handler names built on the class name: O + "_" becomes new + "_".
bool RenameHandlersInSection(const std::string& start, const std::string& end, const std::string& oldName,
                             const std::string& newName) {
  return RenameInSection(start, end, oldName + "_", newName + "_", TNameMatch::Prefix);
}

bool RenameClassSteps(int kind, const std::string& oldName, const std::string& newName) {
  const TNameMatch name = TNameMatch::Component;
  if (!RenameInLines(0, 1, oldName, newName, name)) return false;
  if (!RenameLineAndNext(GetNameLineIndex("// Class ", oldName), oldName, newName)) return false;
  if (kind != fkApplet) {
    int constructor = GetLineIndex("// Constructor");
    if (constructor < 0 || !RenameInLines(constructor + 1, constructor + 1, oldName, newName, name)) return false;
  }
  bool handleEvent = kind == fkSecondaryFrame
                         ? RenameHandlersInSection("// handleEvent()", "// End of handleEvent()", oldName, newName)
                         : RenameInSection("// handleEvent()", "// End of handleEvent()", oldName, newName, name);
  if (!handleEvent) return false;
  if (kind == fkApplication && !RenameInSection("// main()", "// End of main()", oldName, newName, name)) return false;
  const char* routines = "// Event Handling Routines";
  const char* routinesEnd = "// End of Event Handling Routines";
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
  if (editor.Page->ActivePageIndex() != page) editor.SelectPage(page);
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
  if (workbench::EditorForm->Page->ActivePageIndex() != page) workbench::EditorForm->SelectPage(page);
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
  int end = GetLineIndex("// End of Frame Initialization");
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
  if (!RenameClassSteps(kind, oldName, newName)) LoseMarker();
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
      writer();
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

}  // namespace designer
