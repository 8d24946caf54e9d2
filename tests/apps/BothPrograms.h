#pragma once
// Both programs at once, every window of each made, as a user who has opened them all would have
// them: the workbench's main window, inspector and a design surface shown, and the modeller's main
// window shown.
#include "TestSupport.h"
#include "designer/ItemsEditor_f.h"
#include "designer/MenuDesigner_f.h"
#include "designer/ObjIns.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/About.h"
#include "modeller/ui/ArgIns.h"
#include "modeller/ui/AssoIns.h"
#include "modeller/ui/AttrIns.h"
#include "modeller/ui/Browser.h"
#include "modeller/ui/ClassIns.h"
#include "modeller/ui/CmmtIns.h"
#include "modeller/ui/CnstrIns.h"
#include "modeller/ui/CodeView.h"
#include "modeller/ui/CompMsg.h"
#include "modeller/ui/ConstIns.h"
#include "modeller/ui/DirBrwsr.h"
#include "modeller/ui/DsgnInfo.h"
#include "modeller/ui/EditAbout.h"
#include "modeller/ui/Editor.h"
#include "modeller/ui/FrmAnDlg.h"
#include "modeller/ui/GenLog.h"
#include "modeller/ui/ImptForm.h"
#include "modeller/ui/IntfIns.h"
#include "modeller/ui/JavaGen.h"
#include "modeller/ui/Main.h"
#include "modeller/ui/MethIns.h"
#include "modeller/ui/OperIns.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/PackForm.h"
#include "modeller/ui/RunForm.h"
#include "modeller/ui/TextIns.h"
#include "modeller/ui/Translators.h"
#include "modeller/ui/TypeDlg.h"
#include "modeller/ui/Program.h"
#include "platform/Controls.h"
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
#include "workbench/Program.h"

// The workbench makes most of its windows on first use; every one is asked for so that all are seen.
inline void MakeEveryWorkbenchWindow() {
  using namespace workbench;
  AboutForm.Get(), ArgForAppletForm.Get(), ArgForApplicaForm.Get(), BrowsingForm.Get(), ClassViewer.Get();
  TempletForm.Get(), CompileMsgForm.Get(), EnvForm.Get(), LineNumberForm.Get(), MoreAboutForm.Get();
  designer::ItemsEditorForm.Get(), designer::MenuDesigner.Get();
  EditorForm->FindDialog1(), EditorForm->ReplaceDialog1();
}

// The modeller makes most of its windows on first use; every one is asked for so that all are seen.
inline void MakeEveryModellerWindow() {
  using namespace modeller;
  ClassInspector(), AttributeInspector(), OperationInspector(), ArgumentInspector(), TextInspector();
  CommentInspector(), AboutBox(), AssociationInspector(), MethodInspector(), InterfaceInspector();
  ConstantInspector(), JavaCodeGenerator(), OptionsForm(), ConstructorInspector(), TypesDlg(), FromAncestorDlg();
  BrowserForm(), DesignInfoForm(), PackageForm(), DirectoryBrowser(), ImportForm(), EditorForm();
  EditorAboutForm(), CompileMsgForm(), CodeViewerForm(), RunDialog(), GenerateLogForm(), TranslatorsForm();
}

class BothPrograms : public testsupport::ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    workbench::CreateWorkbenchWindows();
    workbench::MainForm->Show();
    designer::ObjInsForm->Show();
    designer::ObjInsForm->SetBounds(0, 99, 170, 439);  // as the program places it at start-up
    workbench::MainForm->forApplication1Click();  // a design surface, and the inspector's rows in use
    MakeEveryWorkbenchWindow();
    modeller::RegisterConceptClasses();
    modeller::InitGlobals();
    modeller::CreateModellerWindows();
    MakeEveryModellerWindow();
    modeller::MainForm->Show();
  }
  void TearDown() override {
    modeller::DestroyModellerWindows();
    modeller::DoneGlobals();
    workbench::DestroyWorkbenchWindows();
    ScriptedTest::TearDown();
  }
};
