#pragma once
// ProcessRunner: one child process of the workbench, over QProcess. The child is a program and an
// argument list, never a shell line. Its standard error goes to a named file; standard input and
// output are the null device. The wait polls the exit status, can keep the windows responsive
// while it polls, and can be broken off, which terminates the child and then kills it.
#include <QProcess>
#include <functional>
#include <string>
#include <vector>

namespace platform {

class ProcessRunner {
 public:
  ProcessRunner();
  ~ProcessRunner();  // a child still running is ended
  ProcessRunner(const ProcessRunner&) = delete;
  ProcessRunner& operator=(const ProcessRunner&) = delete;

  void SetProgram(const std::string& program, const std::vector<std::string>& arguments);
  void SetWorkingDirectory(const std::string& folder);
  // Adds or replaces one variable of the child's environment (the workbench's own is inherited);
  // a variable without a name is not set.
  void SetEnvironmentVariable(const std::string& name, const std::string& value);
  void SetErrorFile(const std::string& fileName);

  bool Start();  // false when the program could not be started (not found, not executable)

  enum class WaitEnd { Finished, Broken };
  // Waits until the child ends, whatever its exit code. With pumpMessages the message loop runs
  // between the polls; a breakRequested that answers true ends the wait and the child.
  WaitEnd Wait(bool pumpMessages, const std::function<bool()>& breakRequested = {});
  void Terminate();

  // The child's exit code; -1 when it did not end normally (killed by a signal).
  int ExitCode() const;
  std::string CommandLine() const;  // program and arguments, for the record

 private:
  QProcess process_;
  QProcessEnvironment environment_;
};

}  // namespace platform
