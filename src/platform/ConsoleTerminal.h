#pragma once
// ConsoleTerminal: the terminal emulator a console program runs in, found the way Linux desktops
// expect: the program the TERMINAL variable names, then x-terminal-emulator, then the common
// terminals. Each takes the command to run its own way, and each is asked to stay in the
// foreground until the command ends, so that waiting for the terminal is waiting for the program.
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct TTerminal {
  std::string Program;                     // the full file name found
  std::vector<std::string> BeforeCommand;  // what precedes the command among its arguments

  // The terminal's arguments that run command (a program and its arguments) in it.
  std::vector<std::string> Arguments(const std::vector<std::string>& command) const;
};

// The full file name of an executable program found on the search path (a ":"-separated list of
// folders), or "" when there is none. A name holding a "/" is looked at as it stands.
std::string FindProgram(const std::string& name, const std::string& searchPath);
// The same on this process's PATH.
std::string FindProgram(const std::string& name);

// The first terminal found; terminalVariable is the value of TERMINAL, empty when unset.
std::optional<TTerminal> FindTerminal(const std::string& terminalVariable, const std::string& searchPath);
// The same with this process's TERMINAL and PATH.
std::optional<TTerminal> FindTerminal();

// A terminal may hand its command to a process of its own (a terminal server) that ending the
// terminal does not end. The shell that runs a console program therefore records its process id
// in ConsolePidFile of the program's folder (RecordConsolePid, a shell command run in that folder),
// and EndConsoleProgram ends that shell's process group, in which the program runs.
inline constexpr const char* ConsolePidFile = "run.pid";
// Writes the shell's id; where the folder takes no file it says nothing and the shell goes on.
std::string RecordConsolePid();
// Sends SIGTERM to the process group of the shell whose id the file holds, or to that shell alone
// when the group is this program's own; the file is removed. False when it held no id.
bool EndConsoleProgram(const std::string& pidFile);

// The shell lines that end a console's work when its terminal is to stay open: they wait for Enter,
// so that what the program wrote can be read before the terminal closes.
const std::vector<std::string>& WaitForEnterLines();
// The command that runs command (a program and its arguments) in folder under sh, then waits for
// Enter. No shell reads the words of command.
std::vector<std::string> CommandKeptOpen(const std::string& folder, const std::vector<std::string>& command);

// The message for a desktop without any terminal: what was looked for, and how to name one.
std::string NoTerminalMessage(const std::string& terminalVariable);
// The same with this process's TERMINAL.
std::string NoTerminalMessage();

}  // namespace platform
