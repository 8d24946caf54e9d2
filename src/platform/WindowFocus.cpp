#include "platform/WindowFocus.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <vector>

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

// The window the focus was given back to, while the window manager may still hand the focus of the
// closed window to another one: until the deadline, or until the user presses a key or a button.
struct TFocusGivenBack {
  QPointer<QWidget> window;
  std::vector<QPointer<QWidget>> shownThen;  // a window shown later was opened by the user's next step
  std::chrono::steady_clock::time_point deadline;
};

TFocusGivenBack& FocusGivenBack() {
  static TFocusGivenBack given;
  return given;
}

constexpr std::chrono::milliseconds kWindowManagerLatitude{500};
constexpr std::chrono::milliseconds kActivationPatience{300};

void RememberFocusGivenBack(QWidget& window, const QWidget* closing = nullptr) {
  TFocusGivenBack& given = FocusGivenBack();
  given.window = &window;
  given.shownThen.clear();
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top != closing) given.shownThen.emplace_back(top);
  given.deadline = std::chrono::steady_clock::now() + kWindowManagerLatitude;
}

// The window manager chose another window of the program for the focus of the window that closed:
// the window it was given back to takes it again.
void KeepFocusGivenBack(QWidget* active) {
  TFocusGivenBack& given = FocusGivenBack();
  if (given.window == nullptr || active == nullptr || active == given.window) return;
  const bool stale = std::chrono::steady_clock::now() > given.deadline || !given.window->isVisible() ||
                     std::find(given.shownThen.begin(), given.shownThen.end(), active) == given.shownThen.end();
  if (stale) {
    given.window = nullptr;
    return;
  }
  given.window->raise();
  given.window->windowHandle()->requestActivate();
  given.window = nullptr;
}

// The user's own key or click decides where the focus goes next.
class TUserInput : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::NonClientAreaMouseButtonPress)
      FocusGivenBack().window = nullptr;
    return false;
  }
};

// Asked of the window's handle itself: a window counts as active while a window it owns has the
// focus, and activateWindow would then ask nothing, also when that window is closing.
void Activate(QWidget& window) {
  if (FocusGivenBack().window != &window) FocusGivenBack().window = nullptr;
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
  application.installEventFilter(new TUserInput(&application));
  Connect(&application, &QGuiApplication::focusWindowChanged, &application, [] {
    ActivationAsked() = nullptr;
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr) LastActiveWindow() = active;
    KeepFocusGivenBack(active);
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

bool TFocusReturn::ActivateOwner() const {
  if (owner_ == nullptr || !owner_->isVisible()) return false;
  Activate(*owner_);
  if (control_ != nullptr && control_->window() == owner_ && control_->isVisible()) control_->setFocus(Qt::OtherFocusReason);
  return true;
}

void TFocusReturn::GiveBack() const {
  if (ActivateOwner()) RememberFocusGivenBack(*owner_);
}

// Given back while the closing window still has the focus, and waited for: the window manager then
// has no focus to hand to a window of its own choice when the window goes. It answers within a few
// of its round trips; where it does not, KeepFocusGivenBack corrects its choice after the close.
void TFocusReturn::GiveBackBeforeClosing(const QWidget& closing) const {
  if (!ActivateOwner()) return;
  QElapsedTimer waited;
  waited.start();
  while (owner_ != nullptr && QApplication::activeWindow() != owner_ && waited.elapsed() < kActivationPatience.count()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(1);
  }
  if (owner_ != nullptr && QApplication::activeWindow() != owner_) RememberFocusGivenBack(*owner_, &closing);
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
