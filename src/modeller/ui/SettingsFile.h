#pragma once
// The settings file "zelvory.ini": the main window's place and the program options, read with the
// values in force as defaults and written in a fixed order of sections and keys.
#include <string>

#include "platform/Canvas.h"
#include "platform/IniFile.h"

namespace modeller {

struct TMainFormPlace {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Maximized = false;
};

// The program options as the settings file holds them; the main window takes them from and gives
// them to the shared model state.
struct TModellerOptions {
  std::string JavaCompilerPath;
  std::string JavaInterpreterPath;
  bool GenIncludeImpl = true;
  bool GenIncludeCmmt = true;
  int Indentation = 8;
  platform::TFont BrowserFont{"Courier New", 10};
  platform::TColor BrowserColor = platform::clWhite;
  platform::TFont DiagramFont{"Arial", 10};
  int DiagramWidth = 1500;
  int DiagramHeight = 2000;
  platform::TFont EditorFont{"Courier New", 10};
  platform::TColor EditorColor = platform::clWhite;
};

// The largest values the file is taken at: larger numbers keep the values in force, as values that
// are no numbers do. The drawing area bounds the paint box's image (4 bytes a pixel).
constexpr int kMaxIndentation = 1000;
constexpr int kMaxDiagramSize = 10000;
constexpr int kMaxFontSize = 1000;

// A font's height in pixels as the file stores it (negative: the character height) and back.
int FontHeightOfSize(int size);
int FontSizeOfHeight(int height);

void ReadMainFormPlace(const platform::TIniFile& ini, TMainFormPlace& place);
// The geometry is written only for a window that is not maximised, so a maximised window keeps the
// place it had before.
void WriteMainFormPlace(platform::TIniFile& ini, const TMainFormPlace& place);
void ReadModellerOptions(const platform::TIniFile& ini, TModellerOptions& options);
void WriteModellerOptions(platform::TIniFile& ini, const TModellerOptions& options);

}  // namespace modeller
