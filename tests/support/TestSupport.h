#pragma once
// Shared test helpers: a fresh temporary folder per test, scripted dialogs, and the real Java tools.
#include <gtest/gtest.h>

#include <string>

#include "platform/ModalService.h"

namespace testsupport {

// A temporary folder removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Base fixture: the modal service scripted and empty, the launcher recording, settings under a
// fresh $XDG_CONFIG_HOME. TearDown fails a test that left scripted answers unused.
class ScriptedTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  platform::ModalService& Modal() { return platform::ModalService::Instance(); }
  // The last message box text shown, or "" when none was.
  std::string LastMessage() const;
  TempDir temp_;
};

std::string ReadFile(const std::string& fileName);
void WriteFile(const std::string& fileName, const std::string& bytes);

// Makes a folder refuse new files even for root (mode 0555, then the immutable attribute when
// the mode alone does not stop this user). Returns false when neither could be set.
bool MakeFolderReadOnly(const std::string& folder);
void MakeFolderWritable(const std::string& folder);

// Runs a command line through the shell and returns its exit status (for test set-up only).
int RunShell(const std::string& command);

}  // namespace testsupport
