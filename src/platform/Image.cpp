#include "platform/Image.h"

#include <QPainter>

namespace platform {

TImage::TImage(QWidget* owner) : QWidget(owner) {}

void TImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (autoSize_ && !picture_.isNull()) resize(picture_.size());
  update();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void TImage::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  PictureChanged();
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (stretch_)
    painter.drawImage(rect(), picture_);
  else
    painter.drawImage(0, 0, picture_);
}

}  // namespace platform
