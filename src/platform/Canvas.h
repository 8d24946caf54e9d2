#pragma once
// TCanvas: drawing into a persistent image. What is drawn stays until drawn over, so a picture can
// be erased by drawing it again in the background colour, and an XOR ghost by drawing it twice.
// A canvas keeps its whole picture, or only the part a widget shows of it: drawing elsewhere then
// changes nothing and costs nothing, so its memory follows the part kept, not the picture's size.
// The image is made on the first drawing: a large canvas nothing was drawn on costs no memory.
// The header names no Qt type beyond those of its private drawing, so drawing code stays free of Qt.
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Graphics.h"

class QImage;
class QRect;

namespace platform {

enum TPenMode { pmCopy, pmXor, pmNotXor };
enum TPenStyle { psSolid, psDot };
enum TBrushStyle { bsSolid, bsClear };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

// Size is in points at 96 pixels per inch on every machine, so text metrics do not depend on the
// screen the program runs on.
struct TFont {
  std::string Name = "Arial";
  int Size = 10;
  TColor Color = clBlack;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
};

class TCanvas {
 public:
  TCanvas(int width, int height);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Read at every drawing call.
  TPen Pen;
  TBrush Brush;
  TFont Font;

  int Width() const;
  int Height() const;
  // Keeps the picture where old and new sizes overlap; new area is white. A canvas keeping its
  // whole picture keeps the whole new one.
  void SetSize(int width, int height);

  // Rectangles here have their right and bottom lines outside. The part kept is the whole picture
  // until Keep chooses a part; pixels kept before stay where the old and new parts overlap, the
  // rest of the new part is white until drawn on.
  TRect KeptArea() const;
  void Keep(const TRect& area);
  // Where drawing reaches: the part kept, or a smaller part of it while that part is made anew.
  TRect ClipRect() const;
  void SetClipRect(const TRect& area);
  // Whether drawing inside the rectangle can change a pixel within the clip rectangle.
  bool Shows(const TRect& area) const;

  void Clear(TColor color);  // the clip rectangle

  void MoveTo(int x, int y);
  void LineTo(int x, int y);  // from the pen position, which then moves to (x, y)
  void Polyline(std::span<const TPoint> points);
  void Polyline(const std::vector<TPoint>& points) { Polyline(std::span<const TPoint>(points)); }
  // Outline with the pen and inside with the brush; right and bottom are outside the rectangle.
  void Rectangle(int x1, int y1, int x2, int y2);
  void FillRect(const TRect& rect);
  // Closed shapes: inside with the brush unless it is clear, outline with the pen. The ellipse fills
  // the rectangle whose right and bottom lie outside it.
  void Polygon(const std::vector<TPoint>& points);
  void Ellipse(int x1, int y1, int x2, int y2);
  // Text with its top-left corner at (x, y) on a background of the brush unless it is clear.
  void TextOut(int x, int y, const std::string& text);
  int TextWidth(const std::string& text) const;
  // How far a text drawn at a point can reach from it, found from its length alone, so a text out
  // of sight need not be measured.
  int TextReach(const std::string& text) const;
  int TextHeight(const std::string& text) const;  // the line height of the font, as for any text

  TColor Pixels(int x, int y) const;  // clWhite outside the part kept

  // The part kept, made in full on first use; its top-left pixel is the kept area's top-left.
  const QImage& Image() const;
  // True, with its colour, while the picture is one colour from a clear or the start, before any
  // drawing: such a picture takes no memory, and a widget can show it by filling its area.
  bool IsBlank(TColor& color) const;
  // Fired after every change of the picture: the widget showing it copies it to the screen.
  std::function<void()> OnChange;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  TPoint penPos_;
  // Runs the drawing when its extent reaches the clip rectangle; a drawing that must be done
  // whole to take its pixels (slanted lines, curves) says so.
  template <class Draw>
  void Paint(const QRect& extent, bool wholeOnly, const Draw& draw);
  void Changed();
};

// A rectangle whose right and bottom lie outside it, and Qt's own form of it.
QRect ToQRect(const TRect& rect);
TRect ToTRect(const QRect& rect);

}  // namespace platform
