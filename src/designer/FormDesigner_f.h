#pragma once
// TFrame: the design surface of one designed class, bound to its source page. It holds live
// controls that stand for AWT components; while it is the active window an application-wide hook
// takes the mouse and keyboard first, so the controls never react themselves. The user selects,
// places, moves, resizes and deletes them, and every finished gesture is written to the source.
#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "designer/ExtendedType.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Menus.h"

class QLabel;
class QMouseEvent;
class QKeyEvent;

namespace designer {

// The design state a component keeps in its Tag: for components Enabled x 10 + Visible, -1 for
// what is not a design component (the selection handles, the menu bar).
int DesignTag(const QObject* component);
void SetDesignTag(QObject* component, int tag);

// A scroll bar's value, minimum and maximum as its setValues line holds them. AWT brings them into
// order only when the program runs, so the design keeps each as it was set and the surface shows
// them brought into order.
struct TScrollValues {
  int value = 0;
  int minimum = 0;
  int maximum = 0;
};
TScrollValues ScrollValues(const QWidget* scrollbar);
void SetScrollValues(QWidget* scrollbar, const TScrollValues& values);

// A component's caption or text (a button's, a label's, a text field's or text area's); "" for
// kinds without one.
std::string ComponentCaption(const QWidget* component);
void SetComponentCaption(QWidget* component, const std::string& caption);
// Renames a component; a caption that still equals the old name follows it, as a new component's
// empty caption takes its first name.
void SetComponentName(QWidget* component, const std::string& name);

// The grid coordinates on one axis of a clip running from `from` to `to`: multiples of the
// spacing (taken as at least 1) from the one at or below `from` to the one at or below `to`.
std::vector<int> GridLines(int from, int to, int spacing);

// A component's name, its class without namespace ("TButton"), and its entry in the inspector's
// list ("Button1 : TButton").
std::string NameOf(const QObject* component);
std::string ClassNameOf(const QObject* component);
std::string InspectorEntry(const QObject* component);
class TFrame;
// The frame itself, or the frame the component lies on; nullptr outside any frame.
TFrame* FrameOf(QWidget* component);
// The name of the component's container as the source and the design file give it: the frame's
// own name for a component on the frame's client area.
std::string ContainerName(const QWidget* component);
// A colour role of a control as 0x00BBGGRR.
unsigned ColourOf(const QWidget* widget, QPalette::ColorRole role);
// A label's alignment: 0 left, 1 right, 2 centre.
int LabelAlignment(const QLabel& label);

// Paints a designed control's background (and a text control's base) in a 0x00BBGGRR colour.
void SetBackground(QWidget* widget, unsigned colour);

// A control of a palette kind as the surface shows it, before its own properties are set; nullptr
// for the kinds that are no such control (frame, menu bar, menu item, image, file dialog).
QWidget* NewSurfaceControl(int kind, QWidget* container);

class TFrame : public platform::TForm {
  Q_OBJECT
 public:
  explicit TFrame(QWidget* owner);
  ~TFrame() override;
  int FrameId = 0;  // the frame kind: 200 application, 201 applet, 202 secondary frame
  std::string Name() const;
  // Renames the frame; a caption that still equals the old name follows it.
  void SetName(const std::string& name);
  TEventHandlerList FHandlerList;
  QPointer<platform::TTabSheet> FSourcePage;

  QPointer<QWidget> FSelected;  // the frame itself when nothing else is selected
  int FGrabX = 0;
  int FGrabY = 0;
  platform::TBitBtn* MMB;  // the marker that stands for the menu bar on the surface
  // The drawing area below the designed menu bar: the components, the handles and the markers lie
  // on it, and positions on the frame are its coordinates.
  QWidget* ClientArea() const { return FClientArea; }

  // Design components in creation order, so a panel comes before the components it holds.
  std::vector<QWidget*> Components() const;
  // Takes a new component into the frame's creation order.
  void InsertComponent(QObject* component);
  bool IsHandlePanel(const QObject* component) const;
  bool HookInstalled() const { return hookInstalled_; }

  void FormCreate();
  void FormPaint(QPaintEvent* event);
  void MenuItemClick(platform::TMenuItem* item);
  // Binds the selection's first event to its default handler and shows the routine (a label and the
  // markers have none).
  void EditDefaultHandler();
  // Shows the menu designer for the frame's menu bar (a double-click on its marker).
  void OpenMenuDesigner();
  void RaiseMarkers();
  // The designed menu bar across the top of the window while it has menus, so that a click on a
  // menu item reaches MenuItemClick as in the running window; the client area takes the rest.
  void ShowMenuBar();
  // Takes the window's present geometry as the last one written, as after a design was read.
  void KeepFrameGeometry() { FFrameGeometry = {Left(), Top(), Width(), Height()}; }
  QWidget* ComponentAt(QWidget* receiver, QPoint globalPoint);
  void ShowHandles();
  void HideHandles();
  enum TAxis { H, V };
  void MoveSelection(TAxis axis, int step);
  void SizeSelection(TAxis axis, int step);
  void DragHandle(int dx, int dy);
  void SelectNext();
  void DeletePanelChildren(QWidget* panel);
  void DeleteSelection();
  QWidget* CreatePaletteComponent(QWidget* container);
  std::string GetPaletteClassName(int tool) const;

 protected:
  void FormActivate() override;
  void FormDeactivate() override;
  void FormResize() override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TGeometry {
    int left = 0, top = 0, width = 0, height = 0;
  };
  void InstallHook();
  void RemoveHook();
  void ActivateByPress();
  bool Hook(QWidget* receiver, QEvent* event);
  bool MousePress(QWidget* receiver, QMouseEvent* event);
  void MouseMove(QMouseEvent* event);
  bool MouseRelease(QMouseEvent* event);
  void KeyDown(QKeyEvent* event);
  void KeyUp(QKeyEvent* event);
  // The mouse is captured by the frame from a press on the surface to its release, so that the
  // drag's moves and release come here whatever widget lies under the mouse or is hidden meanwhile.
  void CaptureMouse();
  void ReleaseCapture();
  void CreateFromPalette();
  void EndGestureWrites(bool resized);
  void WriteGeometryChange(QWidget* component, const TGeometry& before, bool position, bool size);
  void MarkSourceModified();
  bool Released() const { return FSourcePage.isNull(); }
  void ShowInInspector(QWidget* component);
  void Select(QWidget* component);
  TGeometry GeometryOf(const QWidget* component) const;
  TGeometry SavedGeometry() const { return {FSavedLeft, FSavedTop, FSavedWidth, FSavedHeight}; }
  void SaveGeometry(const QWidget* component);
  void SetGeometryOf(QWidget* component, const TGeometry& geometry);
  bool IsBitmapButton(const QWidget* component) const;
  bool IsDesignComponent(const QWidget* widget) const;
  bool Qualifies(const QWidget* component) const;

  QWidget* FClientArea;
  std::array<platform::TPanel*, 8> FHandles{};  // LT, T, RT, R, RB, B, LB, L
  // The selection's geometry when the current gesture began; the writers compare against it.
  int FSavedLeft = 0, FSavedTop = 0, FSavedWidth = 0, FSavedHeight = 0;
  // The frame window's own geometry as last written: kept apart from the gestures' so that a
  // component's gesture never hides a later move of the window.
  TGeometry FFrameGeometry;
  std::string FHandleName;
  bool FButtonDown = false;
  bool FMoving = false;
  bool FResizing = false;
  bool FCtrlMoving = false;
  bool FShiftSizing = false;
  bool FDoubleClicked = false;
  bool hookInstalled_ = false;
  int FComponentCount = 0;  // components taken into the creation order so far
};

}  // namespace designer
