#include "Keys.h"

#include <gtest/gtest.h>

#include <QTest>

namespace testsupport {

void TypeKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  const std::string caption = window.windowTitle().toStdString();
  if (!window.isVisible()) {
    ADD_FAILURE() << "a key typed into the hidden window \"" << caption << "\"";
    return;
  }
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) ADD_FAILURE() << "the window \"" << caption << "\" did not become active";
  QTest::keyClick(window.windowHandle(), key, modifiers);
}

}  // namespace testsupport
