#include "Session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace desktop {

namespace {

// How long a user waits for a program to answer before calling it broken; generous, because the
// stage shares its machine with builds.
constexpr auto kPatience = std::chrono::seconds(10);
constexpr auto kPollInterval = std::chrono::milliseconds(20);

// Qt's messages are marked by their kind, so that its warnings can be told from other output.
constexpr const char* kMessagePattern =
    "%{if-warning}qt-warning: %{endif}%{if-critical}qt-critical: %{endif}%{if-fatal}qt-fatal: %{endif}"
    "%{if-category}%{category}: %{endif}%{message}";
constexpr const char* kWarningMarks[] = {"qt-warning: ", "qt-critical: ", "qt-fatal: "};

struct ProgramKind {
  const char* name;
  const char* binary;  // under the build's bin folder
  const char* mainTitle;
  const char* settingsFile;  // under XDG_CONFIG_HOME
};

constexpr ProgramKind kPrograms[] = {
    {"morvane", "morvane", "Morvane 0.64", "morvane/Morvane.ini"},
    {"zelvory", "zelvory/zelvory", "Zelvory 1.0", "zelvory/zelvory.ini"},
};

const ProgramKind& KindOf(const std::string& name) {
  for (const ProgramKind& kind : kPrograms)
    if (name == kind.name) return kind;
  throw std::runtime_error("no program named " + name);
}

// The fake tools leading PATH. Each records how it was started, one line per start, in its log.
struct FakeTool {
  const char* name;
  const char* body;  // after "#!/bin/sh" and LOG=its log
};

constexpr FakeTool kFakeTools[] = {
    // The desktop's opener: records the document it was asked to open.
    {"xdg-open", "printf '%s\\n' \"$*\" >> \"$LOG\"\n"},
    // A terminal as TERMINAL names it: runs its command with a keyboard nobody types on, so a
    // console program that waits for Enter waits until the terminal is closed, as a user's does.
    {"terminal",
     "[ \"$1\" = -e ] && shift\n"
     "printf '%s\\n' \"$*\" >> \"$LOG\"\n"
     "sleep 300 | \"$@\" &\n"
     "trap 'echo closed >> \"$LOG\"; kill $! 2>/dev/null; exit 0' TERM HUP\n"
     "wait $!\n"
     "echo ended >> \"$LOG\"\n"},
    // The Java interpreter and compiler: record their arguments and succeed.
    {"java", "printf '%s\\n' \"$*\" >> \"$LOG\"\n"},
    {"javac", "printf '%s\\n' \"$*\" >> \"$LOG\"\n"},
};

std::string Slurp(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string EndOf(const Program& program) {
  if (WIFSIGNALED(program.status)) return program.name + " was killed by signal " + std::to_string(WTERMSIG(program.status));
  return program.name + " ended with exit code " + std::to_string(WEXITSTATUS(program.status));
}

}  // namespace

Session::Session() : x(XDesktop::Instance()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "desktop-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  root_ = pattern;
  for (const char* folder : {"home", "config", "runtime", "tools", "work", "logs"})
    std::filesystem::create_directory(root_ + "/" + folder);
  chmod((root_ + "/runtime").c_str(), 0700);
  WriteFakeTools();
  x.ClearClipboard();
}

Session::~Session() {
  for (const auto& program : programs_) {
    kill(-program->pid, SIGKILL);  // the program and whatever it started
    if (!program->ended) waitpid(program->pid, nullptr, 0);
  }
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void Session::WriteFakeTools() const {
  for (const FakeTool& tool : kFakeTools) {
    std::string fileName = root_ + "/tools/" + tool.name;
    WriteFile(fileName, std::string("#!/bin/sh\nLOG='") + root_ + "/logs/" + tool.name + "'\n" + tool.body);
    chmod(fileName.c_str(), 0755);
  }
}

std::string Session::Work(const std::string& name) const { return root_ + "/work/" + name; }

void Session::WriteFile(const std::string& fileName, const std::string& text) const {
  std::filesystem::create_directories(std::filesystem::path(fileName).parent_path());
  std::ofstream out(fileName, std::ios::binary);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + fileName);
}

std::string Session::ReadFile(const std::string& fileName) const { return Slurp(fileName); }

std::string Session::ToolLog(const std::string& tool) const { return Slurp(root_ + "/logs/" + tool); }

std::string Session::ToolPath(const std::string& tool) const { return root_ + "/tools/" + tool; }

std::string Session::SettingsFile(const std::string& program) const {
  return root_ + "/config/" + KindOf(program).settingsFile;
}

std::string Session::Environment(const std::string& name) const {
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? value : "";
}

Program& Session::Start(const std::string& name) {
  const ProgramKind& kind = KindOf(name);
  auto program = std::make_unique<Program>();
  program->name = name;
  program->errorFile = root_ + "/logs/" + name + "-" + std::to_string(programs_.size()) + ".stderr";
  std::string binary = std::string(DESKTOP_BIN_DIR) + "/" + kind.binary;
  std::vector<std::string> environment = {
      "DISPLAY=" + Environment("DISPLAY"),
      "XAUTHORITY=" + Environment("XAUTHORITY"),
      "HOME=" + root_ + "/home",
      "XDG_CONFIG_HOME=" + root_ + "/config",
      "XDG_RUNTIME_DIR=" + root_ + "/runtime",
      "PATH=" + root_ + "/tools:" + Environment("PATH"),
      "TERMINAL=" + root_ + "/tools/terminal",
      "LANG=C.UTF-8",
      "QT_QPA_PLATFORM=xcb",
      std::string("QT_MESSAGE_PATTERN=") + kMessagePattern,
  };
  // A sanitizer build's programs report as the headless suite's do.
  for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
    if (std::getenv(name) != nullptr) environment.push_back(std::string(name) + "=" + Environment(name));
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string work = root_ + "/work";
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("cannot start " + name);
  if (pid == 0) {
    setpgid(0, 0);
    int quiet = open("/dev/null", O_RDWR);
    int errors = open(program->errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(quiet, 0);
    dup2(quiet, 1);
    dup2(errors, 2);
    if (chdir(work.c_str()) != 0) _exit(126);
    char* argv[] = {binary.data(), nullptr};
    execve(binary.c_str(), argv, envp.data());
    _exit(127);
  }
  setpgid(pid, pid);
  program->pid = pid;
  programs_.push_back(std::move(program));
  // Started as a user sees it: the main window up, the splash gone, the start-up's events handled.
  Program& started = *programs_.back();
  started.main = WaitForWindow(started, kind.mainTitle);
  WaitFor("the splash window of " + name + " to close", [&] { return !x.SplashShown(started.pid); });
  Settle(started);
  return started;
}

void Session::Reap(Program& program) {
  if (program.ended) return;
  if (waitpid(program.pid, &program.status, WNOHANG) == program.pid) program.ended = true;
}

bool Session::Running(Program& program) {
  Reap(program);
  return !program.ended;
}

void Session::Quit(Program& program) {
  program.quitting = true;
  x.Close(program.main);
  WaitFor(program.name + " to end after its main window was closed", [&] { return !Running(program); });
}

void Session::WaitFor(const std::string& what, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  for (;;) {
    if (done()) return;
    for (const auto& program : programs_) {
      Reap(*program);
      if (program->ended && !program->quitting)
        throw std::runtime_error(EndOf(*program) + " while waiting for " + what);
    }
    if (std::chrono::steady_clock::now() > deadline)
      throw std::runtime_error("timed out after " + std::to_string(kPatience.count()) + " s waiting for " + what);
    std::this_thread::sleep_for(kPollInterval);
  }
}

void Session::WaitForFile(const std::string& what, const std::string& fileName,
                          const std::function<bool(const std::string& text)>& holds) {
  std::string text;
  try {
    WaitFor(what, [&] { return holds(text = Slurp(fileName)); });
  } catch (const std::runtime_error& failure) {
    throw std::runtime_error(std::string(failure.what()) + "\n" + fileName + " holds:\n" + text);
  }
}

void Session::WaitForLog(const std::string& what, const std::string& tool, const std::string& text) {
  WaitForFile(what, root_ + "/logs/" + tool,
              [&](const std::string& log) { return log.find(text) != std::string::npos; });
}

std::vector<Window> Session::WindowsOf(const Program& program, const std::string& title) {
  std::vector<Window> found;
  for (Window window : x.Stacking())
    if (x.Pid(window) == program.pid && x.Title(window) == title) found.push_back(window);
  return found;
}

bool Session::HasWindow(const Program& program, const std::string& title) {
  return !WindowsOf(program, title).empty();
}

Window Session::WaitForWindow(const Program& program, const std::string& title) {
  WaitFor("the window \"" + title + "\" of " + program.name, [&] { return HasWindow(program, title); });
  if (program.main != None) Settle(program);
  return WindowsOf(program, title).back();
}

void Session::WaitForNoWindow(const Program& program, const std::string& title) {
  WaitFor("the window \"" + title + "\" of " + program.name + " to close", [&] { return !HasWindow(program, title); });
  Settle(program);
}

void Session::Activate(Window window) {
  std::string title = x.Title(window);
  std::vector<Window> stack = x.Stacking();
  auto own = std::find(stack.begin(), stack.end(), window);
  if (own == stack.end()) throw std::runtime_error("the window \"" + title + "\" is not managed");
  std::vector<Rect> above;
  for (auto it = own + 1; it != stack.end(); ++it) above.push_back(x.Frame(*it));
  Rect frame = x.Frame(window);
  Rect client = x.ClientArea(window);
  int titleBar = client.y - frame.y;
  if (titleBar <= 0) throw std::runtime_error("the window \"" + title + "\" has no title bar");
  // Along the middle of the title bar, clear of the buttons at its ends.
  Rect screen = x.Screen();
  for (int left = frame.x + frame.width / 4; left < frame.x + frame.width * 3 / 4; left += 4) {
    Point at{left, frame.y + titleBar / 2};
    if (screen.Contains(at) &&
        std::none_of(above.begin(), above.end(), [&](const Rect& other) { return other.Contains(at); })) {
      x.Click(at);
      WaitFor("\"" + title + "\" to have the focus after a click on its title bar",
              [&] { return x.Active() == window; });
      return;
    }
  }
  throw std::runtime_error("no part of the title bar of \"" + title + "\" is on the screen and uncovered");
}

void Session::OpenMenu(const Program& program, std::initializer_list<const char*> keys) {
  for (const char* key : keys) {
    std::vector<Window> before = x.Popups(program.pid);
    x.Key(key);
    WaitFor("a menu to open on " + std::string(key), [&] {
      std::vector<Window> now = x.Popups(program.pid);
      return std::any_of(now.begin(), now.end(), [&](Window popup) {
        return std::find(before.begin(), before.end(), popup) == before.end();
      });
    });
  }
}

void Session::Choose(const Program& program, const std::string& key) {
  x.Key(key);
  WaitFor("the menus to close after " + key, [&] { return x.Popups(program.pid).empty(); });
  Settle(program);
}

void Session::ChooseFromMenu(const Program& program, std::initializer_list<const char*> keys) {
  for (auto key = keys.begin(); key + 1 != keys.end(); ++key) OpenMenu(program, {*key});
  Choose(program, *(keys.end() - 1));
}

void Session::Settle(const Program& program, const std::string& after) {
  for (int round = 0; round < 2; ++round) {
    long stamp = x.Ping(program.main);
    WaitFor(program.name + " to handle " + after, [&] { return x.Ponged(stamp); });
  }
}

std::vector<std::string> Session::QtWarnings() const {
  std::vector<std::string> warnings;
  for (const auto& program : programs_) {
    for (const std::string& line : Lines(Slurp(program->errorFile))) {
      bool warning = std::any_of(std::begin(kWarningMarks), std::end(kWarningMarks),
                                 [&](const char* mark) { return line.rfind(mark, 0) == 0; });
      if (warning) warnings.push_back(program->name + ": " + line);
    }
  }
  return warnings;
}

std::string Session::ErrorOutput() const {
  std::string output;
  for (const auto& program : programs_)
    for (const std::string& line : Lines(Slurp(program->errorFile))) output += program->name + ": " + line + "\n";
  return output;
}

}  // namespace desktop
