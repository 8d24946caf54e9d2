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

// A damaged file may hold a value of any length; the message shows its start, enough to find it.
constexpr size_t kShownValueLength = 40;

void NoteSettingUsed(const TIniFile& ini, const std::string& section, const std::string& key, int used) {
  const int line = ini.LineOf(section, key);
  if (line == 0) return;
  const std::string value = Trim(ini.ReadString(section, key, {}));
  int read = 0;
  if (TryStrToInt(value, read) && read == used) return;
  const std::string shown = value.size() > kShownValueLength ? value.substr(0, kShownValueLength) + "..." : value;
  Noted().push_back({ini.FileName(), line, key, shown, used});
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
