// Lines too long to lay out as a memo would, in every memo the modeller has.
#include "LongLines.h"
#include "ModellerFixture.h"
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
#include "modeller/ui/MethIns.h"
#include "modeller/ui/OperIns.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/PackForm.h"
#include "modeller/ui/RunForm.h"
#include "modeller/ui/TextIns.h"
#include "modeller/ui/Translators.h"
#include "modeller/ui/TypeDlg.h"

// Every window made, the editor with a page.
TEST_F(ModellerTest, EveryMemoWrapsALineTooLongAnywhere) {
  using namespace modeller;
  AboutBox();
  ArgumentInspector();
  AssociationInspector();
  AttributeInspector();
  BrowserForm();
  ClassInspector();
  CommentInspector();
  ConstructorInspector();
  CodeViewerForm();
  CompileMsgForm();
  ConstantInspector();
  DirectoryBrowser();
  DesignInfoForm();
  EditorAboutForm();
  FromAncestorDlg();
  GenerateLogForm();
  ImportForm();
  InterfaceInspector();
  JavaCodeGenerator();
  MethodInspector();
  OperationInspector();
  OptionsForm();
  PackageForm();
  RunDialog();
  TextInspector();
  TranslatorsForm();
  TypesDlg();
  EditorForm()->NewPage();
  EXPECT_GE(testsupport::ExpectEveryMemoWrapsLongLinesAnywhere(), 8);
}
