#pragma once
// Keys typed as a user types them: the shown window becomes the active one, then the key goes to
// its window handle, so Qt's shortcut map, the focus and the window's own key handling all take part.
#include <QWidget>

namespace testsupport {

// Makes the window the active one, as a click on it would; false when it does not become active.
bool Activate(QWidget& window);

void TypeKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace testsupport
