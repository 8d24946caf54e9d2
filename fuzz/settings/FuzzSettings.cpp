// Feeds arbitrary bytes to both programs' settings readers as their settings file. Every value
// read must be one the program can use, and writing the values and reading the written file again
// must give the same values and the same file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "modeller/ui/SettingsFile.h"
#include "platform/SysUtils.h"
#include "workbench/Settings.h"

using platform::TIniFile;

namespace {

TIniFile IniOf(const std::string& bytes) {
  TIniFile ini("");
  ini.SetText(bytes);
  return ini;
}

bool Within(int value, int low, int high) { return value >= low && value <= high; }

void RequireUsable(const workbench::TWorkbenchSettings& v) {
  using namespace workbench;
  Require(Within(v.TabSize, 1, kMaxTabSize), "tab size");
  Require(Within(v.FontSize, 1, workbench::kMaxFontSize), "editor font size");
}

void RequireUsable(const modeller::TModellerOptions& o) {
  using namespace modeller;
  Require(Within(o.Indentation, 0, kMaxIndentation), "indentation");
  Require(Within(o.DiagramWidth, 1, kMaxDiagramSize) && Within(o.DiagramHeight, 1, kMaxDiagramSize), "diagram size");
  for (const platform::TFont* font : {&o.BrowserFont, &o.DiagramFont, &o.EditorFont})
    Require(Within(font->Size, 1, modeller::kMaxFontSize), "font size");
}

std::string Summary(const workbench::TWorkbenchSettings& v) {
  TIniFile ini("");
  workbench::WriteWorkbenchSettings(ini, v);
  return ini.Text();
}

std::string Summary(const modeller::TMainFormPlace& place, const modeller::TModellerOptions& options) {
  TIniFile ini("");
  modeller::WriteMainFormPlace(ini, place);
  modeller::WriteModellerOptions(ini, options);
  return ini.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TIniFile ini = IniOf(std::string(reinterpret_cast<const char*>(data), size));
  const std::string text = ini.Text();
  Require(IniOf(text).Text() == text, "a written settings file reads back the same");

  workbench::TWorkbenchSettings workbench = workbench::ReadWorkbenchSettings(ini, "Any (*.*)|*.*", "/home");
  if (!workbench.FirstRun) RequireUsable(workbench);
  modeller::TMainFormPlace place;
  modeller::TModellerOptions options;
  modeller::ReadMainFormPlace(ini, place);
  modeller::ReadModellerOptions(ini, options);
  RequireUsable(options);

  workbench::WriteWorkbenchSettings(ini, workbench);
  modeller::WriteMainFormPlace(ini, place);
  modeller::WriteModellerOptions(ini, options);
  TIniFile again = IniOf(ini.Text());
  if (!workbench.FirstRun)
    Require(Summary(workbench::ReadWorkbenchSettings(again, "", "")) == Summary(workbench), "workbench values read back");
  modeller::TMainFormPlace placeAgain;
  modeller::TModellerOptions optionsAgain;
  modeller::ReadMainFormPlace(again, placeAgain);
  modeller::ReadModellerOptions(again, optionsAgain);
  Require(Summary(placeAgain, optionsAgain) == Summary(place, options), "modeller values read back");
  return 0;
}
