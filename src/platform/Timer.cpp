#include "platform/Timer.h"
#include "platform/HandlerGuard.h"

namespace platform {

TTimer::TTimer(QObject* owner) : QObject(owner) {
  Connect(&timer_, &QTimer::timeout, this, [this] {
    if (OnTimer) OnTimer();
  });
  Restart();
}

void TTimer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void TTimer::Restart() {
  timer_.stop();
  if (enabled_ && interval_ > 0) timer_.start(interval_);
}

}  // namespace platform
