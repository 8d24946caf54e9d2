#include "modeller/ui/SettingsFile.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace modeller {

using platform::TFont;
using platform::TIniFile;

namespace {

constexpr const char* kMainForm = "MainForm";
constexpr const char* kEnvironment = "Environment Options";
constexpr const char* kDiagram = "Diagram Options";
constexpr const char* kEditor = "Editor Options";
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

// The style is cleared before its flags are read, and the height is read after the size, so a
// stored height wins over a stored size.
int ReadBounded(const TIniFile& ini, const std::string& section, const std::string& key, int value, int low,
                int high) {
  return std::clamp(ini.ReadInteger(section, key, value), low, high);
}

void ReadFont(const TIniFile& ini, const std::string& section, const std::string& prefix, TFont& font) {
  font.Name = ini.ReadString(section, prefix + "Name", font.Name);
  font.Size = ReadBounded(ini, section, prefix + "Size", font.Size, kMinFontSize, kMaxFontSize);
  font.Color = ini.ReadInteger(section, prefix + "Color", font.Color);
  int height = ini.ReadInteger(section, prefix + "Height", FontHeightOfSize(font.Size));
  font.Size = std::clamp(FontSizeOfHeight(height), kMinFontSize, kMaxFontSize);
  font.Bold = ini.ReadBool(section, prefix + "Bold", false);
  font.Italic = ini.ReadBool(section, prefix + "Italic", false);
  font.Underline = ini.ReadBool(section, prefix + "Underline", false);
  font.StrikeOut = ini.ReadBool(section, prefix + "StrikeOut", false);
}

void WriteFont(TIniFile& ini, const std::string& section, const std::string& prefix, const TFont& font) {
  ini.WriteString(section, prefix + "Name", font.Name);
  ini.WriteInteger(section, prefix + "Size", font.Size);
  ini.WriteInteger(section, prefix + "Color", font.Color);
  int height = ini.ReadInteger(section, prefix + "Height", 0);
  if (height == 0 || FontSizeOfHeight(height) != font.Size) height = FontHeightOfSize(font.Size);
  ini.WriteInteger(section, prefix + "Height", height);
  ini.WriteBool(section, prefix + "Bold", font.Bold);
  ini.WriteBool(section, prefix + "Italic", font.Italic);
  ini.WriteBool(section, prefix + "Underline", font.Underline);
  ini.WriteBool(section, prefix + "StrikeOut", font.StrikeOut);
}

// Every option with its section and key, in the order the file holds them: reading and writing
// walk the same list. Numbers beyond their bounds are brought to the nearest bound when read.
template <class Options, class Visit>
void EachOption(Options& options, Visit visit) {
  visit.Text(kEnvironment, "JavaCompilerPath", options.JavaCompilerPath);
  visit.Text(kEnvironment, "JavaInterpreterPath", options.JavaInterpreterPath);
  visit.Flag(kEnvironment, "GenIncludeImpl", options.GenIncludeImpl);
  visit.Flag(kEnvironment, "GenIncludeCmmt", options.GenIncludeCmmt);
  visit.Number(kEnvironment, "Indentation", options.Indentation, kMinIndentation, kMaxIndentation);
  visit.Font(kEnvironment, "BrowserFont", options.BrowserFont);
  visit.Number(kEnvironment, "BrowserColor", options.BrowserColor);
  visit.Font(kDiagram, "Font", options.DiagramFont);
  visit.Number(kDiagram, "Width", options.DiagramWidth, kMinDiagramSize, kMaxDiagramSize);
  visit.Number(kDiagram, "Height", options.DiagramHeight, kMinDiagramSize, kMaxDiagramSize);
  visit.Font(kEditor, "Font", options.EditorFont);
  visit.Number(kEditor, "Color", options.EditorColor);
}

struct TOptionReader {
  const TIniFile& ini;
  void Text(const char* section, const char* key, std::string& value) const {
    value = ini.ReadString(section, key, value);
  }
  void Flag(const char* section, const char* key, bool& value) const { value = ini.ReadBool(section, key, value); }
  void Number(const char* section, const char* key, int& value, int low = std::numeric_limits<int>::min(),
              int high = std::numeric_limits<int>::max()) const {
    value = ReadBounded(ini, section, key, value, low, high);
  }
  void Font(const char* section, const char* key, TFont& font) const { ReadFont(ini, section, key, font); }
};

struct TOptionWriter {
  TIniFile& ini;
  void Text(const char* section, const char* key, const std::string& value) const {
    ini.WriteString(section, key, value);
  }
  void Flag(const char* section, const char* key, bool value) const { ini.WriteBool(section, key, value); }
  void Number(const char* section, const char* key, int value, int = 0, int = 0) const {
    ini.WriteInteger(section, key, value);
  }
  void Font(const char* section, const char* key, const TFont& font) const { WriteFont(ini, section, key, font); }
};

}  // namespace

// Rounded to the nearest whole pixel or point, as the font dialogs show them.
int FontHeightOfSize(int size) {
  long long scaled = static_cast<long long>(size) * kPixelsPerInch;
  return -static_cast<int>((scaled + (scaled >= 0 ? 1 : -1) * kPointsPerInch / 2) / kPointsPerInch);
}

// A positive height (the cell height) is taken as the character height of the same number.
int FontSizeOfHeight(int height) {
  long long scaled = std::abs(static_cast<long long>(height)) * kPointsPerInch;
  return static_cast<int>((scaled + (scaled >= 0 ? 1 : -1) * kPixelsPerInch / 2) / kPixelsPerInch);
}

void ReadMainFormPlace(const TIniFile& ini, TMainFormPlace& place) {
  place.Left = ini.ReadInteger(kMainForm, kLeftKey, place.Left);
  place.Top = ini.ReadInteger(kMainForm, kTopKey, place.Top);
  place.Width = ini.ReadInteger(kMainForm, kWidthKey, place.Width);
  place.Height = ini.ReadInteger(kMainForm, kHeightKey, place.Height);
  place.Maximized = ini.ReadBool(kMainForm, kMaximizedKey, place.Maximized);
}

platform::TPlaceKeys MainFormPlaceKeys() { return {kMainForm, kLeftKey, kTopKey, kWidthKey, kHeightKey}; }

void WriteMainFormPlace(TIniFile& ini, const TMainFormPlace& place) {
  if (!place.Maximized) {
    ini.WriteInteger(kMainForm, kLeftKey, place.Left);
    ini.WriteInteger(kMainForm, kTopKey, place.Top);
    ini.WriteInteger(kMainForm, kWidthKey, place.Width);
    ini.WriteInteger(kMainForm, kHeightKey, place.Height);
  }
  ini.WriteBool(kMainForm, kMaximizedKey, place.Maximized);
}

void ReadModellerOptions(const TIniFile& ini, TModellerOptions& options) {
  EachOption(options, TOptionReader{ini});
}

void WriteModellerOptions(TIniFile& ini, const TModellerOptions& options) {
  EachOption(options, TOptionWriter{ini});
}

}  // namespace modeller
