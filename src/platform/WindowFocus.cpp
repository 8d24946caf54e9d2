#include "platform/WindowFocus.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

#include "platform/Graphics.h"
#include "platform/HandlerGuard.h"
#include "platform/ReadingOrder.h"

namespace platform {

namespace {

QPointer<QWidget>& LastActiveWindow() {
  static QPointer<QWidget> window;
  return window;
}

// A window the program asked the window manager to activate, until a window becomes active.
QPointer<QWidget>& ActivationAsked() {
  static QPointer<QWidget> window;
  return window;
}

// Asked of the window's handle itself: a window counts as active while a window it owns has the
// focus, and activateWindow would then ask nothing, also when that window is closing.
void Activate(QWidget& window) {
  window.raise();
  if (QWindow* handle = window.windowHandle()) handle->requestActivate();
  ActivationAsked() = &window;
}

// The window a hidden window was opened above: its parent's window, or its transient parent.
QWidget* WindowBelow(const QWidget& window) {
  if (QWidget* parent = window.parentWidget()) return parent->window();
  QWindow* handle = window.windowHandle();
  QWindow* below = handle != nullptr ? handle->transientParent() : nullptr;
  if (below == nullptr) return nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->windowHandle() == below) return top;
  return nullptr;
}

// A control that Tab stops at: it takes the focus by Tab, is shown in the window and takes no
// focus through another control.
bool IsTabStop(const QWidget& control, const QWidget& window) {
  return control.window() == &window && (control.focusPolicy() & Qt::TabFocus) != 0 &&
         control.focusProxy() == nullptr && control.isEnabled() && control.isVisibleTo(&window);
}

// A control inside another stop (the edit of a spin box or a combo box) is reached through it.
bool InsideTabStop(const QWidget& control, const QWidget& window) {
  for (QWidget* outer = control.parentWidget(); outer != nullptr && outer != &window; outer = outer->parentWidget())
    if (IsTabStop(*outer, window)) return true;
  return false;
}

TRect PlaceIn(const QWidget& control, const QWidget& window) {
  QPoint at = control.mapTo(&window, QPoint(0, 0));
  return {at.x(), at.y(), at.x() + control.width(), at.y() + control.height()};
}

void AppendInReadingOrder(std::vector<QWidget*>& order, const std::vector<QWidget*>& controls, const QWidget& window) {
  std::vector<TRect> places;
  for (const QWidget* control : controls) places.push_back(PlaceIn(*control, window));
  for (std::size_t index : ReadingOrder(places)) order.push_back(controls[index]);
}

}  // namespace

void TrackActiveWindow(QApplication& application) {
  Connect(&application, &QGuiApplication::focusWindowChanged, &application, [] {
    ActivationAsked() = nullptr;
    if (QWidget* active = QApplication::activeWindow()) LastActiveWindow() = active;
  });
}

QWidget* DialogOwner() {
  QWidget* window = ActivationAsked();
  if (window == nullptr) window = QApplication::activeWindow();
  if (window == nullptr) window = LastActiveWindow();
  while (window != nullptr && !window->isVisible()) window = WindowBelow(*window);
  return window;
}

TFocusReturn::TFocusReturn(QWidget* owner) : owner_(owner), control_(owner != nullptr ? owner->focusWidget() : nullptr) {}

void TFocusReturn::GiveBack() const {
  if (owner_ == nullptr || !owner_->isVisible()) return;
  Activate(*owner_);
  if (control_ != nullptr && control_->window() == owner_ && control_->isVisible()) control_->setFocus(Qt::OtherFocusReason);
}

// The dialog is the transient of its owner but not its child: a child would take the style sheet the
// owner gives its own controls (a design surface's raised buttons), and look unlike every other dialog.
int ExecAboveOwner(QDialog& dialog) {
  QWidget* owner = DialogOwner();
  if (owner != nullptr && dialog.parentWidget() == nullptr) {
    owner->winId();
    dialog.winId();
    dialog.windowHandle()->setTransientParent(owner->windowHandle());
  }
  TFocusReturn focusReturn(owner);
  int result = dialog.exec();
  focusReturn.GiveBack();
  return result;
}

void FocusControl(QWidget& control) {
  QWidget* window = control.window();
  if (window->isVisible() && !window->isActiveWindow()) Activate(*window);
  control.setFocus(Qt::OtherFocusReason);
}

std::vector<QWidget*> ShownTabOrder(QWidget& window) {
  std::vector<QWidget*> fields;
  std::vector<QWidget*> buttons;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (!IsTabStop(*control, window) || InsideTabStop(*control, window)) continue;
    (qobject_cast<QPushButton*>(control) != nullptr ? buttons : fields).push_back(control);
  }
  std::vector<QWidget*> order;
  AppendInReadingOrder(order, fields, window);
  AppendInReadingOrder(order, buttons, window);
  return order;
}

bool FocusNextShown(QWidget& window, bool forward) {
  std::vector<QWidget*> stops = ShownTabOrder(window);
  if (stops.empty()) return false;
  const QWidget* focused = window.focusWidget();
  auto holdsFocus = [focused](const QWidget* stop) {
    return focused != nullptr && (stop == focused || stop->isAncestorOf(focused) || focused->focusProxy() == stop);
  };
  const auto at = std::find_if(stops.begin(), stops.end(), holdsFocus);
  const int count = static_cast<int>(stops.size());
  int next = forward ? 0 : count - 1;
  if (at != stops.end()) next = (static_cast<int>(at - stops.begin()) + (forward ? 1 : count - 1)) % count;
  stops[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

}  // namespace platform
