#pragma once
// TGifImage: an image control that loads a GIF file, shows its first image and, for a file with
// several images, steps through them on a timer, drawing each later image over the picture at its
// own offset. The frames come from a cache of bounded size, so any file costs the control at most
// that budget, its picture and one frame in flight.
#include <memory>
#include <string>

#include "gif/FrameCache.h"
#include "platform/Image.h"
#include "platform/Timer.h"

namespace gif {

class TGifImage : public platform::TImage {
  Q_OBJECT
 public:
  explicit TGifImage(QWidget* owner = nullptr);
  ~TGifImage() override;

  // Loads the file and shows image 1. The animation interval becomes the file's frame delay; the
  // timer starts only when StartImmediately is set and the file has several images. A load that
  // fails keeps nothing of the new file.
  void LoadFromFile(const std::string& fileName);
  void SetAnimate(bool animate);  // switches the timer on or off
  void NextFrame();               // shows the next image, image 1 again after the last

  bool StartImmediately = false;

  bool Loading() const { return loading_; }
  int CurrentFrame() const { return currentFrame_; }
  const platform::TTimer& AnimationTimer() const { return *timer_; }
  TGifFile* GifFile() const { return frames_ ? &frames_->File() : nullptr; }
  const TFrameCache* Frames() const { return frames_.get(); }

 private:
  void TimerTimer();

  bool loading_ = false;
  std::unique_ptr<TFrameCache> frames_;
  platform::TTimer* timer_;
  int currentFrame_ = 0;
};

}  // namespace gif
