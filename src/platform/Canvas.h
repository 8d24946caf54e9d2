#pragma once
// TCanvas: drawing into a persistent image. What is drawn stays until drawn over, so a picture can
// be erased by drawing it again in the background colour, and an XOR ghost by drawing it twice.
// The image is made on the first drawing: a large canvas nothing was drawn on costs no memory.
// The header names no Qt type beyond the image class, so drawing code stays free of Qt.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"

class QImage;

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
  // Keeps the picture where old and new sizes overlap; new area is white.
  void SetSize(int width, int height);
  void Clear(TColor color);

  void MoveTo(int x, int y);
  void LineTo(int x, int y);  // from the pen position, which then moves to (x, y)
  void Polyline(const std::vector<TPoint>& points);
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
  int TextHeight(const std::string& text) const;  // the line height of the font, as for any text

  TColor Pixels(int x, int y) const;  // clWhite outside the image

  // The picture, made in full on first use.
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
  void Changed();
};

}  // namespace platform
