#include "modeller/ui/ToolPlace.h"

#include <filesystem>

#include "modeller/model/Globals.h"
#include "platform/SysUtils.h"

namespace modeller {

void ReadToolPlace(platform::TForm& form, const std::string& section, bool withSize) {
  const platform::TIniFile& ini = SettingsIniFile();
  int left = ini.ReadInteger(section, "Left", form.Left());
  int top = ini.ReadInteger(section, "Top", form.Top());
  int width = withSize ? ini.ReadInteger(section, "Width", form.Width()) : form.Width();
  int height = withSize ? ini.ReadInteger(section, "Height", form.Height()) : form.Height();
  form.SetBounds(left, top, width, height);
  if (ini.ReadBool(section, "Visible", form.Visible())) form.Show();
}

void WriteToolPlace(const platform::TForm& form, const std::string& section, bool withSize) {
  platform::TIniFile& ini = SettingsIniFile();
  ini.WriteInteger(section, "Left", form.Left());
  ini.WriteInteger(section, "Top", form.Top());
  if (withSize) {
    ini.WriteInteger(section, "Width", form.Width());
    ini.WriteInteger(section, "Height", form.Height());
  }
  ini.WriteBool(section, "Visible", form.Visible());
  std::error_code ignored;
  std::filesystem::create_directories(platform::ExtractFileDir(ini.FileName()), ignored);
  ini.UpdateFile();
}

}  // namespace modeller
