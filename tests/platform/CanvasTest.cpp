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
