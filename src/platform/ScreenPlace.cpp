#include "platform/ScreenPlace.h"

#include <algorithm>

namespace platform {

namespace {

// The value brought into [low, high]; low wins when the range is empty.
int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

TRect MovedTo(const TRect& window, int left, int top) {
  return {left, top, left + window.Right - window.Left, top + window.Bottom - window.Top};
}

}  // namespace

TRect TitleBarOnScreen(const TRect& window, const TRect& available, int titleHeight) {
  int width = window.Right - window.Left;
  int grip = std::min(width, kTitleBarGrip);
  int left = Clamp(window.Left, available.Left + grip - width, available.Right - grip);
  int top = Clamp(window.Top, available.Top, available.Bottom - titleHeight);
  return MovedTo(window, left, top);
}

TRect UsableOnScreen(const TRect& window, const TRect& available, TPoint least, int titleHeight) {
  int oldWidth = window.Right - window.Left, oldHeight = window.Bottom - window.Top;
  int width = std::max(least.X, std::min(oldWidth, available.Right - available.Left));
  int height = std::max(least.Y, std::min(oldHeight, available.Bottom - available.Top));
  TRect sized{window.Left, window.Top, window.Left + width, window.Top + height};
  if (width < oldWidth || height < oldHeight)
    sized = MovedTo(sized, Clamp(window.Left, available.Left, available.Right - width),
                    Clamp(window.Top, available.Top, available.Bottom - height));
  return TitleBarOnScreen(sized, available, titleHeight);
}

TRect CentredOnScreen(const TRect& window, const TRect& available, int titleHeight) {
  int left = available.Left + (available.Right - available.Left - (window.Right - window.Left)) / 2;
  int top = available.Top + (available.Bottom - available.Top - (window.Bottom - window.Top)) / 2;
  return TitleBarOnScreen(MovedTo(window, left, top), available, titleHeight);
}

TRect OverOpener(const TRect& window, const TRect& opener, const TRect& available) {
  int width = window.Right - window.Left;
  int height = window.Bottom - window.Top;
  int left = opener.Left + (opener.Right - opener.Left - width) / 2;
  int top = opener.Top + (opener.Bottom - opener.Top - height) / 2;
  left = Clamp(left, available.Left, available.Right - width);
  top = Clamp(top, available.Top, available.Bottom - height);
  return MovedTo(window, left, top);
}

}  // namespace platform
