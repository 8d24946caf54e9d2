#pragma once
// Help files, the desktop's "open" verb and detached programs go through this service, which a
// test switches to recording instead of starting anything.
#include <string>
#include <vector>

namespace platform {

class Launcher {
 public:
  static Launcher& Instance();

  void SetRecording(bool recording) { recording_ = recording; }
  const std::vector<std::string>& Launched() const { return launched_; }
  void ClearLaunched() { launched_.clear(); }

  // Opens a document or a URL with the desktop's "open" verb; anchor, when given, is appended as
  // "#anchor" (keyword help). Returns false when nothing could be asked to open it.
  bool OpenDocument(const std::string& path, const std::string& anchor = {});

  // Starts a program detached, without waiting; false when it could not be started.
  bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& workingDir = {});

 private:
  bool recording_ = false;
  std::vector<std::string> launched_;
};

}  // namespace platform
