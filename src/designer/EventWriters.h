#pragma once
// The event writers: a designed class reacts to AWT events through its handleEvent() method, one
// dispatch clause per bound event calling a handler routine of the class. Binding a handler writes
// the clause above "// End of handleEvent()" and, when the class has no routine of that name and
// parameter types yet, an empty routine above "// End of Event Handling Routines". One table row per
// EventCode gives the clause's AWT id, its arguments and the routine's parameters.
//
// The texts and tests on single lines are plain functions; the writers work on the active editor
// page through the design library's line routines, inside the caller's write protocol.
#include <string>
#include <vector>

namespace designer {

// ---- Texts ----

// Whether the code has a writer at all: LoadFile and SaveFile (9, 10) are never bound.
bool HasEventWriter(int code);
// "(Object target)" ...; "" for a code without a writer.
std::string HandlerParameters(int code);
// The target the clause tests: "this" for the window events always, and for the focus, key and
// mouse events when the target is the frame itself.
std::string ClauseTarget(int code, const std::string& target, const std::string& frameName);
// The dispatch clause without its indentation: "if" or "else if", the event test, the call.
std::string DispatchClause(int code, const std::string& target, const std::string& handler, bool firstInSection);
// The routine's five lines, each indented by indent but the last, empty one.
std::vector<std::string> HandlerRoutine(int code, const std::string& handler, const std::string& indent);

// True when the line is the head of a routine of that name whose parameters have the same types as
// the parameter text: parameter names and blanks do not count ("(Object t)" is "(Object target)").
bool IsRoutineHead(const std::string& line, const std::string& handler, const std::string& parameters);
// True when the line is the head of any routine of that name.
bool IsRoutineHeadOf(const std::string& line, const std::string& handler);
// True when the clause tests this very event for this target, each as a whole word: KEY_ACTION is
// not KEY_ACTION_RELEASE, Button1 not Button10.
bool ClauseTestsEvent(const std::string& line, int code, const std::string& target);
// The body test of the clean-up before a compile, on the text that follows a routine head's first
// ")" up to the next routine: true when only blanks stand between its braces.
bool IsEmptyRoutineBody(const std::string& text);

// "" for a handler name that Java takes as a method name; otherwise the refusal to show.
std::string HandlerNameRefusal(const std::string& name);

// ---- Event-signature groups ----

// The five groups of events whose handlers share their parameter types, group 1 first.
const std::vector<std::vector<std::string>>& EventGroupLists();
// The group whose handlers are offered for an event code, 1 to 5; 0 for LoadFile and SaveFile.
int EventGroupOf(int code);

// ---- Writers on the active page ----

// Writes the dispatch clause of the event for the target and, unless one is there, the handler's
// routine. frameName is the design frame's name, whose own events test "this". A missing marker
// sets MarkerLost: without the handleEvent() markers nothing is written, without the routine
// markers the clause stays alone.
void WriteEventHandler(int code, const std::string& target, const std::string& handler, const std::string& frameName);
// The Action writer, for the inspector, the menu designer and a click on a designed menu item.
void WriteActionEvent(const std::string& target, const std::string& handler);

// The line of the handler's routine for the event (of any routine of that name when none has the
// event's parameter types); -1 when there is none. False, with no line, when a routine marker is
// missing.
bool FindHandlerRoutine(const std::string& handler, int code, int& line);
// True when the handler has a routine and every routine of that name has an empty body (an
// overload that holds code keeps them all).
bool HandlerRoutinesEmpty(const std::string& handler);
// Puts the caret at the end of the routine's empty body line, the routine scrolled into view.
void GotoHandlerRoutine(int routineLine);

}  // namespace designer
