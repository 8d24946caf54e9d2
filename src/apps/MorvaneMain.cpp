// Morvane: the splash, the long-lived windows in their order, then the message loop until the
// main window closes. The command line is ignored.
#include "designer/ObjIns.h"
#include "platform/Forms.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"
#include "workbench/Program.h"
#include "workbench/Splash_f.h"

int main(int argc, char** argv) {
  platform::TApplication application(argc, argv);
  auto* splash = new workbench::TSplashForm();
  splash->Show();
  application.processEvents();
  workbench::CreateWorkbenchWindows();
  splash->close();
  // Until the settings place them: the strip along the top, the inspector on the left below it.
  workbench::MainForm->SetBounds(0, 0, 800, workbench::MainForm->Height());
  designer::ObjInsForm->SetBounds(0, 99, 170, 439);
  workbench::EditorForm->SetBounds(170, 99, 630, 439);
  designer::ObjInsForm->Show();
  workbench::MainForm->Show();
  application.exec();
  workbench::DestroyWorkbenchWindows();
  return 0;
}
