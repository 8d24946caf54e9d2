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

void CreateWorkbenchWindows() {
  MainForm = new TMainForm();
  platform::Application()->MainForm = MainForm;
  designer::ObjInsForm = new designer::TObjInsForm();
  EditorForm = new TEditorForm();
  EnvForm = new TEnvForm();
  LineNumberForm = new TLineNumberForm();
  ArgForApplicaForm = new TArgForApplicaForm();
  ArgForAppletForm = new TArgForAppletForm();
  designer::MenuDesigner = new designer::TMenuDesigner();
  designer::ItemsEditorForm = new designer::TItemsEditorForm();
  BrowsingForm = new TBrowsingForm();
  AboutForm = new TAboutForm();
  ClassViewer = new TClassViewer();
  TempletForm = new TTempletForm();
  MoreAboutForm = new TMoreAboutForm();
  CompileMsgForm = new TCompileMsgForm();
}

// Freed in reverse order; the main window goes last, with the design frames it owns.
void DestroyWorkbenchWindows() {
  delete CompileMsgForm;
  delete MoreAboutForm;
  delete TempletForm;
  delete ClassViewer;
  delete AboutForm;
  delete BrowsingForm;
  delete designer::ItemsEditorForm;
  delete designer::MenuDesigner;
  delete ArgForAppletForm;
  delete ArgForApplicaForm;
  delete LineNumberForm;
  delete EnvForm;
  delete EditorForm;
  delete designer::ObjInsForm;
  delete MainForm;
  MainForm = nullptr;
  EditorForm = nullptr;
  platform::Application()->MainForm = nullptr;
}

}  // namespace workbench
