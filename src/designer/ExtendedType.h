#pragma once
// The designer's extended components: an image drawn in paint() (TImage), the file-dialog marker
// (TOpenDlg), and TEventHandlerList, a design frame's event bindings as text. Per component that has
// a binding, a header line "[" + name + "]", one line per bound event ("OnAction = Button1_Action"),
// then one empty line that closes the section. Sections keep the order of their first binding.
#include <string>

#include "gif/GifImage.h"
#include "platform/StdCtrls.h"
#include "platform/StringList.h"

class QObject;

namespace designer {

// An image the class draws in paint(). FileName is the file as the Java source names it; the
// picture's path as loaded is kept apart from it.
class TImage : public gif::TGifImage {
  Q_OBJECT
 public:
  explicit TImage(QWidget* owner = nullptr) : gif::TGifImage(owner) {}
  std::string FileName;
  std::string PicturePath;  // the picture as loaded ("Picture" in the design file)
};

// java.awt.FileDialog, shown on the surface as a small marker button.
class TOpenDlg : public platform::TBitBtn {
  Q_OBJECT
 public:
  explicit TOpenDlg(QWidget* parent) : platform::TBitBtn(parent) { SetGlyph("morvane/opendialog"); }
  std::string FileName;
  std::string InitialDir;
};

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
