#pragma once
// The settings file "zelvory.ini": the main window's place and the program options, read with the
// values in force as defaults and written in a fixed order of sections and keys.
#include <string>

#include "platform/Canvas.h"
#include "platform/IniFile.h"
#include "platform/SettingsReport.h"

namespace modeller {

// The keys of a window's place, in the main window's section and in each tool window's.
inline constexpr const char* kLeftKey = "Left";
inline constexpr const char* kTopKey = "Top";
inline constexpr const char* kWidthKey = "Width";
inline constexpr const char* kHeightKey = "Height";
inline constexpr const char* kMaximizedKey = "Maximized";
inline constexpr const char* kVisibleKey = "Visible";

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
  platform::TFont BrowserFont{"Courier New", 10, platform::clWindowText};
  platform::TColor BrowserColor = platform::clWhite;
  platform::TFont DiagramFont{"Arial", 10, platform::clWindowText};
  int DiagramWidth = 1500;
  int DiagramHeight = 2000;
  platform::TFont EditorFont{"Courier New", 10, platform::clWindowText};
  platform::TColor EditorColor = platform::clWhite;
};

// The bounds of the numbers the options hold. A value read beyond them is brought to the nearest
// bound, so a damaged file can not ask for an endless indent. The drawing area may be as large as
// the largest widget Qt shows: it keeps in memory only the part in sight.
constexpr int kMinIndentation = 0;
constexpr int kMaxIndentation = 16;
constexpr int kMinDiagramSize = 100;
constexpr int kMaxDiagramSize = 16777215;
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 127;

// A font's height in pixels as the file stores it (negative: the character height) and back.
int FontHeightOfSize(int size);
int FontSizeOfHeight(int height);

void ReadMainFormPlace(const platform::TIniFile& ini, TMainFormPlace& place);
// The keys of the main window's place.
platform::TPlaceKeys MainFormPlaceKeys();
// The geometry is written only for a window that is not maximised, so a maximised window keeps the
// place it had before.
void WriteMainFormPlace(platform::TIniFile& ini, const TMainFormPlace& place);
// Numbers are clamped to the bounds above.
void ReadModellerOptions(const platform::TIniFile& ini, TModellerOptions& options);
// A font height is written as the file holds it while it still gives the font's size, so a height
// between two sizes is not rounded away.
void WriteModellerOptions(platform::TIniFile& ini, const TModellerOptions& options);

}  // namespace modeller
