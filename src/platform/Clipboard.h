#pragma once
// The clipboard, text only.
#include <string>

namespace platform {

class TClipboard {
 public:
  bool HasText() const;  // the clipboard offers plain text
  std::string AsText() const;
  void SetAsText(const std::string& text);
};

TClipboard& Clipboard();

}  // namespace platform
