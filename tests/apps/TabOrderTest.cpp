// Tab visits the controls of every window of both programs in the order they are shown: the fields
// from top to bottom and left to right, then the push buttons, each control once, and on from the
// last back to the first.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include "BothPrograms.h"
#include "Keys.h"

namespace {

QRect PlaceInWindow(const QWidget& control) {
  return {control.mapTo(control.window(), QPoint(0, 0)), control.size()};
}

std::string Name(const QWidget* control) {
  if (control == nullptr) return "nothing";
  QString text = control->objectName();
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) text += " \"" + button->text() + "\"";
  const QRect place = PlaceInWindow(*control);
  return std::string(control->metaObject()->className()) + " " + text.toStdString() + " at (" +
         std::to_string(place.x()) + ", " + std::to_string(place.y()) + ")";
}

// Tab went back up: to a control wholly above the last one and not to a column right of it.
bool GoesBackUp(const QWidget& from, const QWidget& to) {
  const QRect a = PlaceInWindow(from), b = PlaceInWindow(to);
  return b.bottom() < a.top() && b.left() <= a.right();
}

bool IsPushButton(const QWidget* control) { return qobject_cast<const QPushButton*>(control) != nullptr; }

// A text box that takes the Tab as text, or a grid that moves between its cells by it.
bool TakesTabItself(const QWidget* control) {
  if (auto* text = qobject_cast<const QPlainTextEdit*>(control)) return !text->tabChangesFocus();
  if (auto* view = qobject_cast<const QAbstractItemView*>(control)) return view->tabKeyNavigation();
  return false;
}

// The controls Tab reaches from the focused one, in turn, until it comes back round, or up to a
// control that takes the Tab itself.
std::vector<QWidget*> WalkTab(QWidget& window) {
  std::vector<QWidget*> visited;
  QWidget* first = QApplication::focusWidget();
  if (first == nullptr) return visited;
  visited.push_back(first);
  for (int presses = 0; presses < 80 && !TakesTabItself(visited.back()); ++presses) {
    testsupport::TypeKey(window, Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    if (now == first || now == visited.back()) break;
    visited.push_back(now);
  }
  return visited;
}

// What is wrong with one walk through a window, or nothing.
std::string FaultsOfWalk(const std::vector<QWidget*>& visited) {
  std::string faults;
  for (size_t i = 1; i < visited.size(); ++i) {
    const QWidget& from = *visited[i - 1];
    const QWidget& to = *visited[i];
    if (std::find(visited.begin(), visited.begin() + static_cast<long>(i), &to) != visited.begin() + static_cast<long>(i))
      faults += "  visits " + Name(&to) + " twice\n";
    if (IsPushButton(&from) && !IsPushButton(&to)) faults += "  goes from the button " + Name(&from) + " back to the field " + Name(&to) + "\n";
    else if (IsPushButton(&from) == IsPushButton(&to) && GoesBackUp(from, to))
      faults += "  goes back up from " + Name(&from) + " to " + Name(&to) + "\n";
  }
  return faults;
}

std::string WalkFromTheFirstControl(QWidget& window) {
  window.show();
  if (std::vector<QWidget*> stops = platform::ShownTabOrder(window); !stops.empty()) stops.front()->setFocus();
  if (!testsupport::Activate(window)) return "  does not become active\n";
  std::string faults = FaultsOfWalk(WalkTab(window));
  window.hide();
  QCoreApplication::processEvents();
  return faults;
}

TEST_F(BothPrograms, TabVisitsTheFieldsOfEveryWindowInTheOrderShownThenItsButtons) {
  std::string faults;
  int walked = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    // The windows shown from the start are the programs' main windows, the inspector and a design
    // surface; the others are the dialogs and tool windows.
    if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip || !window->isHidden()) continue;
    QList<QTabWidget*> pages = window->findChildren<QTabWidget*>();
    auto walk = [&] {
      std::string found = WalkFromTheFirstControl(*window);
      if (!found.empty()) faults += window->windowTitle().toStdString() + ":\n" + found;
      ++walked;
    };
    if (pages.empty()) walk();
    for (QTabWidget* tabs : pages)
      for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        walk();
      }
  }
  EXPECT_GE(walked, 40);
  EXPECT_EQ(faults, "");
}

}  // namespace
