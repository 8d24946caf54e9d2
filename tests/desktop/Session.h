#pragma once
// One case of the desktop stage: a fresh home, settings folder and work folder, a folder of fake
// tools leading PATH, and the real programs started there on Qt's xcb platform, each in a process
// group of its own. The case drives them only through the X server (XDesktop) and reads what they
// leave behind; every wait polls for its condition and fails saying what it awaited.
#include <sys/types.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "XDesktop.h"

namespace desktop {

// A program under test: build/bin/morvane or build/bin/zelvory/zelvory.
struct Program {
  std::string name;
  pid_t pid = 0;
  Window main = None;  // its main window
  std::string errorFile;  // its standard error
  bool quitting = false;  // it is expected to end
  bool ended = false;
  int status = 0;  // as waitpid gives it, once ended
};

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  XDesktop& x;

  // A file of the work folder, where the case keeps the user's files.
  std::string Work(const std::string& name) const;
  void WriteFile(const std::string& fileName, const std::string& text) const;
  std::string ReadFile(const std::string& fileName) const;  // "" when missing
  // What a fake tool ("xdg-open", "terminal", "java", "javac") logged: one line per start.
  std::string ToolLog(const std::string& tool) const;
  // A fake tool's full file name.
  std::string ToolPath(const std::string& tool) const;
  // The program's settings file under the session's XDG_CONFIG_HOME.
  std::string SettingsFile(const std::string& program) const;

  // Starts "morvane" or "zelvory" and waits until it has started: its main window shown, its splash
  // gone and the events of its start-up handled.
  Program& Start(const std::string& program);
  // Closes the program's main window and waits for the program to end.
  void Quit(Program& program);
  bool Running(Program& program);

  // Polls until done() holds; fails with what was awaited after a few seconds, or at once when a
  // program ended that was not asked to.
  void WaitFor(const std::string& what, const std::function<bool()>& done);
  // Polls until the file's text satisfies the condition; a failure shows the text last read.
  void WaitForFile(const std::string& what, const std::string& fileName,
                   const std::function<bool(const std::string& text)>& holds);
  // Polls until the fake tool's log holds the text.
  void WaitForLog(const std::string& what, const std::string& tool, const std::string& text);
  // The program's managed window with this exact title, waited for, once the program has handled
  // its showing (a window asks for the focus only once it is mapped).
  Window WaitForWindow(const Program& program, const std::string& title);
  // Waits for the window to close and for the program to handle its closing: keys sent while a
  // modal dialog is still closing would be lost, as a user's never are.
  void WaitForNoWindow(const Program& program, const std::string& title);
  bool HasWindow(const Program& program, const std::string& title);
  // Gives the window the focus as a user does: a click on a part of its title bar that no other
  // window covers.
  void Activate(Window window);
  // Opens a menu by its keys, each waiting for its menu to show: {"Alt+R", "a"} opens Run > Arguments.
  void OpenMenu(const Program& program, std::initializer_list<const char*> keys);
  // Chooses an entry of the open menu by its key and waits for the menus to close.
  void Choose(const Program& program, const std::string& key);
  // Both: {"Alt+F", "o"} chooses File > Open.
  void ChooseFromMenu(const Program& program, std::initializer_list<const char*> keys);
  // Waits until the program has handled every event sent before (two pings its main window answers);
  // `after` names what was sent, for the message of a program that ends or hangs on it.
  void Settle(const Program& program, const std::string& after = "what was sent to it");

  void Key(const std::string& keys) { x.Key(keys); }
  void Type(const std::string& text) { x.Type(text); }

  // Standard-error lines of every program started that Qt wrote as warnings. None is allowed: every
  // one seen on this desktop came from a fault of the programs.
  std::vector<std::string> QtWarnings() const;
  // Every standard-error line, for the report of a failed case.
  std::string ErrorOutput() const;

 private:
  void WriteFakeTools() const;
  std::string Environment(const std::string& name) const;
  void Reap(Program& program);
  std::vector<Window> WindowsOf(const Program& program, const std::string& title);

  std::string root_;
  std::vector<std::unique_ptr<Program>> programs_;
};

}  // namespace desktop
