#include "workbench/Splash_f.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "designer/Lib.h"
#include "workbench/Main.h"

namespace workbench {

TSplashForm::TSplashForm() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(300, 200);
  DefaultCloseAction = platform::caFree;
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TSplashForm::FormDeactivate() {
  if (MainForm == nullptr || !MainForm->isVisible()) activateWindow();
}

void TSplashForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0, 0, 128));
  painter.setPen(Qt::white);
  QFont title = painter.font();
  title.setPointSize(20);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(rect(), Qt::AlignCenter, QString::fromStdString(designer::GetVersionText()));
}

}  // namespace workbench
