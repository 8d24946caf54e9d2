#pragma once
// Where a window opens on a screen. Both take the window's outer frame and the screen's available
// area (without panels and docks) as rectangles, and keep the window's size. Free of Qt.
#include "platform/Graphics.h"

namespace platform {

// How much of a title bar's width stays on the available area: enough to take hold of and drag.
constexpr int kTitleBarGrip = 100;

// The frame moved, as little as needed, so that its title bar (the top `titleHeight` rows) lies on
// the available area from top to bottom and with at least kTitleBarGrip pixels of its width (all of
// it, for a narrower window).
TRect TitleBarOnScreen(const TRect& window, const TRect& available, int titleHeight);

// A place read from a settings file made usable: the frame's size brought between `least` and the
// available area's, then its title bar put on the area; a frame that had to be made smaller is put
// wholly on the area, so that what lies at its left (a menu) is in reach.
TRect UsableOnScreen(const TRect& window, const TRect& available, TPoint least, int titleHeight);

// The frame centred on the available area, its title bar kept on it.
TRect CentredOnScreen(const TRect& window, const TRect& available, int titleHeight);

// The frame centred over the frame of the window that opened it and moved, as little as needed, to
// lie wholly on the available area; a window larger than the area keeps its top-left corner on it.
TRect OverOpener(const TRect& window, const TRect& opener, const TRect& available);

}  // namespace platform
