#include "gif/GifImage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>

#include "platform/Dialogs.h"

namespace gif {

namespace {

// Keeps windows painted during a long load, but lets no user input in: a click or key handled in
// the middle of a decode could close the window or load another picture into this control.
void ProcessPaintMessages() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

// Decoding calls back after every row; pumping that often would cost more than the decode.
TRowProgress ThrottledPump() {
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  return [clock] {
    if (clock->elapsed() < 40) return;
    ProcessPaintMessages();
    clock->restart();
  };
}

struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TGifImage::TGifImage(QWidget* owner) : platform::TImage(owner), timer_(new platform::TTimer(this)) {
  timer_->SetEnabled(false);
  timer_->OnTimer = [this] { TimerTimer(); };
}

TGifImage::~TGifImage() { timer_->SetEnabled(false); }

void TGifImage::LoadFromFile(const std::string& fileName) {
  loading_ = true;
  ProcessPaintMessages();
  QPointer<TGifImage> alive(this);
  auto file = std::make_unique<TGifFile>();
  file->OnRow = ThrottledPump();
  {
    WaitCursor wait;
    file->LoadFromFile(fileName);
  }
  if (!alive) return;
  file->OnRow = nullptr;
  if (file->ImageCount() == 0) throw EGifException("No image in GIF file " + fileName);

  file_ = std::move(file);
  frames_.assign(file_->ImageCount(), QImage());
  currentFrame_ = 1;
  timer_->SetEnabled(false);
  // A single image has nothing to step to, so its timer never ticks even when switched on.
  int interval = 0;
  if (file_->ImageCount() != 1)
    interval = file_->AnimationDelay([](const std::string& warning) { platform::ShowMessage(warning); }) * 10;
  timer_->SetInterval(interval);
  if (file_->ImageCount() != 1 && StartImmediately) timer_->SetEnabled(true);
  SetPicture(FrameImage(1));
  loading_ = false;
}

void TGifImage::SetAnimate(bool animate) {
  if (timer_->Enabled() != animate) timer_->SetEnabled(animate);
}

void TGifImage::NextFrame() {
  if (!file_) return;
  currentFrame_ = currentFrame_ % file_->ImageCount() + 1;
  if (currentFrame_ == 1) {
    SetPicture(FrameImage(1));
    return;
  }
  if (Picture().isNull()) return;  // image 1 has no pixels to draw on
  const TGifSubImage& image = file_->GetSubImage(currentFrame_);
  QPainter painter(&Picture());
  painter.drawImage(image.Left(), image.Top(), FrameImage(currentFrame_));
  painter.end();
  PictureChanged();
}

void TGifImage::TimerTimer() {
  if (!loading_) NextFrame();
}

const QImage& TGifImage::FrameImage(int index) {
  QImage& frame = frames_[index - 1];
  if (frame.isNull()) {
    TGifSubImage& image = file_->GetSubImage(index);
    const std::string& bitmap = image.GetBitmap();
    QImage loaded = QImage::fromData(reinterpret_cast<const uchar*>(bitmap.data()),
                                     static_cast<int>(bitmap.size()), "BMP");
    if (loaded.isNull() && image.Width() > 0 && image.Height() > 0) RaiseNotEnoughMemory(bitmap.size());
    frame = loaded.convertToFormat(QImage::Format_RGB32);
  }
  return frame;
}

}  // namespace gif
