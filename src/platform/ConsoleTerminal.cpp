#include "platform/ConsoleTerminal.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace platform {

namespace {

struct TTerminalKind {
  const char* name;
  std::vector<std::string> beforeCommand;
};

// In the order they are looked for after TERMINAL. gnome-terminal, konsole and xfce4-terminal
// would otherwise hand the window to a running server and return at once.
const std::array<TTerminalKind, 7>& KnownTerminals() {
  static const std::array<TTerminalKind, 7> kinds = {{{"x-terminal-emulator", {"-e"}},
                                                      {"gnome-terminal", {"--wait", "--"}},
                                                      {"konsole", {"--nofork", "-e"}},
                                                      {"xfce4-terminal", {"--disable-server", "-x"}},
                                                      {"kitty", {}},
                                                      {"alacritty", {"-e"}},
                                                      {"xterm", {"-e"}}}};
  return kinds;
}

bool IsExecutableFile(const std::string& fileName) {
  std::error_code failed;
  return std::filesystem::is_regular_file(fileName, failed) && access(fileName.c_str(), X_OK) == 0;
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// x-terminal-emulator or the program TERMINAL names is often a link to a known terminal, or to a
// distribution's wrapper of one: that terminal then runs the command and waits in its own way. Any
// other terminal is handed the command after "-e", which most of them accept.
TTerminal TerminalAt(const std::string& program, const std::string& searchPath) {
  std::error_code failed;
  std::filesystem::path target = std::filesystem::canonical(program, failed);
  std::string real = failed ? program : target.string();
  std::string name = std::filesystem::path(real).filename().string();
  bool wrapper = name.ends_with(".wrapper");
  if (wrapper) name.erase(name.size() - std::string(".wrapper").size());
  for (const TTerminalKind& kind : KnownTerminals()) {
    if (name != kind.name) continue;
    std::string known = wrapper ? FindProgram(kind.name, searchPath) : real;
    if (!known.empty()) return {known, kind.beforeCommand};
  }
  return {program, {"-e"}};
}

}  // namespace

std::vector<std::string> TTerminal::Arguments(const std::vector<std::string>& command) const {
  std::vector<std::string> arguments = BeforeCommand;
  arguments.insert(arguments.end(), command.begin(), command.end());
  return arguments;
}

std::string FindProgram(const std::string& name, const std::string& searchPath) {
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : std::string();
  size_t start = 0;
  for (;;) {
    size_t colon = searchPath.find(':', start);
    std::string folder = searchPath.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
    if (colon == std::string::npos) return {};
    start = colon + 1;
  }
}

std::string FindProgram(const std::string& name) { return FindProgram(name, EnvironmentValue("PATH")); }

std::optional<TTerminal> FindTerminal(const std::string& terminalVariable, const std::string& searchPath) {
  std::string named = FindProgram(terminalVariable, searchPath);
  if (!named.empty()) return TerminalAt(named, searchPath);
  for (const TTerminalKind& kind : KnownTerminals()) {
    std::string found = FindProgram(kind.name, searchPath);
    if (!found.empty()) return TerminalAt(found, searchPath);
  }
  return std::nullopt;
}

std::optional<TTerminal> FindTerminal() { return FindTerminal(EnvironmentValue("TERMINAL"), EnvironmentValue("PATH")); }

std::string RecordConsolePid() { return std::string("{ echo $$ > ") + ConsolePidFile + "; } 2>/dev/null"; }

bool EndConsoleProgram(const std::string& pidFile) {
  long id = 0;
  std::ifstream(pidFile) >> id;
  std::error_code failed;
  std::filesystem::remove(pidFile, failed);
  if (id <= 1) return false;
  const auto shell = static_cast<pid_t>(id);
  const pid_t group = getpgid(shell);
  if (group < 0) return true;  // the shell has ended already
  kill(group > 1 && group != getpgrp() ? -group : shell, SIGTERM);
  return true;
}

const std::vector<std::string>& WaitForEnterLines() {
  static const std::vector<std::string> lines = {"echo \"Press Enter to continue . . .\"", "read answer"};
  return lines;
}

std::vector<std::string> CommandKeptOpen(const std::string& folder, const std::vector<std::string>& command) {
  std::string script = "cd \"$1\" && shift && \"$@\"";
  for (const std::string& line : WaitForEnterLines()) script += "; " + line;
  std::vector<std::string> words = {"sh", "-c", script, "sh", folder};
  words.insert(words.end(), command.begin(), command.end());
  return words;
}

std::string NoTerminalMessage(const std::string& terminalVariable) {
  std::string names = terminalVariable.empty() ? std::string() : "TERMINAL (" + terminalVariable + "), ";
  for (const TTerminalKind& kind : KnownTerminals()) names += std::string(kind.name) + ", ";
  names.erase(names.size() - 2);
  return "No terminal program was found to run the console in.\rLooked for: " + names +
         ".\rInstall one of them, or name yours in the TERMINAL environment variable.";
}

std::string NoTerminalMessage() { return NoTerminalMessage(EnvironmentValue("TERMINAL")); }

}  // namespace platform
