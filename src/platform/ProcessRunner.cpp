#include "platform/ProcessRunner.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace platform {

namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kTerminateGraceMilliseconds = 2000;

}  // namespace

ProcessRunner::ProcessRunner() : environment_(QProcessEnvironment::systemEnvironment()) {
  process_.setStandardInputFile(QProcess::nullDevice());
  process_.setStandardOutputFile(QProcess::nullDevice());
  process_.setStandardErrorFile(QProcess::nullDevice());
}

ProcessRunner::~ProcessRunner() {
  if (process_.state() != QProcess::NotRunning) Terminate();
}

void ProcessRunner::SetProgram(const std::string& program, const std::vector<std::string>& arguments) {
  process_.setProgram(QString::fromStdString(program));
  QStringList args;
  for (const std::string& argument : arguments) args << QString::fromStdString(argument);
  process_.setArguments(args);
}

void ProcessRunner::SetWorkingDirectory(const std::string& folder) {
  process_.setWorkingDirectory(QString::fromStdString(folder));
}

void ProcessRunner::SetEnvironmentVariable(const std::string& name, const std::string& value) {
  if (name.empty()) return;
  environment_.insert(QString::fromStdString(name), QString::fromStdString(value));
}

void ProcessRunner::SetErrorFile(const std::string& fileName) {
  process_.setStandardErrorFile(QString::fromStdString(fileName), QIODevice::Truncate);
}

bool ProcessRunner::Start() {
  process_.setProcessEnvironment(environment_);
  process_.start();
  return process_.waitForStarted();
}

ProcessRunner::WaitEnd ProcessRunner::Wait(bool pumpMessages, const std::function<bool()>& breakRequested) {
  for (;;) {
    if (process_.state() == QProcess::NotRunning) return WaitEnd::Finished;
    if (process_.waitForFinished(kPollMilliseconds)) return WaitEnd::Finished;
    if (pumpMessages) QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMilliseconds);
    if (breakRequested && breakRequested()) {
      Terminate();
      return WaitEnd::Broken;
    }
  }
}

void ProcessRunner::Terminate() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (process_.waitForFinished(kTerminateGraceMilliseconds)) return;
  process_.kill();
  process_.waitForFinished(kTerminateGraceMilliseconds);
}

int ProcessRunner::ExitCode() const {
  return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

std::string ProcessRunner::CommandLine() const {
  std::string line = process_.program().toStdString();
  for (const QString& argument : process_.arguments()) line += " " + argument.toStdString();
  return line;
}

}  // namespace platform
