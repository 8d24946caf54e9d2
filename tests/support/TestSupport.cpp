#include "TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Launcher.h"

namespace testsupport {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "morvane-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  path_ = made != nullptr ? made : "";
}

TempDir::~TempDir() {
  RunShell("chattr -R -i '" + path_ + "' 2>/dev/null");
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void ScriptedTest::SetUp() {
  Modal().Reset();
  Modal().SetScripted(true);
  platform::Launcher::Instance().SetRecording(true);
  platform::Launcher::Instance().ClearLaunched();
  std::filesystem::create_directories(temp_.File("config"));
  setenv("XDG_CONFIG_HOME", temp_.File("config").c_str(), 1);
}

void ScriptedTest::TearDown() {
  EXPECT_EQ(Modal().Pending(), 0) << "scripted answers were left unused";
  Modal().Reset();
}

std::string ScriptedTest::LastMessage() const {
  const auto& log = platform::ModalService::Instance().Log();
  for (auto it = log.rbegin(); it != log.rend(); ++it)
    if (it->kind == "MessageBox") return it->text;
  return "";
}

std::string ReadFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& fileName, const std::string& bytes) {
  std::ofstream out(fileName, std::ios::binary);
  out << bytes;
}

bool MakeFolderReadOnly(const std::string& folder) {
  chmod(folder.c_str(), 0555);
  if (access(folder.c_str(), W_OK) != 0) return true;
  return RunShell("chattr +i '" + folder + "' 2>/dev/null") == 0;
}

void MakeFolderWritable(const std::string& folder) {
  RunShell("chattr -i '" + folder + "' 2>/dev/null");
  chmod(folder.c_str(), 0755);
}

int RunShell(const std::string& command) { return std::system(command.c_str()); }

}  // namespace testsupport
