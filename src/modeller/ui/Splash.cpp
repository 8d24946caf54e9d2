#include "modeller/ui/Splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace modeller {

TSplashForm* SplashForm = nullptr;

void PaintProgramPicture(QPainter& painter, const QRect& area) {
  painter.fillRect(area, QColor(0, 64, 96));
  painter.setPen(QPen(Qt::white, 2));
  const int boxWidth = area.width() / 4;
  const int boxHeight = area.height() / 4;
  const int top = area.top() + area.height() / 2;
  QRect sub(area.left() + area.width() / 8, top, boxWidth, boxHeight);
  QRect super(area.right() - area.width() / 8 - boxWidth, top, boxWidth, boxHeight);
  for (const QRect& box : {sub, super}) {
    painter.drawRect(box);
    painter.drawLine(box.left(), box.top() + boxHeight / 3, box.right(), box.top() + boxHeight / 3);
  }
  painter.drawLine(sub.right(), sub.center().y(), super.left(), super.center().y());
  QFont title = painter.font();
  title.setPointSize(22);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRect(area.left(), area.top(), area.width(), area.height() / 2), Qt::AlignCenter,
                   QString::fromLatin1(kProgramTitle));
}

TSplashForm::TSplashForm() {
  setObjectName("SplashForm");
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(320, 200);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

void TSplashForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintProgramPicture(painter, rect());
}

}  // namespace modeller
