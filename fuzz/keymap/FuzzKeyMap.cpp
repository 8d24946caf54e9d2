// Feeds arbitrary text to the keyboard-map template reader, as the editor loads a template file.
// A file it takes gives 26 texts; writing those texts and reading the written file again must give
// the same 26 texts, and the written file must be one the reader takes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "workbench/KeyMapFile.h"

using namespace workbench;
using platform::TStringList;

namespace {

TStringList TextsOf(const TStringList& lines) {
  TStringList texts;
  for (int key = 0; key < KeyMacroCount; ++key) texts.Add(KeyTextFromLines(lines, KeyMacroName(key)));
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStringList lines;
  lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
  if (!IsKeyMapFileValid(lines)) return 0;
  TStringList texts = TextsOf(lines);
  Require(texts.Count() == KeyMacroCount, "26 texts");

  TStringList written;
  written.SetText(BuildKeyMapLines(texts).Text());
  Require(IsKeyMapFileValid(written), "a written file is taken");
  Require(TextsOf(written).Lines() == texts.Lines(), "written texts read back the same");
  return 0;
}
