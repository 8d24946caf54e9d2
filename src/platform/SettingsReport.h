#pragma once
// Values of a settings file that no window could take. The code that makes a stored place usable
// notes each value it had to change; the program shows them all in one message once it has read
// its settings. Free of Qt.
#include <string>
#include <vector>

#include "platform/IniFile.h"

namespace platform {

// The keys of a window's place in a section of a settings file; an empty key is not stored.
struct TPlaceKeys {
  std::string section;
  std::string left, top, width, height;
};

struct TSettingCorrection {
  std::string fileName;
  int line = 0;
  std::string key;
  std::string value;  // as the file holds it, a long one cut short
  int used = 0;
};

// "line N: what": how a value of a file is named in a message.
std::string AtLine(int line, const std::string& what);
// "key = value does not fit <what> on this screen".
std::string DoesNotFitOnScreen(const std::string& key, const std::string& value, const std::string& what);

// Notes the key's value when the file holds one that is not `used`; a missing key is no value of
// the file and is not noted.
void NoteSettingUsed(const TIniFile& ini, const std::string& section, const std::string& key, int used);
// The values noted so far, forgotten by the taking.
std::vector<TSettingCorrection> TakeSettingCorrections();
// The message telling the user of the values: one line each, naming file, line, key, value and
// what is used instead.
std::string SettingCorrectionsText(const std::vector<TSettingCorrection>& corrections);

}  // namespace platform
