#pragma once
// Where the keyboard goes, by rules that hold for every window of both programs: the window a dialog
// belongs to and gives the focus back to, what focusing a control of another window does, and the
// order Tab visits a window's controls in.
#include <QPointer>
#include <QWidget>
#include <vector>

class QApplication;
class QDialog;

namespace platform {

// Remembers the window the user last worked in, which DialogOwner falls back on. Installed once, by
// the application object.
void TrackActiveWindow(QApplication& application);

// The window a dialog or message box opened now belongs to: the program's active window, or the one
// the program has just asked to activate. Between two windows (a dialog has just closed) it is the
// window last active, or, when that one is hidden now, the visible window it belongs to. Never a hidden window, so never the program's hidden leader;
// null when no window of the program is shown.
QWidget* DialogOwner();

// Taken when a dialog opens above a window; when the dialog closes, GiveBack raises and activates
// that window again, with the focus on the control that had it.
class TFocusReturn {
 public:
  explicit TFocusReturn(QWidget* owner = nullptr);
  QWidget* Owner() const { return owner_; }
  void GiveBack() const;
  // The same while the window that closes is still shown and has the focus, so that the window
  // manager never hands that focus to a window of its own choice when the window goes.
  void GiveBackBeforeClosing(const QWidget& closing) const;

 private:
  bool ActivateOwner() const;
  QPointer<QWidget> owner_;
  QPointer<QWidget> control_;
};

// Runs a dialog modally as the transient of DialogOwner(), above it, and gives the focus back to
// that window when the dialog ends. Returns the dialog's result.
int ExecAboveOwner(QDialog& dialog);

// Focuses a control for the user's next keys: the control's window, when shown but not active, is
// raised and activated first.
void FocusControl(QWidget& control);

// The controls Tab visits in a window, in the order they are shown: the fields top to bottom and
// left to right, then the push buttons in the same order.
std::vector<QWidget*> ShownTabOrder(QWidget& window);

// Moves the focus to the next (or previous) control of ShownTabOrder, from the focused one, round
// from the last to the first. False when the window has no control to visit.
bool FocusNextShown(QWidget& window, bool forward);

}  // namespace platform
