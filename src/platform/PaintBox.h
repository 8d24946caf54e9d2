#pragma once
// TPaintBox: a widget showing a persistent canvas. Drawing on the canvas at any time shows on the
// screen at the next paint; OnPaint runs when the picture must be made anew (Refresh, resize), and
// for the part that comes into sight when the box is scrolled or uncovered. The canvas keeps only
// the part of the box its ancestors leave in sight, so a box of any size costs the memory of that
// part.
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace platform {

class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  ~TPaintBox() override;

  TCanvas* Canvas() const { return canvas_.get(); }
  TColor Color = clWhite;  // the background a refresh starts from


  // Clears the canvas to Color and runs OnPaint at once.
  void Refresh();

  std::function<void()> OnPaint;
  std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseDown;
  std::function<void(TShiftState, int x, int y)> OnMouseMove;
  std::function<void(TMouseButton, TShiftState, int x, int y)> OnMouseUp;
  std::function<void()> OnDblClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The part of the box inside every ancestor up to its window.
  QRect VisiblePart() const;
  // The canvas keeps the visible part; with `makeNew`, what came into sight is made anew.
  void FollowVisiblePart(bool makeNew);
  void MakeAnew(const QRect& part);

  std::unique_ptr<TCanvas> canvas_;
  bool painting_ = false;  // changes of the canvas while the box paints need no further paint
};

// The shift state of a Qt mouse event: keys held and buttons held (a press includes its button).
TShiftState ShiftStateOf(const QMouseEvent& event);

}  // namespace platform
