// Feeds arbitrary text to the message window as the lines of the compiler's "error" file and asks
// for the source line of every message, as a double-click on it does. The answer is -1 or the
// number written after the ".java" word's first colon.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"
#include "workbench/EditorText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::TStringList messages;
  messages.SetText(std::string(reinterpret_cast<const char*>(data), size));
  const std::vector<std::string>& lines = messages.Lines();
  int count = static_cast<int>(lines.size());
  // The last message, one past it, none, and one chosen by the input's first byte.
  for (int index : {count - 1, count, -1, size > 0 ? data[0] % (count + 1) : 0}) {
    int line = workbench::ErrorLineOfMessages(lines, index);
    if (line == -1) continue;
    bool named = false;
    for (int i = std::min(index, static_cast<int>(lines.size()) - 1); i >= 0 && !named; --i)
      named = lines[static_cast<size_t>(i)].find(":" + platform::IntToStr(line)) != std::string::npos ||
              lines[static_cast<size_t>(i)].find(":+") != std::string::npos ||
              lines[static_cast<size_t>(i)].find(":0") != std::string::npos ||
              lines[static_cast<size_t>(i)].find(":-0") != std::string::npos;
    Require(named, "a line found is written in a message at or above the one asked about");
  }
  return 0;
}
