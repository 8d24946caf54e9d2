// Times large work under a user's hand, in the real main windows on the offscreen platform, with
// mouse events sent to the top-level window as a user's arrive.
//
// Zelvory: a generated model of 1,000, 3,000 and 10,000 classes (give other class counts as
// arguments), laid out on a grid and saved, is opened through File > Open in a main window of its
// own; then Edit > Select All, a click on an empty spot (deselect), a drag of one class, and a
// double-click on a class until its inspector shows, then until the diagram is drawn again after
// Cancel. Each figure is the median of several runs, from the first event to the last repaint
// done, but for the first open, which also measures every text of the model for the first time.
// The growth column divides the time on the last model by the time on the first.
//
// With --x the same model files are then opened in the real modeller on an X server (Xvfb, started
// for the run unless DISPLAY names one, with the desktop stage's window manager) and driven through
// X: File > Open (first and later), a click on an empty spot after Select All, the release of a drag
// of the whole selection, Cancel in a class inspector, a wheel notch and a scroll step, each timed
// from its event to the last change of the window's pixels.
//
// Morvane: Replace All with the answer All over a page of 50,000 lines holding 3,000 matches.
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <unistd.h>

#include "GeneratedModel.h"
#include "ThroughX.h"
#include "WindowManager.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/Main.h"
#include "modeller/ui/Program.h"
#include "platform/Canvas.h"
#include "platform/FindDialogs.h"
#include "platform/Forms.h"
#include "platform/ModalService.h"
#include "platform/PaintBox.h"
#include "platform/RichEdit.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"
#include "workbench/Program.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

platform::ModalService& Modal() { return platform::ModalService::Instance(); }

// A run that did not do what it times is reported, so a figure never stands for nothing done.
void Check(bool done, const char* what) {
  if (!done) std::printf("NOT DONE: %s\n", what);
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The median of several runs, in milliseconds: five, or fewer once three seconds are spent. Each
// run returns its own time, so set-up between runs stays out of it.
double MedianTime(const std::function<double()>& run) {
  std::vector<double> times;
  double spent = 0;
  while (times.size() < 5 && (times.size() < 3 || spent < 3000)) {
    times.push_back(run());
    spent += times.back();
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Runs the action and the repaints it asked for; returns the time taken.
double Timed(const std::function<void()>& action) {
  auto start = Clock::now();
  action();
  QApplication::processEvents();
  return MillisecondsSince(start);
}

// ---- Zelvory ----------------------------------------------------------------------------------

constexpr int kColumns = 100;
constexpr int kColumnWidth = 200;
constexpr int kRowHeight = 150;

// The canvas the boxes are measured on while the model is laid out, with the diagram font.
platform::TCanvas& MeasuringCanvas() {
  static platform::TCanvas canvas(1, 1);
  return canvas;
}

platform::TPoint Centre(const modeller::TNode& node) {
  platform::TRect bounds = node.GetBounds();
  return {(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2};
}

// Every node on a grid in node order, boxes sized for their text, and each link routed as the
// tools route a new one: from its ToNode's centre across to its FromNode's column, then along it.
void LayOut(modeller::TGraph& graph) {
  MeasuringCanvas().Font = modeller::DiagramFont;
  graph.SetCanvas(&MeasuringCanvas());
  for (int i = 0; i < graph.NodeCount(); ++i) {
    int left = i % kColumns * kColumnWidth;
    int top = i / kColumns * kRowHeight;
    graph.Nodes(i)->Place(left, top, left, top);
  }
  graph.RedrawAll();
  for (int i = 0; i < graph.EdgeCount(); ++i) {
    auto* edge = dynamic_cast<modeller::TOrthogonalEdge*>(graph.Edges(i));
    platform::TPoint to = Centre(*edge->ToNodeObject());
    platform::TPoint from = Centre(*edge->FromNodeObject());
    edge->Points.Clear();
    edge->Points.Add(to);
    edge->Points.Add({from.X, to.Y});
    edge->Points.Add(from);
    edge->Normalize();
  }
}

// The extent of the diagram: the largest right and bottom of its objects.
platform::TPoint Extent(const modeller::TGraph& graph) {
  platform::TPoint extent{0, 0};
  auto extend = [&](const modeller::TObj& object) {
    platform::TRect bounds = object.GetBounds();
    extent = {std::max(extent.X, bounds.Right), std::max(extent.Y, bounds.Bottom)};
  };
  for (int i = 0; i < graph.NodeCount(); ++i) extend(*graph.Nodes(i));
  for (int i = 0; i < graph.EdgeCount(); ++i) extend(*graph.Edges(i));
  return extent;
}

class TModellerSession {
 public:
  explicit TModellerSession(const fs::path& folder) : folder_(folder) {
    modeller::RegisterConceptClasses();
    modeller::InitGlobals();
    modeller::CreateModellerWindows();
    Main().Show();
    QApplication::processEvents();
  }
  ~TModellerSession() {
    Graph().Modified = false;
    modeller::DestroyModellerWindows();
    modeller::DoneGlobals();
  }

  // A generated model of that many classes, laid out and saved; returns its file.
  std::string MakeModel(int classes) {
    modeller::BuildModel(classes);
    LayOut(Graph());
    extent_ = Extent(Graph());
    std::string file = (folder_ / ("model" + std::to_string(classes) + ".zel")).string();
    modeller::SaveModel(file);
    Graph().Modified = true;  // the model in hand was never saved by the user
    return file;
  }
  platform::TPoint ModelExtent() const { return extent_; }

  // The model file as the modeller on X meets it, its diagram laid out as in this main window.
  bench::TXScene Scene(const std::string& file) const {
    platform::TPoint onClass = Centre(*Graph().Nodes(1));
    platform::TPoint empty = EmptySpot();
    return {file, {extent_.X, extent_.Y}, {onClass.X, onClass.Y}, {empty.X, empty.Y}, [](int width, int height) {
              Main().resize(width, height);
              QApplication::processEvents();
              QPoint paintBox = At({0, 0});
              QScrollBar& bar = *Main().ScrollBox->verticalScrollBar();
              QRect barRect(bar.mapTo(&Main(), QPoint(0, 0)), bar.size());
              int arrow = barRect.width() / 2;  // the step arrows are square, at both ends
              return bench::TDiagramLayout{{paintBox.x(), paintBox.y()},
                                           {barRect.center().x(), barRect.bottom() - arrow},
                                           {barRect.center().x(), barRect.top() + arrow}};
            }};
  }

  double Open(const std::string& file) {
    Modal().Queue(platform::ModalAnswer{platform::mrOk, file, 0, {}});
    if (Graph().Modified) Modal().Queue(platform::mrNo);
    double time = Timed([] { Main().FileOpenClick(); });
    Check(modeller::ModelFileName == file && Modal().Pending() == 0, "open");
    return time;
  }
  double SelectAll() {
    double time = Timed([] { Main().EditSelectAll->Click(); });
    Check(Graph().SelectedCount() == Graph().NodeCount() + Graph().EdgeCount(), "select all");
    return time;
  }
  double Deselect() {
    QPoint empty = At(EmptySpot());
    double time = Timed([&] { Click(empty); });
    Check(Graph().SelectedCount() == 0, "deselect");
    return time;
  }
  // A drag of the first class by 50 pixels to the right, or back when it was moved there before.
  double MoveOneClass() {
    int left = Graph().Nodes(0)->GetBounds().Left;
    QPoint start = At(Centre(*Graph().Nodes(0)));
    int distance = movedRight_ ? -50 : 50;
    movedRight_ = !movedRight_;
    double time = Timed([&] { Drag(start, start + QPoint(distance, 0)); });
    Check(Graph().Nodes(0)->GetBounds().Left == left + distance, "move");
    return time;
  }
  // From the double-click to the inspector shown, then from Cancel to the diagram drawn again.
  std::pair<double, double> Inspect() {
    QPoint at = At(Centre(*Graph().Nodes(0)));
    auto start = Clock::now();
    double shown = 0;
    Clock::time_point cancelled;
    Modal().Queue(platform::ModalAnswer{platform::mrCancel, "", 0, [&](QWidget* inspector) {
                                          inspector->show();
                                          QApplication::processEvents();
                                          shown = MillisecondsSince(start);
                                          inspector->hide();
                                          cancelled = Clock::now();
                                        }});
    QTest::mouseDClick(Window(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
    Check(shown > 0 && Modal().Pending() == 0, "inspect");
    return {shown, MillisecondsSince(cancelled)};
  }

 private:
  static modeller::TMainForm& Main() { return *modeller::MainForm; }
  static modeller::TGraph& Graph() { return *modeller::TheGraph; }
  static QWindow* Window() { return Main().windowHandle(); }
  // A diagram point as a point of the top-level window.
  static QPoint At(platform::TPoint point) { return Main().PaintBox->mapTo(&Main(), QPoint(point.X, point.Y)); }

  static void Click(QPoint at) {
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, at);
  }
  static void Drag(QPoint from, QPoint to) {
    QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(Window(), (from + to) / 2);
    QTest::mouseMove(Window(), to);
    QTest::mouseRelease(Window(), Qt::LeftButton, Qt::NoModifier, to);
  }

  // A point of the visible part of the diagram where no object lies.
  static platform::TPoint EmptySpot() {
    for (int y = 112; y < 400; y += 5)
      for (int x = 12; x < 400; x += 5) {
        int gridX = x, gridY = y;
        Graph().SnapToGrid(gridX);
        Graph().SnapToGrid(gridY);
        if (Graph().ObjectAt(gridX, gridY) == nullptr) return {gridX, gridY};
      }
    return {1, 1};
  }

  fs::path folder_;
  platform::TPoint extent_{0, 0};
  bool movedRight_ = false;
};

struct TModelFigures {
  int classes;
  platform::TPoint extent;
  std::vector<double> times;  // in the order of kModelActions
  bench::TXFigures throughX;  // in the order of bench::kXActions, when timed through X
};

const char* const kModelActions[] = {"first File > Open until drawn", "File > Open until drawn",
                                     "Edit > Select All",           "a click on an empty spot",
                                     "drag one class",              "double-click until inspector",
                                     "inspector Cancel until drawn"};

TModelFigures TimeModel(const fs::path& folder, int classes, bool throughX) {
  TModellerSession session(folder);
  std::string file = session.MakeModel(classes);
  TModelFigures figures{classes, session.ModelExtent(), {}};
  figures.times.push_back(session.Open(file));
  figures.times.push_back(MedianTime([&] { return session.Open(file); }));
  // Select All always starts from nothing selected, and the deselect from everything selected.
  std::vector<double> selectAll, deselect;
  MedianTime([&] {
    selectAll.push_back(session.SelectAll());
    deselect.push_back(session.Deselect());
    return selectAll.back() + deselect.back();
  });
  auto median = [](std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  };
  figures.times.push_back(median(selectAll));
  figures.times.push_back(median(deselect));
  figures.times.push_back(MedianTime([&] { return session.MoveOneClass(); }));
  std::vector<double> shown, closed;
  MedianTime([&] {
    auto [untilShown, untilDrawn] = session.Inspect();
    shown.push_back(untilShown);
    closed.push_back(untilDrawn);
    return untilShown + untilDrawn;
  });
  figures.times.push_back(median(shown));
  figures.times.push_back(median(closed));
  if (throughX) figures.throughX = bench::TimeThroughX(session.Scene(file));
  return figures;
}

// One table: a row per action, a column per model.
void PrintFigures(const std::vector<TModelFigures>& all, const char* title, std::span<const char* const> actions,
                  const std::function<const std::vector<double>&(const TModelFigures&)>& times) {
  std::printf("%s\n%-30s", title, "classes");
  for (const TModelFigures& figures : all) std::printf(" %12d", figures.classes);
  std::printf(" %8s\n", "growth");
  std::printf("%-30s", "diagram extent (pixels)");
  for (const TModelFigures& figures : all) std::printf(" %5d x %5d", figures.extent.X, figures.extent.Y);
  std::printf("\n");
  for (size_t action = 0; action < actions.size(); ++action) {
    std::printf("%-30s", actions[action]);
    for (const TModelFigures& figures : all) std::printf(" %9.1f ms", times(figures)[action]);
    std::printf(" %8.1f\n", times(all.back())[action] / times(all.front())[action]);
  }
  std::printf("growth = time on the last model / time on the first; the model grows %.1f times\n\n",
              static_cast<double>(all.back().classes) / all.front().classes);
}

// ---- Morvane ----------------------------------------------------------------------------------

constexpr int kPageLines = 50000;

// A page of the given length in which 3 lines of every 50 hold the word to replace, once each.
std::string PageText() {
  std::string text;
  for (int line = 0; line < kPageLines; ++line) {
    bool match = line % 50 < 3;
    text += "        int value" + std::to_string(line) + " = compute(" + (match ? "target" : "source") +
            ", " + std::to_string(line % 97) + ");\n";
  }
  return text;
}

double TimeReplaceAll(const std::string& text) {
  platform::TRichEdit& page = *workbench::EditorForm->ActiveEditor();
  page.Lines().SetText(text);
  page.SetSelStart(0);
  workbench::MainForm->replaceButtonClick();
  workbench::TEditorForm& editor = *workbench::EditorForm;
  editor.ReplaceDialog1()->FindEdit->setText("target");
  editor.ReplaceDialog1()->ReplaceEdit->setText("aim");
  Modal().Queue(platform::mrAll);
  double time = Timed([&] { editor.ReplaceDialog1()->ReplaceAllClick(); });
  size_t replaced = 0;
  std::string after = page.Lines().Text();
  for (size_t at = after.find("aim"); at != std::string::npos; at = after.find("aim", at + 1)) ++replaced;
  if (replaced != kPageLines / 50 * 3) std::printf("REPLACED %zu matches\n", replaced);
  return time;
}

void TimeMorvane() {
  workbench::CreateWorkbenchWindows();
  workbench::MainForm->Show();
  QApplication::processEvents();
  std::string text = PageText();
  double time = MedianTime([&] { return TimeReplaceAll(text); });
  workbench::EditorForm->ActiveEditor()->SetModified(false);
  workbench::DestroyWorkbenchWindows();
  std::printf("%-30s %9.1f ms  (%d replacements in %d lines)\n", "Replace All, answer All", time,
              kPageLines / 50 * 3, kPageLines);
}

}  // namespace

// Runs the benchmark again under a virtual X server of its own.
[[noreturn]] void RunUnderXvfb(int argc, char** argv) {
  std::vector<char*> command = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
                                const_cast<char*>("-screen 0 1280x1024x24")};
  command.insert(command.end(), argv, argv + argc);
  command.push_back(nullptr);
  execvp(command[0], command.data());
  std::perror("xvfb-run");
  std::exit(1);
}

int main(int argc, char** argv) {
  bool throughX = argc > 1 && std::string(argv[1]) == "--x";
  if (throughX && std::getenv("DISPLAY") == nullptr) RunUnderXvfb(argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Both programs read and write their settings files: keep them away from the user's.
  fs::path folder = fs::temp_directory_path() / ("bench-large-work-" + std::to_string(getpid()));
  fs::create_directories(folder / "config");
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  std::vector<int> sizes;
  for (int i = throughX ? 2 : 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1000, 3000, 10000};

  platform::TApplication application(argc, argv);
  // The offscreen platform notes every window request it cannot carry out; they are no news here.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && !message.startsWith("This plugin does not support"))
      std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  Modal().SetScripted(true);
  // The window manager of the desktop stage, for as long as the modeller runs on X.
  std::unique_ptr<desktop::WindowManager> windowManager;
  if (throughX) windowManager = std::make_unique<desktop::WindowManager>();
  std::vector<TModelFigures> all;
  for (int classes : sizes) all.push_back(TimeModel(folder, classes, throughX));
  PrintFigures(all, "Offscreen", kModelActions, [](const TModelFigures& figures) -> const auto& { return figures.times; });
  if (throughX) {
    PrintFigures(all, "Through X, to the finished repaint", bench::kXActions,
                 [](const TModelFigures& figures) -> const auto& { return figures.throughX.Wall; });
    PrintFigures(all, "Through X, the modeller's processor time", bench::kXActions,
                 [](const TModelFigures& figures) -> const auto& { return figures.throughX.Processor; });
  }
  TimeMorvane();
  fs::remove_all(folder);
  return 0;
}
