// Lines too long to lay out as a memo would, in every memo the workbench has.
#include "LongLines.h"
#include "SurfaceFixture.h"
#include "designer/ItemsEditor_f.h"
#include "designer/MenuDesigner_f.h"
#include "workbench/About_f.h"
#include "workbench/ArgApplet.h"
#include "workbench/ArgApplica.h"
#include "workbench/BrowsingForm_f.h"
#include "workbench/ClassViewer_f.h"
#include "workbench/CodeTemplet_f.h"
#include "workbench/CompilerMsg_f.h"
#include "workbench/EnvOpt.h"
#include "workbench/GotoLine.h"
#include "workbench/MoreAbout_f.h"

// The source page, a text area on the design surface and every window made.
TEST_F(SurfaceTest, EveryMemoWrapsALineTooLongAnywhere) {
  NewForm(designer::fkApplication);
  ASSERT_NE(Drop(designer::ckTextArea, {20, 20}), nullptr);
  designer::ItemsEditorForm.Get();
  designer::MenuDesigner.Get();
  workbench::AboutForm.Get();
  workbench::ArgForAppletForm.Get();
  workbench::ArgForApplicaForm.Get();
  workbench::BrowsingForm.Get();
  workbench::ClassViewer.Get();
  workbench::TempletForm.Get();
  workbench::CompileMsgForm.Get();
  workbench::EnvForm.Get();
  workbench::LineNumberForm.Get();
  workbench::MoreAboutForm.Get();
  EXPECT_GE(testsupport::ExpectEveryMemoWrapsLongLinesAnywhere(), 11);
}
