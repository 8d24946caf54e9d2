// Times the drop of one more Button on an applet frame that holds 50, 100 and 200 of them: the
// press and release on the surface, the component made, and its five lines written into the page.
// The cost of one write should grow no faster than the page's line count.
#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "platform/Forms.h"
#include "platform/ModalService.h"
#include "platform/RichEdit.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"
#include "workbench/Program.h"

namespace {

constexpr int kRepeats = 15;

void SendMouse(QWidget* target, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void DropButton(designer::TFrame& frame, QPoint at) {
  workbench::MainForm->FSelectedTool = designer::ckButton;
  SendMouse(&frame, QEvent::MouseButtonPress, at);
  SendMouse(&frame, QEvent::MouseButtonRelease, at);
}

void DeleteSelection(designer::TFrame& frame) {
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(&frame, &down);
}

// A free point of the 400 x 300 client area for the n-th button: the buttons overlap, but every
// press lands on the frame between them.
QPoint PlaceOf(int n) { return {(n % 40) * 9 + 2, (n / 40) * 27 + 1}; }

struct Result {
  int components;
  int lines;
  double microseconds;
};

Result TimeDrop(int components) {
  workbench::CreateWorkbenchWindows();
  workbench::MainForm->Show();
  workbench::MainForm->forApplet1Click();
  designer::TFrame& frame = *workbench::MainForm->FCurrentFrame;
  frame.activateWindow();
  QApplication::processEvents();
  for (int i = 0; i < components; ++i) DropButton(frame, PlaceOf(i));
  platform::TRichEdit& page = *workbench::EditorForm->ActiveEditor();
  int lines = page.Lines().Count();
  std::vector<double> times;
  for (int r = 0; r < kRepeats; ++r) {
    auto start = std::chrono::steady_clock::now();
    DropButton(frame, PlaceOf(components));
    auto stop = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    DeleteSelection(frame);
  }
  page.SetModified(false);
  workbench::DestroyWorkbenchWindows();
  std::sort(times.begin(), times.end());
  return {components, lines, times[times.size() / 2]};
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The workbench reads and writes its settings file: keep it away from the user's.
  std::filesystem::path config = std::filesystem::temp_directory_path() / "bench_design_drop";
  std::filesystem::create_directories(config);
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  platform::TApplication app(argc, argv);
  std::vector<Result> results;
  for (int components : {50, 100, 200}) results.push_back(TimeDrop(components));
  std::filesystem::remove_all(config);
  std::printf("%-24s %8s %12s %16s\n", "drop", "lines", "median us", "us per 100 lines");
  for (const Result& result : results)
    std::printf("button %4d among %4d   %8d %12.1f %16.2f\n", result.components + 1, result.components,
                result.lines, result.microseconds, result.microseconds * 100.0 / result.lines);
  const Result& first = results.front();
  const Result& last = results.back();
  std::printf("growth from %d to %d components: time x%.2f, lines x%.2f\n", first.components, last.components,
              last.microseconds / first.microseconds, static_cast<double>(last.lines) / first.lines);
  return 0;
}
