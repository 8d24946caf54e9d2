#include "modeller/ui/SettingsFile.h"

#include <algorithm>
#include <cstdlib>

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
  place.Left = ini.ReadInteger(kMainForm, "Left", place.Left);
  place.Top = ini.ReadInteger(kMainForm, "Top", place.Top);
  place.Width = ini.ReadInteger(kMainForm, "Width", place.Width);
  place.Height = ini.ReadInteger(kMainForm, "Height", place.Height);
  place.Maximized = ini.ReadBool(kMainForm, "Maximized", place.Maximized);
}

void WriteMainFormPlace(TIniFile& ini, const TMainFormPlace& place) {
  if (!place.Maximized) {
    ini.WriteInteger(kMainForm, "Left", place.Left);
    ini.WriteInteger(kMainForm, "Top", place.Top);
    ini.WriteInteger(kMainForm, "Width", place.Width);
    ini.WriteInteger(kMainForm, "Height", place.Height);
  }
  ini.WriteBool(kMainForm, "Maximized", place.Maximized);
}

void ReadModellerOptions(const TIniFile& ini, TModellerOptions& options) {
  options.JavaCompilerPath = ini.ReadString(kEnvironment, "JavaCompilerPath", options.JavaCompilerPath);
  options.JavaInterpreterPath = ini.ReadString(kEnvironment, "JavaInterpreterPath", options.JavaInterpreterPath);
  options.GenIncludeImpl = ini.ReadBool(kEnvironment, "GenIncludeImpl", options.GenIncludeImpl);
  options.GenIncludeCmmt = ini.ReadBool(kEnvironment, "GenIncludeCmmt", options.GenIncludeCmmt);
  options.Indentation =
      ReadBounded(ini, kEnvironment, "Indentation", options.Indentation, kMinIndentation, kMaxIndentation);
  ReadFont(ini, kEnvironment, "BrowserFont", options.BrowserFont);
  options.BrowserColor = ini.ReadInteger(kEnvironment, "BrowserColor", options.BrowserColor);
  ReadFont(ini, kDiagram, "Font", options.DiagramFont);
  options.DiagramWidth = ReadBounded(ini, kDiagram, "Width", options.DiagramWidth, kMinDiagramSize, kMaxDiagramSize);
  options.DiagramHeight =
      ReadBounded(ini, kDiagram, "Height", options.DiagramHeight, kMinDiagramSize, kMaxDiagramSize);
  ReadFont(ini, kEditor, "Font", options.EditorFont);
  options.EditorColor = ini.ReadInteger(kEditor, "Color", options.EditorColor);
}

void WriteModellerOptions(TIniFile& ini, const TModellerOptions& options) {
  ini.WriteString(kEnvironment, "JavaCompilerPath", options.JavaCompilerPath);
  ini.WriteString(kEnvironment, "JavaInterpreterPath", options.JavaInterpreterPath);
  ini.WriteBool(kEnvironment, "GenIncludeImpl", options.GenIncludeImpl);
  ini.WriteBool(kEnvironment, "GenIncludeCmmt", options.GenIncludeCmmt);
  ini.WriteInteger(kEnvironment, "Indentation", options.Indentation);
  WriteFont(ini, kEnvironment, "BrowserFont", options.BrowserFont);
  ini.WriteInteger(kEnvironment, "BrowserColor", options.BrowserColor);
  WriteFont(ini, kDiagram, "Font", options.DiagramFont);
  ini.WriteInteger(kDiagram, "Width", options.DiagramWidth);
  ini.WriteInteger(kDiagram, "Height", options.DiagramHeight);
  WriteFont(ini, kEditor, "Font", options.EditorFont);
  ini.WriteInteger(kEditor, "Color", options.EditorColor);
}

}  // namespace modeller
