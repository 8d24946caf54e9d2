#include "ThroughX.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "Session.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;
using desktop::Point;
using desktop::Program;
using desktop::Session;

// A window whose pixels stay unchanged this long after the program answered has finished drawing.
constexpr auto kQuiet = std::chrono::milliseconds(150);
constexpr auto kPatience = std::chrono::seconds(30);
constexpr int kRuns = 5;

double Milliseconds(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The processor time the program has spent so far, all its threads, in milliseconds.
double ProcessorTime(pid_t pid) {
  double nanoseconds = 0;
  std::error_code ignored;
  for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double onProcessor = 0;
    if (schedstat >> onProcessor) nanoseconds += onProcessor;
  }
  return nanoseconds / 1e6;
}

// The X server's reports of every change to a window's pixels, read on a connection of its own.
class TRepaintWatch {
 public:
  explicit TRepaintWatch(Window window) : display_(XOpenDisplay(nullptr)) {
    int eventBase = 0, errorBase = 0;
    if (display_ == nullptr || !XDamageQueryExtension(display_, &eventBase, &errorBase))
      throw std::runtime_error("the X server reports no damage to windows");
    damage_ = XDamageCreate(display_, window, XDamageReportRawRectangles);
    XSync(display_, False);
  }
  ~TRepaintWatch() {
    XDamageDestroy(display_, damage_);
    XCloseDisplay(display_);
  }
  TRepaintWatch(const TRepaintWatch&) = delete;
  TRepaintWatch& operator=(const TRepaintWatch&) = delete;

  // Runs the action and returns the time from it to the window's last change, once the program
  // has handled everything sent to it and the window has stayed unchanged for a while; with the
  // processor time the program spent until then, work it left for later included.
  TXTime Time(Session& s, const Program& program, const std::function<void()>& action) {
    Changed();
    double processorBefore = ProcessorTime(program.pid);
    Clock::time_point start = Clock::now();
    action();
    Clock::time_point last = start;
    auto note = [&] {
      if (Changed()) last = Clock::now();
    };
    for (int round = 0; round < 2; ++round) {
      long stamp = s.x.Ping(program.main);
      while (!s.x.Ponged(stamp)) {
        note();
        if (Clock::now() - start > kPatience) throw std::runtime_error("the modeller does not answer");
        std::this_thread::sleep_for(std::chrono::microseconds(500));
      }
      if (last == start) last = Clock::now();  // answered without a change: the answer ends it
    }
    for (Clock::time_point quietSince = Clock::now(); Clock::now() - std::max(quietSince, last) < kQuiet;) {
      note();
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return {Milliseconds(last - start), ProcessorTime(program.pid) - processorBefore};
  }

 private:
  // Whether a change was reported since the last call.
  bool Changed() {
    bool changed = false;
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      changed = true;
    }
    return changed;
  }

  Display* display_;
  Damage damage_;
};

// Two clicks at one place closer in time than this make a double click.
void AwaitNoDoubleClick() { std::this_thread::sleep_for(std::chrono::milliseconds(600)); }

// Waits for the window to open and take the focus, so that keys go to it.
void WaitForDialog(Session& s, const Program& program, const std::string& title) {
  Window dialog = s.WaitForWindow(program, title);
  s.WaitFor("\"" + title + "\" to have the focus", [&] { return s.x.Active() == dialog; });
}

}  // namespace

const char* const kXActions[7] = {"first File > Open until drawn", "File > Open until drawn",
                                  "a click on an empty spot",      "release of a drag of all",
                                  "inspector Cancel until drawn",  "a wheel notch",
                                  "a scroll step"};

TXFigures TimeThroughX(const TXScene& scene) {
  Session s;
  // A window well inside the screen, and a drawing area that holds the whole model.
  s.WriteFile(s.SettingsFile("zelvory"), "[MainForm]\nLeft=0\nTop=0\nWidth=1000\nHeight=740\n[Diagram Options]\nWidth=" +
                                             std::to_string(scene.Extent.X + 100) +
                                             "\nHeight=" + std::to_string(scene.Extent.Y + 100) + "\n");
  Program& zelvory = s.Start("zelvory");
  desktop::Rect client = s.x.ClientArea(zelvory.main);
  TDiagramLayout layout = scene.LayoutFor(client.width, client.height);
  auto onScreen = [&](TSpot at, int dx = 0, int dy = 0) {
    return Point{client.x + layout.PaintBox.X + at.X + dx, client.y + layout.PaintBox.Y + at.Y + dy};
  };
  TRepaintWatch watch(zelvory.main);
  TXFigures figures;
  auto add = [&](const std::vector<TXTime>& runs) {
    std::vector<double> wall, processor;
    for (const TXTime& run : runs) {
      wall.push_back(run.Wall);
      processor.push_back(run.Processor);
    }
    figures.Wall.push_back(Median(wall));
    figures.Processor.push_back(Median(processor));
  };

  auto open = [&] {
    s.Activate(zelvory.main);
    s.ChooseFromMenu(zelvory, {"Alt+F", "o"});
    WaitForDialog(s, zelvory, "Open");
    s.Key("Ctrl+A");
    s.Type(scene.ModelFile);
    s.Settle(zelvory);
    TXTime time = watch.Time(s, zelvory, [&] { s.Key("Return"); });
    s.WaitForNoWindow(zelvory, "Open");
    return time;
  };
  auto selectAll = [&] {
    s.Activate(zelvory.main);
    s.ChooseFromMenu(zelvory, {"Alt+E", "s"});
  };
  auto runs = [](const std::function<TXTime()>& run) {
    std::vector<TXTime> times;
    for (int i = 0; i < kRuns; ++i) times.push_back(run());
    return times;
  };

  add({open()});
  add(runs(open));
  add(runs([&] {
    selectAll();
    AwaitNoDoubleClick();
    return watch.Time(s, zelvory, [&] { s.x.Click(onScreen(scene.EmptySpot)); });
  }));
  // The whole selection goes 40 pixels right and down, then back.
  int shift = 0;
  add(runs([&] {
    selectAll();
    int distance = shift == 0 ? 40 : -40;
    Point from = onScreen(scene.OnClass, shift, shift);
    Point to{from.x + distance, from.y + distance};
    AwaitNoDoubleClick();
    s.x.ButtonDown(from);
    for (int step = 1; step <= 4; ++step) s.x.PointerTo({from.x + distance * step / 4, from.y + distance * step / 4});
    s.Settle(zelvory);
    TXTime time = watch.Time(s, zelvory, [&] { s.x.ButtonUp(to); });
    shift += distance;
    return time;
  }));
  AwaitNoDoubleClick();
  s.x.Click(onScreen(scene.EmptySpot));
  s.Settle(zelvory);
  add(runs([&] {
    AwaitNoDoubleClick();
    s.x.DoubleClick(onScreen(scene.OnClass, shift, shift));
    WaitForDialog(s, zelvory, "Class Inspector");
    TXTime time = watch.Time(s, zelvory, [&] { s.Key("Escape"); });
    s.WaitForNoWindow(zelvory, "Class Inspector");
    return time;
  }));
  // Down and back up, so each run starts where the first did.
  Point middle = client.Centre();
  auto upAndDown = [&](const std::function<void(bool down)>& step) {
    std::vector<TXTime> times;
    for (int i = 0; i < kRuns; ++i)
      for (bool down : {true, false}) times.push_back(watch.Time(s, zelvory, [&] { step(down); }));
    return times;
  };
  add(upAndDown([&](bool down) { s.x.Wheel(middle, down ? 1 : -1); }));
  add(upAndDown([&](bool down) {
    TSpot arrow = down ? layout.ScrollDown : layout.ScrollUp;
    s.x.Click({client.x + arrow.X, client.y + arrow.Y});
  }));
  return figures;
}

}  // namespace bench
