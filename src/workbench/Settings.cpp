#include "workbench/Settings.h"

#include <cstdlib>
#include <variant>
#include <vector>

#include "platform/StringList.h"
#include "platform/SysUtils.h"

namespace workbench {

using platform::TIniFile;

namespace {

constexpr const char* kDeskTop = "Desk Top";
constexpr const char* kPreferences = "Preferences";
constexpr const char* kCompile = "Compile";
constexpr const char* kEditor = "Editor";
constexpr const char* kColor = "Color";
constexpr const char* kEtc = "Etc.";
constexpr const char* kEditorFiles = "Editor Files";
constexpr const char* kReopenFiles = "Reopen Files";
constexpr const char* kKeyMap = "Key Map Templet";
constexpr const char* kComponentTemplate = "Component Code Templet";

// The first-run values where they differ from the defaults of missing keys are the same here:
// both class paths are "." on this system.
TWorkbenchSettings FirstRunSettings(const std::string& workingDir) {
  TWorkbenchSettings values;
  values.FirstRun = true;
  values.DefaultLayout = true;
  values.WorkingDir = workingDir;
  values.SaveDesktop = 0;
  return values;
}

// The window places of the "Desk Top" section, in writing order; the main window's height is fixed.
struct TStoredPlace {
  const char* prefix;
  TWindowPlace TWorkbenchSettings::*place;
  bool withHeight;
};

constexpr TStoredPlace kPlaces[] = {
    {"MainForm", &TWorkbenchSettings::MainForm, false},
    {"ObjInsForm", &TWorkbenchSettings::ObjInsForm, true},
    {"EditorForm", &TWorkbenchSettings::EditorForm, true},
};

platform::TPlaceKeys KeysOf(const TStoredPlace& stored) {
  const std::string prefix = stored.prefix;
  return {kDeskTop, prefix + "Left", prefix + "Top", prefix + "Width", stored.withHeight ? prefix + "Height" : ""};
}

// One key of the other sections, in writing order. Its default is the value the settings start
// with (TWorkbenchSettings' own, or the caller's filter and folder); a number with a largest
// value reads as the default outside 1..largest.
struct TSettingKey {
  const char* section;
  const char* key;
  std::variant<std::string TWorkbenchSettings::*, int TWorkbenchSettings::*, bool TWorkbenchSettings::*> field;
  int largest = 0;
};

const TSettingKey kKeys[] = {
    {kPreferences, "File Filter", &TWorkbenchSettings::FileFilter},
    {kPreferences, "Working Dir", &TWorkbenchSettings::WorkingDir},
    {kPreferences, "Save Desktop", &TWorkbenchSettings::SaveDesktop},
    {kPreferences, "Grid Size", &TWorkbenchSettings::GridSize},
    {kPreferences, "Tab Size", &TWorkbenchSettings::TabSize, kMaxTabSize},
    {kCompile, "Class Path", &TWorkbenchSettings::ClassPath},
    {kCompile, "Compiler Name", &TWorkbenchSettings::CompilerName},
    {kCompile, "Compile Option", &TWorkbenchSettings::CompileOption},
    {kCompile, "Show Compile Progress", &TWorkbenchSettings::ShowCompileProgress},
    {kEditor, "Font Name", &TWorkbenchSettings::FontName},
    {kEditor, "Font Size", &TWorkbenchSettings::FontSize, kMaxFontSize},
    {kEditor, "Use Smart Tab", &TWorkbenchSettings::UseSmartTab},
    {kColor, "Foreground Color", &TWorkbenchSettings::ForegroundColor},
    {kColor, "Background Color", &TWorkbenchSettings::BackgroundColor},
    {kColor, "Comment Color", &TWorkbenchSettings::CommentColor},
    {kEtc, "Default Applet Height", &TWorkbenchSettings::DefaultAppletHeight},
    {kEtc, "Default Applet Width", &TWorkbenchSettings::DefaultAppletWidth},
    {kEtc, "Console Closing", &TWorkbenchSettings::ConsoleClosing},
    {kEtc, "User Tool Name", &TWorkbenchSettings::UserToolName},
    {kEtc, "User Tool Working Dir", &TWorkbenchSettings::UserToolWorkingDir},
    {kEtc, "User Tool Options", &TWorkbenchSettings::UserToolOptions},
    {kEtc, "User Tool Argument", &TWorkbenchSettings::UserToolArgument},
    {kEditorFiles, "List", &TWorkbenchSettings::EditorFiles},
    {kReopenFiles, "List", &TWorkbenchSettings::ReopenFiles},
    {kKeyMap, "Filename", &TWorkbenchSettings::KeyMapFileName},
    {kComponentTemplate, "Filename", &TWorkbenchSettings::ComponentTemplateFileName},
};

void ReadDeskTop(const TIniFile& ini, TWorkbenchSettings& values) {
  for (const TStoredPlace& stored : kPlaces) {
    TWindowPlace& target = values.*stored.place;
    const platform::TPlaceKeys keys = KeysOf(stored);
    target.Left = ini.ReadInteger(kDeskTop, keys.left, target.Left);
    target.Top = ini.ReadInteger(kDeskTop, keys.top, target.Top);
    target.Width = ini.ReadInteger(kDeskTop, keys.width, target.Width);
    if (!keys.height.empty()) target.Height = ini.ReadInteger(kDeskTop, keys.height, target.Height);
  }
}

void ReadKey(const TIniFile& ini, const TSettingKey& k, TWorkbenchSettings& values) {
  if (auto text = std::get_if<std::string TWorkbenchSettings::*>(&k.field)) {
    values.**text = ini.ReadString(k.section, k.key, values.**text);
  } else if (auto flag = std::get_if<bool TWorkbenchSettings::*>(&k.field)) {
    values.**flag = ini.ReadBool(k.section, k.key, values.**flag);
  } else {
    int& number = values.*std::get<int TWorkbenchSettings::*>(k.field);
    number = k.largest > 0 ? ini.ReadIntegerWithin(k.section, k.key, number, 1, k.largest)
                           : ini.ReadInteger(k.section, k.key, number);
  }
}

// One section's entries in writing order: key and text.
using Entries = std::vector<std::pair<std::string, std::string>>;

std::string Number(int value) { return std::to_string(value); }

std::string TextOf(const TSettingKey& k, const TWorkbenchSettings& values) {
  if (auto text = std::get_if<std::string TWorkbenchSettings::*>(&k.field)) return values.**text;
  if (auto flag = std::get_if<bool TWorkbenchSettings::*>(&k.field)) return values.**flag ? "1" : "0";
  return Number(values.*std::get<int TWorkbenchSettings::*>(k.field));
}

Entries DeskTopEntries(const TWorkbenchSettings& values) {
  Entries entries;
  for (const TStoredPlace& stored : kPlaces) {
    const TWindowPlace& place = values.*stored.place;
    const platform::TPlaceKeys keys = KeysOf(stored);
    entries.emplace_back(keys.left, Number(place.Left));
    entries.emplace_back(keys.top, Number(place.Top));
    entries.emplace_back(keys.width, Number(place.Width));
    if (!keys.height.empty()) entries.emplace_back(keys.height, Number(place.Height));
  }
  return entries;
}

// Replaces a section by the given entries, keeping keys it holds that are not among them.
void RewriteSection(TIniFile& ini, const std::string& section, const Entries& entries) {
  platform::TStringList keys;
  ini.ReadSection(section, keys);
  Entries unknown;
  for (const std::string& key : keys.Lines()) {
    bool known = false;
    for (const auto& entry : entries) known = known || platform::SameText(entry.first, key);
    if (!known) unknown.emplace_back(key, ini.ReadString(section, key, ""));
  }
  ini.EraseSection(section);
  for (const auto& [key, value] : entries) ini.WriteString(section, key, value);
  for (const auto& [key, value] : unknown) ini.WriteString(section, key, value);
}

}  // namespace

platform::TPlaceKeys DeskTopPlaceKeys(TWindowPlace TWorkbenchSettings::*place) {
  for (const TStoredPlace& stored : kPlaces)
    if (stored.place == place) return KeysOf(stored);
  return {};
}

std::string SettingsFileName() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config != nullptr && config[0] != '\0') {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home != nullptr ? home : ".") + "/.config";
  }
  return platform::IncludeTrailingPathDelimiter(folder) + "morvane/Morvane.ini";
}

TWorkbenchSettings ReadWorkbenchSettings(const TIniFile& ini, const std::string& fileFilter,
                                         const std::string& workingDir) {
  TWorkbenchSettings values = FirstRunSettings(workingDir);
  values.FileFilter = fileFilter;
  int saveDesktop = ini.ReadInteger(kPreferences, "Save Desktop", -1);
  if (saveDesktop == -1) return values;

  values.FirstRun = false;
  values.DefaultLayout = saveDesktop != 0;
  if (!values.DefaultLayout) ReadDeskTop(ini, values);

  for (const TSettingKey& k : kKeys) ReadKey(ini, k, values);
  return values;
}

void WriteWorkbenchSettings(TIniFile& ini, const TWorkbenchSettings& values) {
  RewriteSection(ini, kDeskTop, DeskTopEntries(values));
  // The sections in the order of their first key, each with its keys in table order.
  std::vector<std::pair<std::string, Entries>> sections;
  for (const TSettingKey& k : kKeys) {
    if (sections.empty() || sections.back().first != k.section) sections.emplace_back(k.section, Entries());
    sections.back().second.emplace_back(k.key, TextOf(k, values));
  }
  for (const auto& [section, entries] : sections) RewriteSection(ini, section, entries);
}

std::string ToolClassPath(const std::string& classPath) {
  std::string path = classPath.empty() ? "." : classPath;
  for (char& c : path)
    if (c == ';') c = ':';
  return path;
}

}  // namespace workbench
