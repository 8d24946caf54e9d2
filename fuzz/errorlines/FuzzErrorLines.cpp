// Feeds arbitrary text to the message window as the lines of the compiler's "error" file and asks
// for the source line of some messages, as a double-click on them does. A line is found only in a
// message at or above the one asked about that names a ".java" source; the number itself may be
// written in any form the string-to-integer conversion takes ("$1A" is 26).
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "platform/StringList.h"
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
    for (int i = std::min(index, count - 1); i >= 0 && !named; --i)
      named = lines[static_cast<size_t>(i)].find(".java") != std::string::npos;
    Require(named, "a line is found only in a message at or above the one asked about that names a source");
  }
  return 0;
}
