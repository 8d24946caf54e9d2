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

  // Opens a document with the desktop's opener, xdg-open; anchor, when given, is appended as
  // "#anchor" (keyword help). A missing document, or a desktop without the opener, is reported in
  // an error box that names the document and what was tried; the result is then false.
  bool OpenDocument(const std::string& path, const std::string& anchor = {});
  // The same for a program's help file, which the error box calls so.
  bool OpenHelp(const std::string& helpFile, const std::string& keyword = {});

  // Starts a program detached, without waiting; false when it could not be started.
  bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& workingDir = {});

 private:
  bool Open(const std::string& path, const std::string& anchor, const std::string& what);

  bool recording_ = false;
  std::vector<std::string> launched_;
};

}  // namespace platform
