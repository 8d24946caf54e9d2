#include "platform/SettingsReport.h"

#include "platform/SysUtils.h"

namespace platform {

namespace {

std::vector<TSettingCorrection>& Noted() {
  static std::vector<TSettingCorrection> noted;
  return noted;
}

}  // namespace

std::string AtLine(int line, const std::string& what) { return "line " + IntToStr(line) + ": " + what; }

std::string DoesNotFitOnScreen(const std::string& key, const std::string& value, const std::string& what) {
  return key + " = " + value + " does not fit " + what + " on this screen";
}

void NoteSettingUsed(const TIniFile& ini, const std::string& section, const std::string& key, int used) {
  const int line = ini.LineOf(section, key);
  if (line == 0) return;
  const std::string value = Trim(ini.ReadString(section, key, {}));
  int read = 0;
  if (TryStrToInt(value, read) && read == used) return;
  Noted().push_back({ini.FileName(), line, key, value, used});
}

std::vector<TSettingCorrection> TakeSettingCorrections() {
  std::vector<TSettingCorrection> taken = std::move(Noted());
  Noted().clear();
  return taken;
}

std::string SettingCorrectionsText(const std::vector<TSettingCorrection>& corrections) {
  std::string text = "The settings file holds places and sizes no window can take:";
  for (const TSettingCorrection& c : corrections)
    text += "\r" + c.fileName + ", " + AtLine(c.line, DoesNotFitOnScreen(c.key, c.value, "a window")) + "; " +
            IntToStr(c.used) + " is used instead";
  return text + "\rThe values used are written to the file when the program closes.";
}

}  // namespace platform
