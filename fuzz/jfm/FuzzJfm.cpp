// Feeds arbitrary bytes to the design file's text reader, as lines the way a file is read. Only a
// refusal of the design file may leave it; a design it accepts is written out and read again to
// the same design and the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "designer/DesignText.h"
#include "designer/JfmText.h"
#include "platform/StringList.h"

using namespace designer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::TStringList lines;
  lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
  TDesign design;
  try {
    design = ReadDesignText(lines);
  } catch (const EDesignFileError&) {
    return 0;
  }
  platform::TStringList written = WriteDesignText(design);
  TDesign again = ReadDesignText(written);
  Require(again == design, "a written design reads back the same");
  Require(WriteDesignText(again) == written, "a written design is written again the same");
  return 0;
}
