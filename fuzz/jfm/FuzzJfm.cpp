// Feeds arbitrary bytes to the design file reader, as the editor does when it opens a designed
// source, in a headless workbench. A file it refuses must leave no frame behind; a design it reads
// must be written out and read back to the same text, and closing its page must take it away.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "designer/DesignFile.h"
#include "designer/FormDesigner_f.h"
#include "platform/Forms.h"
#include "platform/ModalService.h"
#include "platform/SysUtils.h"
#include "workbench/Main.h"
#include "workbench/Program.h"

using namespace designer;

namespace {

int FrameCount() { return static_cast<int>(workbench::MainForm->findChildren<TFrame*>().size()); }

// Every message box the reader shows is answered with OK.
void AnswerEveryBox() {
  platform::ModalService& modal = platform::ModalService::Instance();
  if (!modal.Log().empty()) modal.Reset();
  while (modal.Pending() < 512) modal.Queue(platform::mrOk);
}

// Opens a new page and reads the design file text into it, as the editor does.
TFrame* Read(const std::string& text) {
  AnswerEveryBox();
  WriteScratch("Fuzz.jfm", text);
  workbench::MainForm->NewJavafileClick();
  return LoadDesignFile(ScratchFolder(), "Fuzz");
}

void CloseAll() {
  workbench::MainForm->CloseAll1Click();
  Require(FrameCount() == 0, "closing the pages takes their frames away");
}

}  // namespace

// The font cache that fontconfig keeps for the life of the process is no leak of the reader's.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("XDG_CONFIG_HOME", ScratchFolder().c_str(), 1);
  static platform::TApplication application(*argc, *argv);
  platform::ModalService::Instance().SetScripted(true);
  workbench::CreateWorkbenchWindows();
  workbench::MainForm->Show();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFrame* frame = Read(std::string(reinterpret_cast<const char*>(data), size));
  if (frame == nullptr) {
    Require(FrameCount() == 0, "a refused design leaves no frame behind");
    CloseAll();
    return 0;
  }
  std::string written = DesignText(*frame).Text();
  CloseAll();
  frame = Read(written);
  Require(frame != nullptr, "a written design is read again");
  Require(DesignText(*frame).Text() == written, "a written design reads back the same");
  CloseAll();
  return 0;
}
