#include "platform/PaintBox.h"
#include "platform/HandlerGuard.h"

#include <QMouseEvent>
#include <QPainter>

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
  canvas_->OnChange = [this] { update(); };
}

TPaintBox::~TPaintBox() { canvas_->OnChange = nullptr; }

void TPaintBox::Refresh() {
  canvas_->Clear(Color);
  if (OnPaint) OnPaint();
  update();
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  TColor blank;
  if (canvas_->IsBlank(blank)) {
    QRect picture(0, 0, canvas_->Width(), canvas_->Height());
    painter.fillRect(picture & event->rect(), QColor(GetRValue(blank), GetGValue(blank), GetBValue(blank)));
  } else {
    painter.drawImage(0, 0, canvas_->Image());
  }
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  canvas_->SetSize(width(), height());
  HandleEvent([&] { Refresh(); });
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
