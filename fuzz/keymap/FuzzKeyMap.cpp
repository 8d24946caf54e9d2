// Feeds arbitrary text to the keyboard-map template reader, as the editor loads a template file.
// A file it takes gives 26 texts, each the text read for its key alone; writing those texts and
// reading the written file again must give the same 26 texts, and the written file must be one the
// reader takes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "workbench/KeyMapFile.h"

using namespace workbench;
using platform::TStringList;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStringList lines;
  lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
  if (!IsKeyMapFileValid(lines)) return 0;
  TStringList texts = KeyTextsFromLines(lines);
  Require(texts.Count() == KeyMacroCount, "26 texts");
  int key = data[0] % KeyMacroCount;
  Require(KeyTextFromLines(lines, KeyMacroName(key)) == texts[key], "a key's text read alone is the same");

  TStringList written;
  written.SetText(BuildKeyMapLines(texts).Text());
  Require(IsKeyMapFileValid(written), "a written file is taken");
  Require(KeyTextsFromLines(written).Lines() == texts.Lines(), "written texts read back the same");
  return 0;
}
