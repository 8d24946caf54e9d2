#pragma once
// A fresh workbench per test: the start-up windows created and the main window shown, as at start-up,
// with every dialog scripted.
#include "TestSupport.h"
#include "platform/RichEdit.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"
#include "workbench/Program.h"

class WorkbenchTest : public testsupport::ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    workbench::CreateWorkbenchWindows();
    workbench::MainForm->Show();
  }
  void TearDown() override {
    workbench::DestroyWorkbenchWindows();
    ScriptedTest::TearDown();
  }
  workbench::TMainForm& Main() { return *workbench::MainForm; }
  workbench::TEditorForm& Editor() { return *workbench::EditorForm; }
  platform::TRichEdit& Active() { return *Editor().ActiveEditor(); }

  // Opens a file through File > Open with the dialog answered by that name.
  void OpenThroughDialog(const std::string& fileName) {
    Modal().Queue(platform::ModalAnswer{platform::mrOk, fileName, 0, {}});
    Main().OpenFile1Click();
  }
  void AnswerSaveDialog(const std::string& fileName, int filterIndex = 0) {
    Modal().Queue(platform::ModalAnswer{platform::mrOk, fileName, filterIndex, {}});
  }
};
