#include "designer/ExtendedType.h"

#include <QObject>

#include "designer/Lib.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

namespace designer {

namespace {

std::string Header(const std::string& component) { return "[" + component + "]"; }

int FindSection(const TEventHandlerList& list, const std::string& component) {
  std::string header = Header(component);
  for (int i = 0; i < list.Count(); ++i)
    if (list[i] == header) return i;
  return -1;
}

// The index of the empty line that closes the section headed at `header` (the list's end when a
// damaged list lacks it).
int SectionEnd(const TEventHandlerList& list, int header) {
  int i = header + 1;
  while (i < list.Count() && !list[i].empty()) ++i;
  return i;
}

}  // namespace

void SetEventHandler(TEventHandlerList& list, const std::string& component, const std::string& event,
                     const std::string& handler) {
  int header = FindSection(list, component);
  if (header < 0) {
    if (handler.empty()) return;
    header = list.Add(Header(component));
    list.Add("");
  }
  int end = SectionEnd(list, header);
  for (int i = header + 1; i < end; ++i) {
    if (GetFirstWord(list[i]) != event) continue;
    if (!handler.empty()) {
      list.Put(i, event + " = " + handler);
      return;
    }
    list.Delete(i);
    if (SectionEnd(list, header) == header + 1) RemoveHandlerSection(list, component);
    return;
  }
  if (handler.empty()) return;
  list.Insert(end, event + " = " + handler);
  if (end + 1 == list.Count()) list.Add("");  // a damaged section gets its closing line back
}

void RemoveHandlerSection(TEventHandlerList& list, const std::string& component) {
  int header = FindSection(list, component);
  if (header < 0) return;
  int end = SectionEnd(list, header);
  int last = std::min(end, list.Count() - 1);
  for (int i = last; i >= header; --i) list.Delete(i);
}

void RemoveComponentHandlers(TEventHandlerList& list, const QObject* control) {
  if (control == nullptr) return;
  if (GetComponentKind(control) == ckPanel)
    for (const QObject* child : control->children())
      if (child->isWidgetType()) RemoveComponentHandlers(list, child);
  RemoveHandlerSection(list, control->objectName().toStdString());
}

void RenameComponentHandlers(TEventHandlerList& list, const std::string& oldName, const std::string& newName) {
  int header = FindSection(list, oldName);
  if (header < 0) return;
  list.Put(header, Header(newName));
  // Default handler names begin with the component's name and an underscore; a handler whose name
  // merely ends with it (MyButton1_Action) is not the component's.
  for (int i = 0; i < list.Count(); ++i) {
    std::string line = list[i];
    if (line.empty() || line[0] == '[') continue;
    size_t bound = line.find(" = ");
    if (bound == std::string::npos) continue;
    std::string handler = line.substr(bound + 3);
    if (ReplaceName(handler, oldName + "_", newName + "_", TNameMatch::Prefix) > 0)
      list.Put(i, line.substr(0, bound + 3) + handler);
  }
}

std::string GetEventHandler(const TEventHandlerList& list, const std::string& component, const std::string& event) {
  int header = FindSection(list, component);
  if (header < 0) return {};
  int end = SectionEnd(list, header);
  for (int i = header + 1; i < end; ++i)
    if ("On" + GetEventName(list[i]) == event) return GetHandlerName(list[i]);
  return {};
}

std::string GetEventName(const std::string& line) {
  size_t bound = line.find(" = ");
  if (bound == std::string::npos) {
    platform::ShowMessage("Error in GetEventName");
    return {};
  }
  return bound > 2 ? line.substr(2, bound - 2) : std::string();
}

std::string GetHandlerName(const std::string& line) {
  size_t bound = line.find(" = ");
  if (bound == std::string::npos) {
    platform::ShowMessage("Error in GetHandlerName");
    return platform::Trim(line.size() > 2 ? line.substr(2) : std::string());
  }
  return platform::Trim(line.substr(bound + 3));
}

}  // namespace designer
