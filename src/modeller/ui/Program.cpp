#include "modeller/ui/Program.h"

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
#include "modeller/model/Globals.h"
#include "modeller/ui/Main.h"
#include "modeller/ui/MethIns.h"
#include "modeller/ui/OperIns.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/PackForm.h"
#include "modeller/ui/RunForm.h"
#include "modeller/ui/Splash.h"
#include "modeller/ui/TextIns.h"
#include "modeller/ui/ToolPlace.h"
#include "modeller/ui/Translators.h"
#include "modeller/ui/TypeDlg.h"
#include "platform/OnDemand.h"

namespace modeller {

namespace {

// The one window of each kind, made when first asked for.
template <class T>
platform::OnDemand<T>& Window() {
  static platform::OnDemand<T> window;
  return window;
}

template <class T>
T* Made() {
  return Window<T>().Get();
}

template <class T>
void Free(T*& window) {
  delete window;
  window = nullptr;
}

// A tool window never made is closed only when its place in the settings file lacks a key, so the
// file gets the window's own bounds as before; a complete place stays as it was read.
template <class T>
void CloseToolWindow(const TToolPlace& place) {
  if (!Window<T>().Made() && ToolPlaceComplete(place)) return;
  Made<T>()->close();
}

}  // namespace

TClassInspector* ClassInspector() { return Made<TClassInspector>(); }
TAttributeInspector* AttributeInspector() { return Made<TAttributeInspector>(); }
TOperationInspector* OperationInspector() { return Made<TOperationInspector>(); }
TArgumentInspector* ArgumentInspector() { return Made<TArgumentInspector>(); }
TTextInspector* TextInspector() { return Made<TTextInspector>(); }
TCommentInspector* CommentInspector() { return Made<TCommentInspector>(); }
TAboutBox* AboutBox() { return Made<TAboutBox>(); }
TAssociationInspector* AssociationInspector() { return Made<TAssociationInspector>(); }
TMethodInspector* MethodInspector() { return Made<TMethodInspector>(); }
TInterfaceInspector* InterfaceInspector() { return Made<TInterfaceInspector>(); }
TConstantInspector* ConstantInspector() { return Made<TConstantInspector>(); }
TJavaCodeGenerator* JavaCodeGenerator() { return Made<TJavaCodeGenerator>(); }
TOptionsForm* OptionsForm() { return Made<TOptionsForm>(); }
TConstructorInspector* ConstructorInspector() { return Made<TConstructorInspector>(); }
TTypesDlg* TypesDlg() { return Made<TTypesDlg>(); }
TFromAncestorDlg* FromAncestorDlg() { return Made<TFromAncestorDlg>(); }
TBrowserForm* BrowserForm() { return Made<TBrowserForm>(); }
TDesignInfoForm* DesignInfoForm() { return Made<TDesignInfoForm>(); }
TPackageForm* PackageForm() { return Made<TPackageForm>(); }
TDirectoryBrowser* DirectoryBrowser() { return Made<TDirectoryBrowser>(); }
TImportForm* ImportForm() { return Made<TImportForm>(); }
TEditorForm* EditorForm() { return Made<TEditorForm>(); }
TEditorAboutForm* EditorAboutForm() { return Made<TEditorAboutForm>(); }
TCompileMsgForm* CompileMsgForm() { return Made<TCompileMsgForm>(); }
TRunDialog* RunDialog() { return Made<TRunDialog>(); }
TGenerateLogForm* GenerateLogForm() { return Made<TGenerateLogForm>(); }
TTranslatorsForm* TranslatorsForm() { return Made<TTranslatorsForm>(); }

// The viewer shows the browser font from the start, as the main window gives it to a made viewer.
TCodeViewerForm* CodeViewerForm() {
  platform::OnDemand<TCodeViewerForm>& viewer = Window<TCodeViewerForm>();
  if (!viewer.Made()) viewer->SetViewerFont(BrowserFont, BrowserColor);
  return viewer.Get();
}

// The main window and the tool windows the settings file shows are made now, in their fixed order;
// every other window waits until it is first asked for.
void CreateModellerWindows() {
  MainForm = new TMainForm();
  platform::Application()->MainForm = MainForm;
  if (ToolPlaceVisible(kBrowserPlace)) BrowserForm();
  if (ToolPlaceVisible(kEditorPlace)) EditorForm();
  if (ToolPlaceVisible(kCodeViewerPlace)) CodeViewerForm();
  if (ToolPlaceVisible(kTranslatorsPlace)) TranslatorsForm();
}

void ApplyOptionsToToolWindows() {
  if (Window<TCodeViewerForm>().Made()) CodeViewerForm()->SetViewerFont(BrowserFont, BrowserColor);
  if (Window<TEditorForm>().Made()) EditorForm()->SetPagesFont();
}

void CloseToolWindows() {
  SetMainWindowClosing(true);
  CloseToolWindow<TEditorForm>(kEditorPlace);
  CloseToolWindow<TBrowserForm>(kBrowserPlace);
  CloseToolWindow<TCodeViewerForm>(kCodeViewerPlace);
  CloseToolWindow<TTranslatorsForm>(kTranslatorsPlace);
  SetMainWindowClosing(false);
}

// Freed in reverse order of the start-up order; the main window, which owns the handlers, goes last.
// A splash still up goes with them.
void DestroyModellerWindows() {
  Window<TTranslatorsForm>().Free();
  Window<TGenerateLogForm>().Free();
  Window<TRunDialog>().Free();
  Window<TCodeViewerForm>().Free();
  Window<TCompileMsgForm>().Free();
  Window<TEditorAboutForm>().Free();
  Window<TEditorForm>().Free();
  Window<TImportForm>().Free();
  Window<TDirectoryBrowser>().Free();
  Window<TPackageForm>().Free();
  Window<TDesignInfoForm>().Free();
  Window<TBrowserForm>().Free();
  Window<TFromAncestorDlg>().Free();
  Window<TTypesDlg>().Free();
  Window<TConstructorInspector>().Free();
  Window<TOptionsForm>().Free();
  Window<TJavaCodeGenerator>().Free();
  Window<TConstantInspector>().Free();
  Window<TInterfaceInspector>().Free();
  Window<TMethodInspector>().Free();
  Window<TAssociationInspector>().Free();
  Window<TAboutBox>().Free();
  Window<TCommentInspector>().Free();
  Window<TTextInspector>().Free();
  Window<TArgumentInspector>().Free();
  Window<TOperationInspector>().Free();
  Window<TAttributeInspector>().Free();
  Window<TClassInspector>().Free();
  platform::Application()->MainForm = nullptr;
  Free(MainForm);
  Free(SplashForm);
}

}  // namespace modeller
