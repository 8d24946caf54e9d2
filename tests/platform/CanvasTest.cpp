// A canvas nothing was drawn on is made only when drawn on, and shows the same either way.
#include <QImage>
#include <QPixmap>

#include "TestSupport.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"

using namespace platform;

class CanvasTest : public testsupport::ScriptedTest {};

TEST_F(CanvasTest, ClearedColourHoldsUntilDrawnAndThroughAResize) {
  TCanvas canvas(40, 30);
  canvas.Clear(clRed);
  TColor blank = clBlack;
  EXPECT_TRUE(canvas.IsBlank(blank));
  EXPECT_EQ(blank, clRed);
  canvas.SetSize(60, 30);  // the red part stays, the new part is white
  EXPECT_EQ(canvas.Pixels(39, 10), clRed);
  EXPECT_EQ(canvas.Pixels(45, 10), clWhite);
  EXPECT_FALSE(canvas.IsBlank(blank));

  TCanvas fresh(10, 10);
  EXPECT_EQ(fresh.Pixels(5, 5), clWhite);
  fresh.Pen.Color = clBlack;
  fresh.LineTo(9, 0);
  EXPECT_EQ(fresh.Pixels(4, 0), clBlack);
  EXPECT_EQ(fresh.Image().pixel(4, 5), QColor(Qt::white).rgb());
}

TEST_F(CanvasTest, PaintBoxShowsABlankPictureInItsColour) {
  TPaintBox box;
  box.resize(50, 40);
  box.Color = RGB(0, 128, 0);
  box.show();
  box.Refresh();
  TColor blank;
  ASSERT_TRUE(box.Canvas()->IsBlank(blank));
  QImage shown = box.grab().toImage();
  EXPECT_EQ(shown.pixelColor(25, 20), QColor(0, 128, 0));
}

namespace {

// Lines, dotted and XOR lines, filled shapes and text, crossing one another and the part kept.
void DrawScene(TCanvas& canvas) {
  canvas.Font.Name = "DejaVu Sans";
  canvas.Polyline({{10, 10}, {390, 10}, {390, 290}, {10, 290}, {10, 10}});
  canvas.Pen.Style = psDot;
  canvas.Polyline({{25, 40}, {375, 40}, {375, 265}});
  canvas.Polyline({{101, 73}, {333, 73}, {333, 217}, {128, 217}, {128, 73}});
  canvas.Polyline({{231, 11}, {231, 288}, {117, 288}});
  for (int i = 0; i < 4; ++i) {  // dotted sides leaving the part kept at every parity
    canvas.Polyline({{140 + 9 * i, 30 + i}, {140 + 9 * i, 250 - i}, {370 - i, 250 - i}});
    canvas.Polyline({{100 + i, 160 + 9 * i}, {360 - i, 160 + 9 * i}, {360 - i, 60 + i}, {300, 60 + i}});
  }
  canvas.Pen.Style = psSolid;
  canvas.Brush.Color = clRed;
  canvas.Polygon({{100, 200}, {160, 60}, {220, 200}, {100, 200}});
  canvas.Ellipse(150, 120, 260, 230);
  canvas.Brush.Color = clWhite;
  canvas.Rectangle(240, 50, 360, 150);
  canvas.TextOut(120, 95, "class Scrolled { int across; }");
  canvas.Pen.Mode = pmXor;
  canvas.Pen.Color = clGray;
  canvas.Polyline({{30, 280}, {300, 30}});
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Color = clBlack;
}

}  // namespace

TEST_F(CanvasTest, APartKeptHoldsThePixelsOfTheWholePictureAndNoMore) {
  TCanvas whole(400, 300);
  DrawScene(whole);
  TCanvas part(400, 300);
  part.Keep({130, 70, 330, 220});
  DrawScene(part);
  EXPECT_EQ(part.Image().size(), QSize(200, 150));
  auto sameAsWhole = [&](const TRect& area) {
    int differing = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) differing += part.Pixels(x, y) != whole.Pixels(x, y) ? 1 : 0;
    return differing;
  };
  EXPECT_EQ(sameAsWhole(part.KeptArea()), 0);

  // A part made anew: cleared and drawn again within the clip rectangle only.
  part.SetClipRect({150, 100, 250, 180});
  part.Clear(clWhite);
  EXPECT_EQ(part.Pixels(160, 110), clWhite);
  DrawScene(part);
  part.SetClipRect(part.KeptArea());
  EXPECT_EQ(sameAsWhole(part.KeptArea()), 0);

  part.Keep({230, 20, 400, 120});  // moved: the overlap stays, the rest waits to be drawn
  EXPECT_EQ(sameAsWhole({230, 70, 330, 120}), 0);
  EXPECT_EQ(part.Pixels(360, 50), clWhite);

  TCanvas huge(1000000, 1000000);
  huge.Keep({0, 0, 100, 100});
  huge.Polyline({{5000, 5000}, {6000, 6000}});
  huge.TextOut(90000, 50, "far away");
  TColor blank;
  EXPECT_TRUE(huge.IsBlank(blank)) << "drawing beyond the part kept makes no image";
  huge.Polyline({{0, 50}, {6000, 50}});
  EXPECT_EQ(huge.Image().size(), QSize(100, 100));
  EXPECT_EQ(huge.Pixels(99, 50), clBlack);
}

// Diagram text is drawn without smoothing. Every glyph advances by whole pixels, so a text is as
// wide as its parts and draws as its parts drawn side by side, and glyphs keep a gap between them.
TEST_F(CanvasTest, UnsmoothedTextAdvancesByWholePixelsAndItsGlyphsDoNotTouch) {
  for (const char* face : {"Arial", "DejaVu Sans Mono"}) {
    SCOPED_TRACE(face);
    TCanvas whole(200, 20), parts(200, 20);
    whole.Font.Name = parts.Font.Name = face;
    whole.Font.Size = parts.Font.Size = 10;
    for (std::string text : {"C00000", "count", "int count = 0"}) {
      SCOPED_TRACE(text);
      whole.Clear(clWhite);
      whole.TextOut(10, 2, text);
      for (size_t cut = 1; cut < text.size(); ++cut) {
        std::string left = text.substr(0, cut), right = text.substr(cut);
        EXPECT_EQ(whole.TextWidth(text), whole.TextWidth(left) + whole.TextWidth(right)) << "cut at " << cut;
        parts.Clear(clWhite);
        parts.TextOut(10, 2, left);
        parts.TextOut(10 + parts.TextWidth(left), 2, right);
        EXPECT_EQ(parts.Image(), whole.Image()) << "cut at " << cut;
      }
    }
    // "C00000": six glyphs with a blank column between each two.
    whole.Clear(clWhite);
    whole.TextOut(10, 2, "C00000");
    int glyphs = 0;
    bool inked = false;
    for (int x = 0; x < 200; ++x) {
      bool column = false;
      for (int y = 0; y < 20; ++y) column = column || whole.Pixels(x, y) != clWhite;
      if (column && !inked) ++glyphs;
      inked = column;
    }
    EXPECT_EQ(glyphs, 6);
  }
}
