// Times the opening of large files in the workbench's editor, as the Reopen menu opens them: a
// source whose design holds 1,000 and 5,000 Buttons, one whose design nests 500 and 2,000 Panels
// each in the one before, a Java file of 500,000 lines (about 20 MB) and one of a single 10 MB
// line. Each figure runs from the open to the page shown and drawn; the growth column divides the
// time on the larger design by the time on the smaller, whose component count is a fifth or a
// quarter of it; for the Java files, the time to make the window wider and narrower again five
// times follows. Arguments pick the cases whose name holds one of them ("Buttons", "Panels",
// "Java", "line").
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include <unistd.h>

#include "designer/FormDesigner_f.h"
#include "designer/ObjIns.h"
#include "platform/Forms.h"
#include "platform/ModalService.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"
#include "workbench/Program.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

const char* const kFrameBlock =
    "  Background = lightGray\r\n  Caption = Big\r\n  FontName = Dialog\r\n  FontSize = 12\r\n"
    "  FontStyle = []\r\n  Foreground = black\r\n  FrameId = 201\r\n  Height = 327\r\n  Left = 200\r\n"
    "  Tag = 1111\r\n  Top = 120\r\n  Width = 408\r\n\r\n";

std::string Number(int n) { return std::to_string(n); }

// n Buttons side by side on the frame.
std::string ButtonBlocks(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i)
    text += "Button" + Number(i) + " : TButton\r\n  Caption = Button" + Number(i) +
            "\r\n  FontName = Dialog\r\n  FontSize = 10\r\n  FontStyle = []\r\n  Height = 25\r\n  Left = " +
            Number(i % 40 * 9) + "\r\n  Parent = Big\r\n  Tag = 11\r\n  Top = " + Number(i / 40 % 12 * 25) +
            "\r\n  Width = 75\r\n\r\n";
  return text;
}

// n Panels, each lying in the one before.
std::string NestedPanelBlocks(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i)
    text += "Panel" + Number(i) + " : TPanel\r\n  Background = lightGray\r\n  FontName = Dialog\r\n"
            "  FontSize = 10\r\n  FontStyle = []\r\n  Foreground = black\r\n  Height = 300\r\n  Left = 0\r\n"
            "  Parent = " + (i == 1 ? std::string("Big") : "Panel" + Number(i - 1)) +
            "\r\n  Tag = 11\r\n  Top = 0\r\n  Width = 400\r\n\r\n";
  return text;
}

// The source of a new applet as the workbench writes it, for a class named Big.
std::string AppletSource() {
  workbench::CreateWorkbenchWindows();
  workbench::MainForm->Show();
  workbench::MainForm->forApplet1Click();
  platform::TRichEdit& page = *workbench::EditorForm->ActiveEditor();
  std::string text = page.Lines().Text();
  page.SetModified(false);
  workbench::DestroyWorkbenchWindows();
  // The first line names the class: "// {$R nonameNN.JFM}".
  const std::string name = text.substr(7, text.find(".JFM") - 7);
  for (size_t at; (at = text.find(name)) != std::string::npos;) text.replace(at, name.size(), "Big");
  return text;
}

// The applet's source and its design "Big" with the given component blocks.
std::string WriteDesign(const fs::path& folder, const std::string& name, const std::string& blocks) {
  fs::path dir = folder / name;
  fs::create_directories(dir);
  platform::WriteFileAtomic((dir / "Big.jfm").string(),
                            "Big : TFrame\r\n" + std::string(kFrameBlock) + blocks +
                                "MMB : TBBTN\r\n  Left = 0\r\n  Top = 0\r\n  Visible = False\r\n\r\n");
  std::string source = (dir / "Big.java").string();
  static const std::string text = AppletSource();
  platform::WriteFileAtomic(source, text);
  return source;
}

std::string WriteLargeJava(const fs::path& folder, int lines) {
  std::string text;
  text.reserve(static_cast<size_t>(lines) * 42);
  text += "public class Large\n{\n";
  for (int i = 0; i < lines - 3; ++i)
    text += "    int value" + Number(i) + " = compute(source, " + Number(i % 97) + "); // n\n";
  text += "}\n";
  std::string file = (folder / "Large.java").string();
  platform::WriteFileAtomic(file, text);
  return file;
}

// One line of about 10 MB, as a generated or minified source may have.
std::string WriteLongLineJava(const fs::path& folder, size_t bytes) {
  std::string text = "public class Long { int[] values = {";
  text.reserve(bytes + 16);
  for (int i = 0; text.size() < bytes; ++i) text += Number(i % 1000) + ", ";
  text += "}; }\n";
  std::string file = (folder / "Long.java").string();
  platform::WriteFileAtomic(file, text);
  return file;
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct TFigures {
  double open = 0;
  double resize = 0;  // the editor window made wider and narrower five times, each drawn
};

// Opens the file in a fresh workbench and returns the time to the page shown, then the time of
// the resizes; a run that did not do what it times says so.
TFigures TimeOpen(const std::string& file, int components) {
  workbench::CreateWorkbenchWindows();
  workbench::MainForm->Show();
  QApplication::processEvents();
  TFigures figures;
  auto start = Clock::now();
  workbench::EditorForm->OpenFileByName(file);
  QApplication::processEvents();
  figures.open = MillisecondsSince(start);
  if (workbench::EditorForm->ActiveFileName() != file) std::printf("NOT OPENED: %s\n", file.c_str());
  if (components > 0 && designer::ObjInsForm->ComboBox1->count() != components + 1)
    std::printf("NOT DONE: %d of %d components listed\n", designer::ObjInsForm->ComboBox1->count() - 1, components);
  start = Clock::now();
  const int width = workbench::EditorForm->width();
  for (int i = 1; i <= 10; ++i) {
    workbench::EditorForm->resize(width + (i % 2 == 1 ? 100 : 0), workbench::EditorForm->height());
    QApplication::processEvents();
  }
  figures.resize = MillisecondsSince(start);
  workbench::DestroyWorkbenchWindows();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // QT_QPA_PLATFORM=xcb times it on a real display
  // The workbench reads and writes its settings file: keep it away from the user's.
  fs::path folder = fs::temp_directory_path() / ("bench-large-files-" + std::to_string(getpid()));
  fs::create_directories(folder / "config");
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  platform::TApplication application(argc, argv);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && !message.startsWith("This plugin does not support"))
      std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  platform::ModalService::Instance().SetScripted(true);
  struct TCase {
    const char* what;
    std::string file;
    int components;
  };
  const TCase cases[] = {
      {"design of 1,000 Buttons", WriteDesign(folder, "buttons1000", ButtonBlocks(1000)), 1000},
      {"design of 5,000 Buttons", WriteDesign(folder, "buttons5000", ButtonBlocks(5000)), 5000},
      {"design of 500 nested Panels", WriteDesign(folder, "panels500", NestedPanelBlocks(500)), 500},
      {"design of 2,000 nested Panels", WriteDesign(folder, "panels2000", NestedPanelBlocks(2000)), 2000},
      {"Java file of 500,000 lines", WriteLargeJava(folder, 500000), 0},
      {"Java file of one 10 MB line", WriteLongLineJava(folder, 10'000'000), 0},
  };
  auto picked = [&](const TCase& each) {
    for (int i = 1; i < argc; ++i)
      if (std::string(each.what).find(argv[i]) != std::string::npos) return true;
    return argc < 2;
  };
  double previous = 0;
  for (const TCase& each : cases) {
    if (!picked(each)) continue;
    TFigures figures = TimeOpen(each.file, each.components);
    double time = figures.open;
    std::printf("%-32s %10.1f ms", each.what, time);
    if (each.components >= 2000) std::printf("   growth x%.1f", time / previous);
    if (each.components == 0)
      std::printf("   (%.1f MB; resized five times: %.1f ms)", fs::file_size(each.file) / 1e6, figures.resize);
    std::printf("\n");
    std::fflush(stdout);
    previous = time;
  }
  fs::remove_all(folder);
  return 0;
}
