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
#include "modeller/ui/Main.h"
#include "modeller/ui/MethIns.h"
#include "modeller/ui/OperIns.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/PackForm.h"
#include "modeller/ui/RunForm.h"
#include "modeller/ui/Splash.h"
#include "modeller/ui/TextIns.h"
#include "modeller/ui/Translators.h"
#include "modeller/ui/TypeDlg.h"

namespace modeller {

void CreateModellerWindows() {
  MainForm = new TMainForm();
  platform::Application()->MainForm = MainForm;
  ClassInspector = new TClassInspector();
  AttributeInspector = new TAttributeInspector();
  OperationInspector = new TOperationInspector();
  ArgumentInspector = new TArgumentInspector();
  TextInspector = new TTextInspector();
  CommentInspector = new TCommentInspector();
  AboutBox = new TAboutBox();
  AssociationInspector = new TAssociationInspector();
  MethodInspector = new TMethodInspector();
  InterfaceInspector = new TInterfaceInspector();
  ConstantInspector = new TConstantInspector();
  JavaCodeGenerator = new TJavaCodeGenerator();
  OptionsForm = new TOptionsForm();
  ConstructorInspector = new TConstructorInspector();
  TypesDlg = new TTypesDlg();
  FromAncestorDlg = new TFromAncestorDlg();
  BrowserForm = new TBrowserForm();
  DesignInfoForm = new TDesignInfoForm();
  PackageForm = new TPackageForm();
  DirectoryBrowser = new TDirectoryBrowser();
  ImportForm = new TImportForm();
  EditorForm = new TEditorForm();
  EditorAboutForm = new TEditorAboutForm();
  CompileMsgForm = new TCompileMsgForm();
  CodeViewerForm = new TCodeViewerForm();
  RunDialog = new TRunDialog();
  GenerateLogForm = new TGenerateLogForm();
  TranslatorsForm = new TTranslatorsForm();
}

namespace {

template <class T>
void Free(T*& window) {
  delete window;
  window = nullptr;
}

}  // namespace

// Freed in reverse order; the main window, which owns the handlers, goes last. A splash still up
// goes with them.
void DestroyModellerWindows() {
  Free(TranslatorsForm);
  Free(GenerateLogForm);
  Free(RunDialog);
  Free(CodeViewerForm);
  Free(CompileMsgForm);
  Free(EditorAboutForm);
  Free(EditorForm);
  Free(ImportForm);
  Free(DirectoryBrowser);
  Free(PackageForm);
  Free(DesignInfoForm);
  Free(BrowserForm);
  Free(FromAncestorDlg);
  Free(TypesDlg);
  Free(ConstructorInspector);
  Free(OptionsForm);
  Free(JavaCodeGenerator);
  Free(ConstantInspector);
  Free(InterfaceInspector);
  Free(MethodInspector);
  Free(AssociationInspector);
  Free(AboutBox);
  Free(CommentInspector);
  Free(TextInspector);
  Free(ArgumentInspector);
  Free(OperationInspector);
  Free(AttributeInspector);
  Free(ClassInspector);
  platform::Application()->MainForm = nullptr;
  Free(MainForm);
  Free(SplashForm);
}

}  // namespace modeller
