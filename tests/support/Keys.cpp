#include "Keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

namespace testsupport {

void TypeKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  const std::string caption = window.windowTitle().toStdString();
  if (!window.isVisible()) {
    ADD_FAILURE() << "a key typed into the hidden window \"" << caption << "\"";
    return;
  }
  // The window is asked for the focus itself: a window that owns the focused window counts as active
  // already, and activating it would leave the key with the window it owns.
  window.windowHandle()->requestActivate();
  if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }))
    ADD_FAILURE() << "the window \"" << caption << "\" did not become active";
  QTest::keyClick(window.windowHandle(), key, modifiers);
}

}  // namespace testsupport
