#include "WindowManager.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "XDesktop.h"

namespace desktop {

WindowManager::WindowManager() {
  if (XDesktop::Instance().HasWindowManager()) return;
  pid_ = fork();
  if (pid_ == 0) {
    setpgid(0, 0);
    int quiet = open("/dev/null", O_WRONLY);  // its notes on the theme and menus
    dup2(quiet, 1);
    dup2(quiet, 2);
    execlp("openbox", "openbox", "--sm-disable", "--config-file", DESKTOP_SOURCE_DIR "/openbox.xml", nullptr);
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (!XDesktop::Instance().HasWindowManager()) {
    if (std::chrono::steady_clock::now() > deadline || waitpid(pid_, nullptr, WNOHANG) == pid_)
      throw std::runtime_error("openbox did not start on the display");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

WindowManager::~WindowManager() {
  if (pid_ <= 0) return;
  kill(-pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace desktop
