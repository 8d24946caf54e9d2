#include "workbench/Program.h"

#include "designer/ItemsEditor_f.h"
#include "designer/MenuDesigner_f.h"
#include "designer/ObjIns.h"
#include "workbench/About_f.h"
#include "workbench/ArgApplet.h"
#include "workbench/ArgApplica.h"
#include "workbench/BrowsingForm_f.h"
#include "workbench/ClassViewer_f.h"
#include "workbench/CodeTemplet_f.h"
#include "workbench/CompilerMsg_f.h"
#include "workbench/Editor.h"
#include "workbench/EnvOpt.h"
#include "workbench/GotoLine.h"
#include "workbench/Main.h"
#include "workbench/MoreAbout_f.h"

namespace workbench {

// The main window, the inspector and the editor are shown at start-up; every other window is built
// when first used.
void CreateWorkbenchWindows() {
  MainForm = new TMainForm();
  platform::Application()->MainForm = MainForm;
  designer::ObjInsForm = new designer::TObjInsForm();
  EditorForm = new TEditorForm();
}

// Freed in reverse order; the main window goes last, with the design frames it owns.
void DestroyWorkbenchWindows() {
  CompileMsgForm.Free();
  MoreAboutForm.Free();
  TempletForm.Free();
  ClassViewer.Free();
  AboutForm.Free();
  BrowsingForm.Free();
  designer::ItemsEditorForm.Free();
  designer::MenuDesigner.Free();
  ArgForAppletForm.Free();
  ArgForApplicaForm.Free();
  LineNumberForm.Free();
  EnvForm.Free();
  delete EditorForm;
  delete designer::ObjInsForm;
  delete MainForm;
  MainForm = nullptr;
  EditorForm = nullptr;
  platform::Application()->MainForm = nullptr;
}

}  // namespace workbench
