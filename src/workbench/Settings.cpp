#include "workbench/Settings.h"

#include <cstdlib>
#include <functional>

#include "platform/SysUtils.h"
#include <vector>

#include "platform/StringList.h"

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

void ReadDeskTop(const TIniFile& ini, TWorkbenchSettings& values) {
  auto place = [&](const std::string& prefix, TWindowPlace& target, bool withHeight) {
    target.Left = ini.ReadInteger(kDeskTop, prefix + "Left", target.Left);
    target.Top = ini.ReadInteger(kDeskTop, prefix + "Top", target.Top);
    target.Width = ini.ReadInteger(kDeskTop, prefix + "Width", target.Width);
    if (withHeight) target.Height = ini.ReadInteger(kDeskTop, prefix + "Height", target.Height);
  };
  place("MainForm", values.MainForm, false);
  place("ObjInsForm", values.ObjInsForm, true);
  place("EditorForm", values.EditorForm, true);
}

// One section's entries in writing order: key and text.
using Entries = std::vector<std::pair<std::string, std::string>>;

std::string Number(int value) { return std::to_string(value); }
std::string Flag(bool value) { return value ? "1" : "0"; }

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

  values.FileFilter = ini.ReadString(kPreferences, "File Filter", fileFilter);
  values.WorkingDir = ini.ReadString(kPreferences, "Working Dir", workingDir);
  values.SaveDesktop = ini.ReadInteger(kPreferences, "Save Desktop", 0);
  values.TabSize = ini.ReadIntegerWithin(kPreferences, "Tab Size", 8, 1, kMaxTabSize);
  values.GridSize = ini.ReadInteger(kPreferences, "Grid Size", 10);
  values.ClassPath = ini.ReadString(kCompile, "Class Path", ".");
  values.CompilerName = ini.ReadString(kCompile, "Compiler Name", "javac");
  values.CompileOption = ini.ReadString(kCompile, "Compile Option", "");
  values.ShowCompileProgress = ini.ReadBool(kCompile, "Show Compile Progress", false);
  values.FontName = ini.ReadString(kEditor, "Font Name", "Courier New");
  values.FontSize = ini.ReadIntegerWithin(kEditor, "Font Size", 10, 1, kMaxFontSize);
  values.UseSmartTab = ini.ReadBool(kEditor, "Use Smart Tab", true);
  values.ForegroundColor = ini.ReadInteger(kColor, "Foreground Color", 65535);
  values.BackgroundColor = ini.ReadInteger(kColor, "Background Color", 8388608);
  values.CommentColor = ini.ReadInteger(kColor, "Comment Color", 8421504);
  values.DefaultAppletHeight = ini.ReadInteger(kEtc, "Default Applet Height", 400);
  values.DefaultAppletWidth = ini.ReadInteger(kEtc, "Default Applet Width", 300);
  values.ConsoleClosing = ini.ReadBool(kEtc, "Console Closing", false);
  values.UserToolName = ini.ReadString(kEtc, "User Tool Name", "");
  values.UserToolWorkingDir = ini.ReadString(kEtc, "User Tool Working Dir", "");
  values.UserToolOptions = ini.ReadString(kEtc, "User Tool Options", "");
  values.UserToolArgument = ini.ReadString(kEtc, "User Tool Argument", "");
  values.EditorFiles = ini.ReadString(kEditorFiles, "List", "");
  values.ReopenFiles = ini.ReadString(kReopenFiles, "List", "");
  values.KeyMapFileName = ini.ReadString(kKeyMap, "Filename", "");
  values.ComponentTemplateFileName = ini.ReadString(kComponentTemplate, "Filename", "");
  return values;
}

void WriteWorkbenchSettings(TIniFile& ini, const TWorkbenchSettings& v) {
  RewriteSection(ini, kDeskTop,
                 {{"MainFormLeft", Number(v.MainForm.Left)},
                  {"MainFormTop", Number(v.MainForm.Top)},
                  {"MainFormWidth", Number(v.MainForm.Width)},
                  {"ObjInsFormLeft", Number(v.ObjInsForm.Left)},
                  {"ObjInsFormTop", Number(v.ObjInsForm.Top)},
                  {"ObjInsFormWidth", Number(v.ObjInsForm.Width)},
                  {"ObjInsFormHeight", Number(v.ObjInsForm.Height)},
                  {"EditorFormLeft", Number(v.EditorForm.Left)},
                  {"EditorFormTop", Number(v.EditorForm.Top)},
                  {"EditorFormWidth", Number(v.EditorForm.Width)},
                  {"EditorFormHeight", Number(v.EditorForm.Height)}});
  RewriteSection(ini, kPreferences,
                 {{"File Filter", v.FileFilter},
                  {"Working Dir", v.WorkingDir},
                  {"Save Desktop", Number(v.SaveDesktop)},
                  {"Grid Size", Number(v.GridSize)},
                  {"Tab Size", Number(v.TabSize)}});
  RewriteSection(ini, kCompile,
                 {{"Class Path", v.ClassPath},
                  {"Compiler Name", v.CompilerName},
                  {"Compile Option", v.CompileOption},
                  {"Show Compile Progress", Flag(v.ShowCompileProgress)}});
  RewriteSection(ini, kEditor,
                 {{"Font Name", v.FontName}, {"Font Size", Number(v.FontSize)}, {"Use Smart Tab", Flag(v.UseSmartTab)}});
  RewriteSection(ini, kColor,
                 {{"Foreground Color", Number(v.ForegroundColor)},
                  {"Background Color", Number(v.BackgroundColor)},
                  {"Comment Color", Number(v.CommentColor)}});
  RewriteSection(ini, kEtc,
                 {{"Default Applet Height", Number(v.DefaultAppletHeight)},
                  {"Default Applet Width", Number(v.DefaultAppletWidth)},
                  {"Console Closing", Flag(v.ConsoleClosing)},
                  {"User Tool Name", v.UserToolName},
                  {"User Tool Working Dir", v.UserToolWorkingDir},
                  {"User Tool Options", v.UserToolOptions},
                  {"User Tool Argument", v.UserToolArgument}});
  RewriteSection(ini, kEditorFiles, {{"List", v.EditorFiles}});
  RewriteSection(ini, kReopenFiles, {{"List", v.ReopenFiles}});
  RewriteSection(ini, kKeyMap, {{"Filename", v.KeyMapFileName}});
  RewriteSection(ini, kComponentTemplate, {{"Filename", v.ComponentTemplateFileName}});
}

std::string ToolClassPath(const std::string& classPath) {
  std::string path = classPath.empty() ? "." : classPath;
  for (char& c : path)
    if (c == ';') c = ':';
  return path;
}

}  // namespace workbench
