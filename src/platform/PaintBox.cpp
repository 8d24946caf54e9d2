#include "platform/PaintBox.h"
#include "platform/HandlerGuard.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace platform {

namespace {

bool ToMouseButton(Qt::MouseButton button, TMouseButton& result) {
  switch (button) {
    case Qt::LeftButton: result = mbLeft; return true;
    case Qt::RightButton: result = mbRight; return true;
    case Qt::MiddleButton: result = mbMiddle; return true;
    default: return false;
  }
}

}  // namespace

TShiftState ShiftStateOf(const QMouseEvent& event) {
  TShiftState state = 0;
  Qt::KeyboardModifiers keys = event.modifiers();
  if (keys & Qt::ShiftModifier) state |= ssShift;
  if (keys & Qt::AltModifier) state |= ssAlt;
  if (keys & Qt::ControlModifier) state |= ssCtrl;
  Qt::MouseButtons buttons = event.buttons();
  if (buttons & Qt::LeftButton) state |= ssLeft;
  if (buttons & Qt::RightButton) state |= ssRight;
  if (buttons & Qt::MiddleButton) state |= ssMiddle;
  return state;
}

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<TCanvas>(width(), height())) {
  setMouseTracking(true);  // moves arrive with no button held, as the handlers expect
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_->OnChange = [this] {
    if (!painting_) update();
  };
}

TPaintBox::~TPaintBox() { canvas_->OnChange = nullptr; }

void TPaintBox::Refresh() {
  FollowVisiblePart(false);
  canvas_->Clear(Color);
  if (OnPaint) OnPaint();
  update();
}

QRect TPaintBox::VisiblePart() const {
  QRect part = rect();
  for (const QWidget* ancestor = parentWidget(); ancestor != nullptr; ancestor = ancestor->parentWidget()) {
    part &= QRect(mapFrom(ancestor, QPoint(0, 0)), ancestor->size());
    if (ancestor->isWindow()) break;
  }
  return part;
}

void TPaintBox::FollowVisiblePart(bool makeNew) {
  QRect before = ToQRect(canvas_->KeptArea());
  QRect visible = VisiblePart();
  if (visible == before) return;
  canvas_->Keep(ToTRect(visible));
  QRegion fresh = QRegion(visible).subtracted(QRegion(before));
  if (makeNew && !fresh.isEmpty()) MakeAnew(fresh.boundingRect());
}

// OnPaint draws the whole picture; the canvas lets it reach only the part.
void TPaintBox::MakeAnew(const QRect& part) {
  canvas_->SetClipRect(ToTRect(part));
  canvas_->Clear(Color);
  HandleEvent([&] {
    if (OnPaint) OnPaint();
  });
  canvas_->SetClipRect(canvas_->KeptArea());
}

// A part that came into sight since the last paint (the window grew) is made before it shows.
void TPaintBox::paintEvent(QPaintEvent* event) {
  painting_ = true;
  FollowVisiblePart(true);
  painting_ = false;
  QPainter painter(this);
  QColor background(GetRValue(Color), GetGValue(Color), GetBValue(Color));
  QRect kept = ToQRect(canvas_->KeptArea());
  for (const QRect& outside : QRegion(event->rect()).subtracted(QRegion(kept))) painter.fillRect(outside, background);
  TColor blank;
  if (canvas_->IsBlank(blank)) {
    painter.fillRect(kept & event->rect(), QColor(GetRValue(blank), GetGValue(blank), GetBValue(blank)));
  } else {
    painter.drawImage(kept.topLeft(), canvas_->Image());
  }
}

// The canvas first lets go of what is out of sight, so growing never holds the whole new size.
void TPaintBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  canvas_->Keep(ToTRect(VisiblePart()));
  canvas_->SetSize(width(), height());
  HandleEvent([&] { Refresh(); });
}

// A scroll moves the box inside its viewport.
void TPaintBox::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FollowVisiblePart(true);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToMouseButton(event->button(), button) || !OnMouseDown) return;
  QPoint at = event->position().toPoint();
  HandleEvent([&] { OnMouseDown(button, ShiftStateOf(*event), at.x(), at.y()); });
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (!OnMouseMove) return;
  QPoint at = event->position().toPoint();
  HandleEvent([&] { OnMouseMove(ShiftStateOf(*event), at.x(), at.y()); });
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToMouseButton(event->button(), button) || !OnMouseUp) return;
  QPoint at = event->position().toPoint();
  HandleEvent([&] { OnMouseUp(button, ShiftStateOf(*event), at.x(), at.y()); });
}

// The second press of a double click: the double-click event, then a mouse-down that carries the
// double-click flag, so the window sees both.
void TPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (OnDblClick) HandleEvent([&] { OnDblClick(); });
  TMouseButton button;
  if (!ToMouseButton(event->button(), button) || !OnMouseDown) return;
  QPoint at = event->position().toPoint();
  HandleEvent([&] { OnMouseDown(button, ShiftStateOf(*event) | ssDouble, at.x(), at.y()); });
}

}  // namespace platform
