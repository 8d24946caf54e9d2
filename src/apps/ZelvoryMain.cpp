// Zelvory: the splash, the shared model state and class registry, the long-lived windows in their
// order, then the message loop until the main window closes. The command line is ignored.
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/Main.h"
#include "modeller/ui/Program.h"
#include "modeller/ui/Splash.h"
#include "platform/Forms.h"

int main(int argc, char** argv) {
  platform::TApplication application(argc, argv);
  modeller::RegisterConceptClasses();
  modeller::InitGlobals();
  modeller::SplashForm = new modeller::TSplashForm();
  modeller::SplashForm->Show();
  application.processEvents();
  application.SetTitle(modeller::kProgramTitle);
  application.HelpFile = application.ExeDir() + "Help/Zelvory.html";
  modeller::CreateModellerWindows();
  modeller::MainForm->Show();
  application.exec();
  modeller::DestroyModellerWindows();
  modeller::DoneGlobals();
  return 0;
}
