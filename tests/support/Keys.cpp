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
  if (!Activate(window)) ADD_FAILURE() << "the window \"" << caption << "\" did not become active";
  QTest::keyClick(window.windowHandle(), key, modifiers);
}

// The window is asked for the focus itself: a window that owns the focused window counts as active
// already, and activating it would leave the key with the window it owns. The offscreen platform
// keeps a hidden window as its focus window; shown again, that window's activation would change
// nothing, so another window takes the focus first.
bool Activate(QWidget& window) {
  return QTest::qWaitFor([&] {
    if (QGuiApplication::focusWindow() == window.windowHandle() && QApplication::activeWindow() != &window)
      for (QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && other->windowHandle() != nullptr) {
          other->windowHandle()->requestActivate();
          QCoreApplication::processEvents();
          break;
        }
    window.windowHandle()->requestActivate();
    return QApplication::activeWindow() == &window;
  });
}

}  // namespace testsupport
