#pragma once
// The window manager of a desktop run: openbox with the stage's own small configuration, started
// unless the display already has a window manager, and waited for until it announces itself.
#include <sys/types.h>

namespace desktop {

class WindowManager {
 public:
  WindowManager();
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

 private:
  pid_t pid_ = 0;
};

}  // namespace desktop
