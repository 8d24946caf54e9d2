#pragma once
// Captions that must show whole: a control whose given width cannot hold its caption in the
// user-interface face grows to the right, keeping its place.
class QWidget;

namespace platform {

// Widens the control to its size hint when that is wider; never narrows it. A control of fixed
// width keeps a fixed width.
void GrowToFit(QWidget* control);

}  // namespace platform
