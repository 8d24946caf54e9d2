#pragma once
// TEventHandlerList: a design frame's event bindings as text. Per component that has a binding, a
// header line "[" + name + "]", one line per bound event ("OnAction = Button1_Action"), then one
// empty line that closes the section. Sections keep the order of their first binding.
#include <string>

#include "platform/StringList.h"

class QObject;

namespace designer {

class TEventHandlerList : public platform::TStringList {};

// Binds event ("OnAction") of a component to handler, replacing an earlier binding of that event;
// an empty handler unbinds it, and a section left empty goes with its last binding.
void SetEventHandler(TEventHandlerList& list, const std::string& component, const std::string& event,
                     const std::string& handler);
// Drops the section of a control and, first, those of the controls a panel holds, at any depth.
void RemoveComponentHandlers(TEventHandlerList& list, const QObject* control);
// Drops the section of one component name.
void RemoveHandlerSection(TEventHandlerList& list, const std::string& component);
// Renames a component's section and the handlers named after the component (Button1_Action).
void RenameComponentHandlers(TEventHandlerList& list, const std::string& oldName, const std::string& newName);
// The handler bound to event of a component; "" when there is none.
std::string GetEventHandler(const TEventHandlerList& list, const std::string& component, const std::string& event);
// Of a binding line "OnAction = Button1_Action": the event name without "On" ("Action"), and the
// handler name. A line without " = " shows an error box.
std::string GetEventName(const std::string& line);
std::string GetHandlerName(const std::string& line);

}  // namespace designer
