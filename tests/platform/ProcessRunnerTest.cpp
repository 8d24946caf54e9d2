// The process runner: argument lists without a shell, standard error in a file, standard input
// and output on the null device, the child's environment and folder, and a wait that can be
// broken off.
#include <chrono>

#include "TestSupport.h"
#include "platform/ProcessRunner.h"

using platform::ProcessRunner;

class ProcessRunnerTest : public testsupport::ScriptedTest {};

TEST_F(ProcessRunnerTest, RunsAProgramWithItsArgumentsFolderAndVariables) {
  ProcessRunner runner;
  runner.SetProgram("/bin/sh", {"-c", "cat; echo out; echo \"$1|$MORVANE_X|$(pwd)\" >&2; exit 3", "sh", "a b;c"});
  runner.SetWorkingDirectory(temp_.Path());
  runner.SetEnvironmentVariable("MORVANE_X", "x;y");
  runner.SetErrorFile(temp_.File("error"));
  ASSERT_TRUE(runner.Start());
  EXPECT_EQ(runner.Wait(false), ProcessRunner::WaitEnd::Finished);
  EXPECT_EQ(runner.ExitCode(), 3);
  // Standard output went nowhere; the argument reached the child whole.
  EXPECT_EQ(testsupport::ReadFile(temp_.File("error")), "a b;c|x;y|" + temp_.Path() + "\n");
}

TEST_F(ProcessRunnerTest, AMissingProgramDoesNotStart) {
  ProcessRunner runner;
  runner.SetProgram("morvane-no-such-tool", {});
  EXPECT_FALSE(runner.Start());
}

TEST_F(ProcessRunnerTest, ABrokenWaitEndsTheChild) {
  ProcessRunner runner;
  runner.SetProgram("sleep", {"30"});
  ASSERT_TRUE(runner.Start());
  int polls = 0;
  auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(runner.Wait(true, [&] { return ++polls == 3; }), ProcessRunner::WaitEnd::Broken);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
  EXPECT_EQ(runner.ExitCode(), -1);  // ended by a signal
}
