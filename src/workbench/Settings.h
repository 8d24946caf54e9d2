#pragma once
// The workbench's settings file "Morvane.ini": its ten sections and 37 keys, the defaults of
// missing keys, the first-run values, and the fixed orders of reading and writing. Free of Qt:
// the values travel in TWorkbenchSettings; the main window hands them to their owners.
#include <string>

#include "platform/IniFile.h"
#include "platform/SettingsReport.h"

namespace workbench {

struct TWindowPlace {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

struct TWorkbenchSettings {
  // True when the file had no "Save Desktop" key: the first-run values apply and the file filter,
  // the open files and the reopen list are left as they are.
  bool FirstRun = true;
  // True when the windows take the default layout instead of the stored places.
  bool DefaultLayout = true;

  TWindowPlace MainForm{0, 0, 800, 0};  // the height is fixed and not stored
  TWindowPlace ObjInsForm{0, 120, 190, 500};
  TWindowPlace EditorForm{200, 120, 600, 500};

  std::string FileFilter;
  std::string WorkingDir;
  int SaveDesktop = 0;
  int TabSize = 8;
  int GridSize = 10;

  std::string ClassPath = ".";
  std::string CompilerName = "javac";
  std::string CompileOption;
  bool ShowCompileProgress = false;

  std::string FontName = "Courier New";
  int FontSize = 10;
  bool UseSmartTab = true;

  int ForegroundColor = 65535;
  int BackgroundColor = 8388608;
  int CommentColor = 8421504;

  int DefaultAppletHeight = 400;
  int DefaultAppletWidth = 300;
  bool ConsoleClosing = false;
  std::string UserToolName;
  std::string UserToolWorkingDir;  // the user tool's environment-variable line: name and value
  std::string UserToolOptions;
  std::string UserToolArgument;

  std::string EditorFiles;  // full names, each followed by "|"
  std::string ReopenFiles;
  std::string KeyMapFileName;
  std::string ComponentTemplateFileName;
};

// The largest tab width and editor font size the file is taken at: larger numbers read as the
// defaults, as values that are no numbers do.
constexpr int kMaxTabSize = 1000;
constexpr int kMaxFontSize = 1000;

// The keys of a stored place in the "Desk Top" section: MainForm, ObjInsForm or EditorForm. The
// main window's height is fixed and has no key.
platform::TPlaceKeys DeskTopPlaceKeys(TWindowPlace TWorkbenchSettings::*place);

// $XDG_CONFIG_HOME/morvane/Morvane.ini, with ~/.config when the variable is not set.
std::string SettingsFileName();

// Reads the values in the file's fixed order. `fileFilter` and `workingDir` are the defaults of
// their keys: the editor's current filter and the process's current folder at start-up.
TWorkbenchSettings ReadWorkbenchSettings(const platform::TIniFile& ini, const std::string& fileFilter,
                                         const std::string& workingDir);

// Writes every key in the fixed order, each of the ten sections after the others; keys of those
// sections that the workbench does not know are kept after its own.
void WriteWorkbenchSettings(platform::TIniFile& ini, const TWorkbenchSettings& values);

// The class path as the Java tools on this system take it: "." when empty, ";" turned into ":".
std::string ToolClassPath(const std::string& classPath);

}  // namespace workbench
