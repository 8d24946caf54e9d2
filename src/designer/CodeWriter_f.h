#pragma once
// The code writer's ground: the three class templates, the frame's own first lines, the write
// protocol every source edit runs in, the lost-marker recovery, the class rename, and the small
// value helpers the writers share. The Java source of a designed class lives only in its editor
// page; the writer finds its places by marker comments and never parses the source.
#include <functional>
#include <string>

#include "platform/StringList.h"

class QObject;
class QWidget;

namespace designer {

class TFrame;

// Builds the templates of the three frame kinds, once at start.
void CreateCodeTemplates();
// The template of a frame kind (200, 201, 202) with "$NAME" for the class name; empty for another.
const platform::TStringList& CodeTemplate(int kind);

// Makes the page holding the frame's source the active one. False, and nothing to write to, when
// there is no frame or it has no page.
bool ActivateFrameSource(TFrame* frame);
bool ActivateFrameSource();  // the main window's current frame

// Replaces the page's text by the template of the kind.
void LoadCodeTemplate(int kind);
// Writes the frame's layout, title, font and colours and its reshape (or applet resize) line.
void WriteFrameInitialization(int kind);
// Renames the class from oldName to newName in every place the template names it; "$NAME" fills a
// fresh template. A place not found sets MarkerLost.
void RenameClassCode(int kind, const std::string& oldName, const std::string& newName);

// Runs writer on the frame's source: the frame's page made active, the caret kept, the status bar
// refreshed and the page shown modified. With sourceUpdating the editor ignores the edits as its
// own. A marker lost before or during the write ends in RecoverLostMarkers for this frame.
void WriteFrameSource(TFrame* frame, const std::function<void()>& writer, bool sourceUpdating);

// Offers to save the frame's source as "$Morvane.tmp" in its folder, then closes its page unsaved.
// The frame is cut loose from every pointer to it and freed once its callers have returned.
void RecoverLostMarkers(TFrame* frame);

// ---- Component lines ----

// Writes a component's lines just placed from the palette: its declaration, construction and first
// property lines, its add line and its reshape line (an image: its drawImage line in paint()).
void WriteNewComponent(QWidget* component);
// Deletes every line of a component, its dispatch clauses and its event bindings; a panel's
// children keep theirs (the surface removes them one by one).
void RemoveComponentCode(QWidget* component);
// Deletes the dispatch clauses of a component, and first those of a panel's children.
void RemoveComponentEvents(QWidget* component);
// Deletes the dispatch clauses whose target is the named object (a menu item has no widget).
void RemoveTargetEvents(const std::string& name);
// Deletes the first dispatch clause of the event (an EventCode) for the target (the frame's name
// stands for "this"), and the section's first clause begins with "if" again.
void RemoveEventClause(const std::string& target, int eventCode);
// Deletes every routine of that name in the Event Handling Routines.
void RemoveHandlerRoutine(const std::string& handler);

// More than one radio button directly in the container; any at all.
bool HasRadioGroup(const QWidget* container);
bool HasRadioButton(const QWidget* container);
// The CheckboxGroup declared for the container: the first word of the line whose comment names
// the container; "" when there is none.
std::string GetGroupNameFromComment(const std::string& containerName);
// Every radio button directly in the container goes off, in the source and on the surface.
void UncheckRadioButtons(QWidget* container);
// Rewrites a radio button's construction line with the state word "true" or "false".
void WriteRadioState(QWidget* radio, const std::string& state);

// The geometry writers rewrite the reshape line (an image: its drawImage line; the frame: its
// reshape or resize line) with the component's current geometry and the new value in place of
// the named one. They do nothing while a marker is lost.
void WriteLeft(QWidget* component, const std::string& oldValue, const std::string& newValue);
void WriteTop(QWidget* component, const std::string& oldValue, const std::string& newValue);
void WriteWidth(QWidget* component, const std::string& oldValue, const std::string& newValue);
void WriteHeight(QWidget* component, const std::string& oldValue, const std::string& newValue);

// Value helpers.
bool IsDefaultValue(int propertyCode, const std::string& value);
std::string FontStyleText(unsigned styles);  // "Font.PLAIN", "Font.BOLD", ...
std::string EscapeLineBreaks(const std::string& text);  // each line break (CR LF, LF or CR) as "\n"
std::string EscapeJavaString(const std::string& text);
std::string UnescapeJavaString(const std::string& text);
// Deletes the lines in first..last of the active page that add items to the named component.
void RemoveAddItemLines(int first, int last, const std::string& component);

}  // namespace designer
