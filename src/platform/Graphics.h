#pragma once
// Colours, points, rectangles and mouse-event values of the drawing layer. Free of Qt, so the
// logic that computes geometry and drawing colours builds on it alone.
#include <cstdint>

namespace platform {

// A colour as 0x00BBGGRR: red in the low byte, blue in the third.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
// A system colour: the flag bit above the colour index; the screen's own colour stands for it.
constexpr TColor clWindowText = static_cast<TColor>(0x80000008);

constexpr TColor RGB(int red, int green, int blue) { return (blue << 16) | (green << 8) | red; }
constexpr int GetRValue(TColor color) { return color & 0xFF; }
constexpr int GetGValue(TColor color) { return (color >> 8) & 0xFF; }
constexpr int GetBValue(TColor color) { return (color >> 16) & 0xFF; }

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TRect&) const = default;
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event, as bit flags; ssDouble marks a double click.
enum TShiftFlag : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};
using TShiftState = unsigned;

}  // namespace platform
