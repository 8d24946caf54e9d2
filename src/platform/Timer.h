#pragma once
// TTimer: ticks OnTimer every Interval milliseconds while Enabled. The default interval is
// 1000 ms; an interval of 0 never ticks.
#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

class TTimer : public QObject {
  Q_OBJECT
 public:
  explicit TTimer(QObject* owner = nullptr);

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Running() const { return timer_.isActive(); }

  std::function<void()> OnTimer;

 private:
  void Restart();
  QTimer timer_;
  int interval_ = 1000;
  bool enabled_ = true;
};

}  // namespace platform
