#include "modeller/ui/ToolPlace.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "modeller/model/Globals.h"
#include "modeller/ui/Main.h"
#include "modeller/ui/SettingsFile.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

bool mainWindowClosing = false;

}  // namespace

// A window with no place of its own yet is left where the window manager puts it.
void ReadToolPlace(platform::TForm& form, const TToolPlace& place) {
  const platform::TIniFile& ini = SettingsIniFile();
  if (ini.ValueExists(place.section, kLeftKey) || ini.ValueExists(place.section, kTopKey)) {
    int left = ini.ReadInteger(place.section, kLeftKey, form.Left());
    int top = ini.ReadInteger(place.section, kTopKey, form.Top());
    int width = place.withSize ? ini.ReadInteger(place.section, kWidthKey, form.Width()) : form.Width();
    int height = place.withSize ? ini.ReadInteger(place.section, kHeightKey, form.Height()) : form.Height();
    form.SetBounds(left, top, width, height);
    platform::KeepStoredPlaceUsable(form, ini, {place.section, kLeftKey, kTopKey, place.withSize ? kWidthKey : "",
                                                place.withSize ? kHeightKey : ""});
    // A window made after start-up tells of its own place; at start-up the main window tells of all.
    if (MainForm != nullptr && MainForm->isVisible()) platform::ReportSettingCorrections();
  }
  if (ini.ReadBool(place.section, kVisibleKey, form.isVisible())) form.Show();
}

void SetMainWindowClosing(bool closing) { mainWindowClosing = closing; }

void WriteToolPlace(const platform::TForm& form, const TToolPlace& place) {
  platform::TIniFile& ini = SettingsIniFile();
  ini.WriteInteger(place.section, kLeftKey, form.Left());
  ini.WriteInteger(place.section, kTopKey, form.Top());
  if (place.withSize) {
    ini.WriteInteger(place.section, kWidthKey, form.Width());
    ini.WriteInteger(place.section, kHeightKey, form.Height());
  }
  ini.WriteBool(place.section, kVisibleKey, mainWindowClosing && form.isVisible());
  std::error_code ignored;
  std::filesystem::create_directories(platform::ExtractFileDir(ini.FileName()), ignored);
  ini.UpdateFile();
}

bool ToolPlaceVisible(const TToolPlace& place) {
  return SettingsIniFile().ReadBool(place.section, kVisibleKey, false);
}

bool ToolPlaceComplete(const TToolPlace& place) {
  const platform::TIniFile& ini = SettingsIniFile();
  std::vector<const char*> keys{kLeftKey, kTopKey, kVisibleKey};
  if (place.withSize) keys.insert(keys.end(), {kWidthKey, kHeightKey});
  return std::all_of(keys.begin(), keys.end(), [&](const char* key) { return ini.ValueExists(place.section, key); });
}

}  // namespace modeller
