// Starts Morvane, Zelvory and a bare Qt main window offscreen, each ending where it enters its
// first event loop (a preloaded probe ends it there), and prints for each program the median of
// its time over the bare window's time in paired runs, the median peak memory over the bare
// window's, and the widgets made before the loop. Give the number of pairs as the argument.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct TRun {
  double milliseconds;
  long peakKilobytes;
};

// One start of the program in a clean settings folder, to the entry of its event loop.
TRun Start(const std::string& program, const fs::path& folder) {
  auto started = std::chrono::steady_clock::now();
  pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LD_PRELOAD", PROBE_LIBRARY, 1);
    setenv("STARTUP_PROBE_REPORT", (folder / "widgets").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("HOME", folder.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    if (chdir(folder.c_str()) != 0) _exit(126);
    int quiet = open("/dev/null", O_WRONLY);  // the offscreen platform's notes
    dup2(quiet, STDERR_FILENO);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(program + " did not start");
  return {elapsed, usage.ru_maxrss};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long WidgetCount(const fs::path& folder) {
  long count = -1;
  std::ifstream(folder / "widgets") >> count;
  return count;
}

// Runs the program and the bare window in turn, the order swapped every pair, and prints the
// medians of the times, of the time ratios and of the memory ratios.
void Compare(const char* name, const std::string& program, const fs::path& folder, int pairs) {
  Start(program, folder);  // warms the file cache for both
  Start(BARE_PROGRAM, folder);
  std::vector<double> ours, bare, timeRatios, memoryRatios, oursMemory, bareMemory;
  long widgets = 0;
  for (int pair = 0; pair < pairs; ++pair) {
    TRun programRun{}, bareRun{};
    if (pair % 2 == 0) {
      programRun = Start(program, folder);
      widgets = WidgetCount(folder);
      bareRun = Start(BARE_PROGRAM, folder);
    } else {
      bareRun = Start(BARE_PROGRAM, folder);
      programRun = Start(program, folder);
      widgets = WidgetCount(folder);
    }
    ours.push_back(programRun.milliseconds);
    bare.push_back(bareRun.milliseconds);
    timeRatios.push_back(programRun.milliseconds / bareRun.milliseconds);
    oursMemory.push_back(programRun.peakKilobytes / 1024.0);
    bareMemory.push_back(bareRun.peakKilobytes / 1024.0);
    memoryRatios.push_back(static_cast<double>(programRun.peakKilobytes) / bareRun.peakKilobytes);
  }
  std::printf("%-8s %9.1f %9.1f %7.2f %9.1f %9.1f %7.2f %8ld\n", name, Median(ours), Median(bare), Median(timeRatios),
              Median(oursMemory), Median(bareMemory), Median(memoryRatios), widgets);
}

}  // namespace

int main(int argc, char** argv) {
  int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  fs::path folder = fs::temp_directory_path() / ("morvane-bench-startup-" + std::to_string(getpid()));
  fs::create_directories(folder / "config");
  std::printf("%d paired runs, medians\n", pairs);
  std::printf("%-8s %9s %9s %7s %9s %9s %7s %8s\n", "program", "ours ms", "bare ms", "ratio", "ours MiB", "bare MiB",
              "ratio", "widgets");
  Compare("Morvane", MORVANE_PROGRAM, folder, pairs);
  Compare("Zelvory", ZELVORY_PROGRAM, folder, pairs);
  std::printf("ratio = ours / a bare Qt main window, started offscreen to the first event loop\n");
  fs::remove_all(folder);
  return 0;
}
