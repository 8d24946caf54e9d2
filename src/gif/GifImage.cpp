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

// The frame's pixels seen as a picture, without a copy: valid while the frame lives.
QImage FramePicture(const TRgbFrame& frame) {
  return QImage(reinterpret_cast<const uchar*>(frame.Pixels.data()), frame.Width, frame.Height,
                frame.Width * static_cast<int>(sizeof(uint32_t)), QImage::Format_RGB32);
}

// The frame as a picture that keeps the frame alive and shares its pixels until something is
// drawn on it, which copies them: a still image costs its frame once, not twice.
QImage SharedPicture(std::shared_ptr<const TRgbFrame> frame) {
  if (frame->Pixels.empty()) return QImage();
  auto* owner = new std::shared_ptr<const TRgbFrame>(std::move(frame));
  const TRgbFrame& pixels = **owner;
  return QImage(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width, pixels.Height,
                pixels.Width * static_cast<int>(sizeof(uint32_t)), QImage::Format_RGB32,
                [](void* info) { delete static_cast<std::shared_ptr<const TRgbFrame>*>(info); }, owner);
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

  // The new file replaces the old one only once its first picture is made.
  auto frames = std::make_unique<TFrameCache>(std::move(file));
  QImage first = SharedPicture(frames->Frame(1));
  frames_ = std::move(frames);
  currentFrame_ = 1;
  timer_->SetEnabled(false);
  // A single image has nothing to step to, so its timer never ticks even when switched on.
  const bool animated = frames_->File().ImageCount() != 1;
  int interval = 0;
  if (animated)
    interval = frames_->File().AnimationDelay([](const std::string& warning) { platform::ShowMessage(warning); }) * 10;
  timer_->SetInterval(interval);
  if (animated && StartImmediately) timer_->SetEnabled(true);
  SetPicture(first);
  loading_ = false;
}

void TGifImage::SetAnimate(bool animate) {
  if (timer_->Enabled() != animate) timer_->SetEnabled(animate);
}

void TGifImage::NextFrame() {
  if (!frames_) return;
  TGifFile& file = frames_->File();
  currentFrame_ = currentFrame_ % file.ImageCount() + 1;
  if (currentFrame_ == 1) {
    SetPicture(SharedPicture(frames_->Frame(1)));
    return;
  }
  if (Picture().isNull()) return;  // image 1 has no pixels to draw on
  const TGifSubImage& image = file.GetSubImage(currentFrame_);
  const std::shared_ptr<const TRgbFrame> frame = frames_->Frame(currentFrame_);
  QPainter painter(&Picture());
  painter.drawImage(image.Left(), image.Top(), FramePicture(*frame));
  painter.end();
  PictureChanged();
}

// A frame that cannot be had stops the animation, so that its error is shown once, not at every tick.
void TGifImage::TimerTimer() {
  if (loading_) return;
  try {
    NextFrame();
  } catch (...) {
    SetAnimate(false);
    throw;
  }
}

}  // namespace gif
