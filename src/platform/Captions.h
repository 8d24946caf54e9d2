#pragma once
// Captions and texts that must show whole: a control whose given width cannot hold its caption in
// the user-interface face grows to the right, keeping its place; a text in Korean is drawn in a
// face that has its letters, which the user-interface face has not.
#include <QFont>

class QWidget;

namespace platform {

// Widens the control to its size hint when that is wider; never narrows it. A control of fixed
// width keeps a fixed width.
void GrowToFit(QWidget* control);

// The face for Korean text: base in NanumGothic, or in another installed family with Korean
// letters; base itself when none is installed.
QFont KoreanFace(const QFont& base);

}  // namespace platform
