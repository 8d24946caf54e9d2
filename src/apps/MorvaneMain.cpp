// Morvane: the splash, the long-lived windows in their order, then the message loop until the
// main window closes. The command line is ignored.
#include "platform/Forms.h"
#include "workbench/Main.h"
#include "workbench/Program.h"
#include "workbench/Splash_f.h"

int main(int argc, char** argv) {
  platform::TApplication application(argc, argv);
  auto* splash = new workbench::TSplashForm();
  splash->Show();
  application.processEvents();
  workbench::CreateWorkbenchWindows();
  splash->Close();
  workbench::MainForm->Show();
  application.Run();
  workbench::DestroyWorkbenchWindows();
  return 0;
}
