// The modeller's Java editor driven as a user would: pages made, opened, saved and closed with
// scripted dialogs, search and replace through the find dialogs, compiles with the real Java
// compiler, the run dialog, and the code generator opening its file in a new page.
#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "Keys.h"
#include "ModellerFixture.h"
#include "modeller/ui/CompMsg.h"
#include "modeller/ui/Editor.h"
#include "modeller/ui/JavaGen.h"
#include "modeller/ui/RunForm.h"
#include "platform/IniFile.h"
#include "platform/Launcher.h"

using namespace modeller;
using platform::ModalAnswer;
using platform::mrCancel;
using platform::mrNo;
using platform::mrOk;
using platform::mrYes;
using testsupport::ReadFile;
using testsupport::TypeKey;
using testsupport::WriteFile;

namespace {

class JavaEditor : public ModellerTest {
 protected:
  TEditorForm& Editor() { return *EditorForm(); }
  TEditSheet& Active() { return *Editor().ActiveSheet(); }
  std::string Caption(int index) { return Editor().Pages(index)->Caption(); }

  TEditSheet& Open(const std::string& path) {
    Modal().Queue(ModalAnswer{mrOk, path, 0, {}});
    Editor().FileOpenItemClick();
    return Active();
  }
  void Type(const std::string& text) { Active().Memo->insertPlainText(QString::fromStdString(text)); }
  std::vector<std::string> Messages() {
    std::vector<std::string> lines;
    for (int i = 0; i < Editor().MessageWindow->count(); ++i) lines.push_back(Editor().MessageWindow->Items(i));
    return lines;
  }
  static std::string Javac() {
    for (const char* path : {"/usr/bin/javac", "/usr/local/bin/javac"})
      if (std::filesystem::exists(path)) return path;
    return {};
  }
  std::string Status() { return CompileMsgForm()->StatusLabel->text().toStdString(); }
};

TEST_F(JavaEditor, NewPageIsUnnamedAndThePageCommandsFollowThePageCount) {
  Editor().Show();
  EXPECT_FALSE(Editor().EditMenu->Visible());
  EXPECT_FALSE(Editor().FileSaveItem->Enabled());
  Editor().FileSaveItemClick();
  Editor().CompileCompileItemClick();
  Editor().FileCloseItemClick();
  EXPECT_EQ(Modal().Log().size(), 0u) << "without a page the page commands do nothing";

  Editor().FileNewItemClick();
  EXPECT_EQ(Editor().PageCount(), 1);
  EXPECT_EQ(Caption(0), "noname.java");
  EXPECT_EQ(Editor().StatusBar->PanelText(0), "1:1");
  EXPECT_EQ(Editor().StatusBar->PanelText(2), "noname.java");
  EXPECT_TRUE(Editor().EditMenu->Visible());
  EXPECT_TRUE(Editor().CompileButton->isVisibleTo(&Editor()));

  Type("ab\ncd");
  EXPECT_EQ(Editor().StatusBar->PanelText(0), "3:2");
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "Modified");

  Modal().Queue(mrOk);
  Editor().CompileCompileItemClick();
  EXPECT_EQ(LastMessage(), "Save it, first!");
}

TEST_F(JavaEditor, OpenAndSaveKeepEveryByteAndTheNewName) {
  const std::string bytes = "class A {\r\n\tint x; // caf\xc3\xa9\r\n}\r\n";
  const std::string source = temp_.File("A.java");
  WriteFile(source, bytes);
  TEditSheet& sheet = Open(source);
  EXPECT_EQ(sheet.Caption(), "A.java");
  EXPECT_TRUE(sheet.HasFileName);
  EXPECT_EQ(sheet.FilePath, source);

  const std::string copy = temp_.File("B.java");
  Modal().Queue(ModalAnswer{mrOk, copy, 0, {}});
  EXPECT_TRUE(Editor().FileSaveAsItemClick());
  EXPECT_EQ(Modal().Log().back().kind, "SaveDialog");
  EXPECT_EQ(ReadFile(copy), bytes);
  EXPECT_EQ(sheet.Caption(), "B.java");

  sheet.Memo->moveCursor(QTextCursor::End);
  Type("// end\r\n");
  EXPECT_TRUE(sheet.IsModified());
  EXPECT_TRUE(Editor().FileSaveItemClick());
  EXPECT_FALSE(sheet.IsModified());
  EXPECT_EQ(ReadFile(copy), bytes + "// end\r\n");
  EXPECT_EQ(ReadFile(source), bytes) << "the first file is left alone";
}

TEST_F(JavaEditor, OpenAndSaveTakeTheJavaExtension) {
  Editor().FileNewItemClick();
  Type("class Foo {}\n");
  Modal().Queue(ModalAnswer{mrOk, temp_.File("Foo"), 0, {}});
  EXPECT_TRUE(Editor().FileSaveItemClick());
  EXPECT_EQ(Active().Caption(), "Foo.java");
  EXPECT_EQ(ReadFile(temp_.File("Foo.java")), "class Foo {}\n");
  EXPECT_EQ(Open(temp_.File("Foo")).FilePath, temp_.File("Foo.java"));
}

TEST_F(JavaEditor, AFailedWriteKeepsThePageAndIsNotCompiled) {
  const std::string folder = temp_.File("locked");
  std::filesystem::create_directory(folder);
  const std::string path = folder + "/C.java";
  WriteFile(path, "class C {}\n");
  TEditSheet& sheet = Open(path);
  Type("x");
  ASSERT_TRUE(testsupport::MakeFolderReadOnly(folder));
  QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner);
  JavaCompilerPath = "/bin/true";
  Modal().Queue(mrOk);
  Editor().CompileCompileItemClick();
  testsupport::MakeFolderWritable(folder);
  EXPECT_EQ(Modal().Log().back().kind, "MessageBox");
  EXPECT_NE(LastMessage().find("C.java"), std::string::npos) << LastMessage();
  EXPECT_TRUE(sheet.IsModified());
  EXPECT_EQ(sheet.FilePath, path);
  EXPECT_FALSE(CompileMsgForm()->isVisible()) << "no compile follows a failed save";
  EXPECT_EQ(ReadFile(path), "class C {}\n");
}

TEST_F(JavaEditor, ClosingAsksForChangedPagesAndActivatesTheRightPage) {
  Editor().FileNewItemClick();
  Editor().FileNewItemClick();
  Editor().FileNewItemClick();
  EXPECT_EQ(Editor().PageControl->currentIndex(), 2);
  Editor().FileCloseItemClick();
  EXPECT_EQ(Editor().PageCount(), 2);
  EXPECT_EQ(Editor().PageControl->currentIndex(), 1) << "the page before the closed one";

  Type("changed");
  Modal().Queue(mrCancel);
  Editor().FileCloseItemClick();
  EXPECT_EQ(Editor().PageCount(), 2);
  EXPECT_EQ(LastMessage(), "Save Changes to noname.java?");

  // Yes on an unnamed page runs Save As; cancelling it asks again.
  Modal().Queue(mrYes);
  Modal().Queue(mrCancel);
  Modal().Queue(mrNo);
  Editor().FileCloseItemClick();
  EXPECT_EQ(Modal().Pending(), 0);
  EXPECT_EQ(Editor().PageCount(), 1);
  EXPECT_EQ(Editor().PageControl->currentIndex(), 0);

  Type("more");
  const std::string saved = temp_.File("Saved.java");
  Modal().Queue(mrYes);
  Modal().Queue(ModalAnswer{mrOk, saved, 0, {}});
  Editor().FileCloseItemClick();
  EXPECT_EQ(Editor().PageCount(), 0);
  EXPECT_EQ(ReadFile(saved), "more");
  EXPECT_FALSE(Editor().FileCloseItem->Enabled());
}

TEST_F(JavaEditor, FindAndReplaceThroughTheDialogs) {
  Editor().FileNewItemClick();
  Type("int count; Count counter;\nint count2 = count;");
  Active().Memo->SetSelStart(0);

  platform::TFindDialog& find = *Editor().FindDialog;
  EXPECT_FALSE(Editor().SearchFindNextItem->Enabled());
  Editor().SearchFindItemClick();
  EXPECT_TRUE(Editor().SearchFindNextItem->Enabled());
  find.FindEdit->setText("count");
  find.WholeWordBox->setChecked(true);
  find.MatchCaseBox->setChecked(false);
  find.DownRadio->setChecked(true);
  find.FindNextClick();
  EXPECT_EQ(Active().Memo->SelStart(), 4);
  Editor().SearchFindNextItemClick();
  EXPECT_EQ(Active().Memo->SelStart(), 11) << "case is ignored";
  Editor().SearchFindNextItemClick();
  EXPECT_EQ(Active().Memo->SelStart(), 39) << "counter and count2 are not whole words";

  Modal().Queue(mrOk);
  Editor().SearchFindNextItemClick();
  EXPECT_EQ(LastMessage(), "Cannot find \"count\".");
  EXPECT_EQ(Active().Memo->SelStart(), 39);
  EXPECT_EQ(Active().Memo->SelLength(), 5) << "the selection stays";

  platform::TReplaceDialog& replace = *Editor().ReplaceDialog;
  Active().Memo->SetSelStart(11);
  Active().Memo->SetSelLength(5);
  replace.FindEdit->setText("COUNT");
  replace.ReplaceEdit->setText("n");
  replace.WholeWordBox->setChecked(false);
  replace.MatchCaseBox->setChecked(true);
  replace.DownRadio->setChecked(true);
  Modal().Queue(mrOk);
  replace.ReplaceClick();
  EXPECT_EQ(Active().Memo->Lines().Get(0), "int count; Count counter;") << "Match case keeps the selection";
  EXPECT_EQ(LastMessage(), "Cannot find \"COUNT\".");
  Active().Memo->SetSelStart(11);
  Active().Memo->SetSelLength(5);
  replace.MatchCaseBox->setChecked(false);
  replace.ReplaceClick();
  EXPECT_EQ(Active().Memo->Lines().Get(0), "int count; n counter;") << "the selection matches in another case";

  // Replacing upwards with a text that holds the find text ends.
  Active().Memo->moveCursor(QTextCursor::End);
  replace.FindEdit->setText("n");
  replace.ReplaceEdit->setText("nn");
  replace.MatchCaseBox->setChecked(false);
  replace.UpRadio->setChecked(true);
  replace.ReplaceAllClick();
  EXPECT_EQ(Active().Memo->Lines().Text(), "innt counnt; nn counnter;\ninnt counnt2 = counnt;");
}

// After Cancel took the focus, typing at the next show still goes to the find text.
TEST_F(JavaEditor, TheReplaceDialogTakesTypingAtEveryShow) {
  Editor().Show();
  Editor().FileNewItemClick();
  platform::TReplaceDialog& replace = *Editor().ReplaceDialog;
  Editor().SearchReplaceItemClick();
  TypeInWindow(replace, "old");
  ClickInWindow(*replace.CancelButton);
  EXPECT_FALSE(replace.isVisible());
  Editor().SearchReplaceItemClick();
  TypeInWindow(replace, "new");
  EXPECT_EQ(replace.FindEdit->text(), "new");
}

TEST_F(JavaEditor, CompileShowsTheCompilerMessagesOrSuccess) {
  const std::string javac = Javac();
  if (javac.empty()) GTEST_SKIP() << "no Java compiler";
  JavaCompilerPath = javac;
  const std::string package = temp_.File("pkg");
  std::filesystem::create_directory(package);
  PackagePath = package;

  const std::string broken = package + "/Broken.java";
  WriteFile(broken, "public class Broken {\n  int x = ;\n}\n");
  Open(broken);
  Editor().CompileCompileItemClick();
  EXPECT_TRUE(Editor().MessageWindow->isVisibleTo(&Editor()));
  std::vector<std::string> messages = Messages();
  ASSERT_FALSE(messages.empty());
  EXPECT_NE(messages[0].find("Broken.java:2: error"), std::string::npos) << messages[0];
  EXPECT_EQ(Status(), "errors!");
  EXPECT_EQ(CompileMsgForm()->FilenameLabel->text().toStdString(), broken);
  EXPECT_TRUE(CompileMsgForm()->OKButton->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(package + "/err.tmp"));

  Active().Memo->Lines().Put(1, "  int x = 1;");
  Editor().CompileCompileItemClick();
  EXPECT_EQ(ReadFile(broken), "public class Broken {\n  int x = 1;\n}\n") << "the page is saved first";
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Status(), "compile successfully!");
  EXPECT_TRUE(std::filesystem::exists(package + "/Broken.class"));
}

TEST_F(JavaEditor, CompilerFailuresAreReportedAsSuch) {
  const std::string path = temp_.File("Q.java");
  WriteFile(path, "class Q {}\n");
  Open(path);
  PackagePath = temp_.File("");

  JavaCompilerPath = temp_.File("no-such-javac");
  Modal().Queue(mrOk);
  Editor().CompileCompileItemClick();
  EXPECT_EQ(LastMessage(), JavaCompilerPath + ": can not run this program.");
  EXPECT_FALSE(CompileMsgForm()->isVisible());

  // A compiler that fails without a word, and one that dies of a signal.
  JavaCompilerPath = "/bin/false";
  Editor().CompileCompileItemClick();
  EXPECT_EQ(Status(), "errors!");
  const std::string noting = temp_.File("noting.sh");
  WriteFile(noting, "#!/bin/sh\necho 'Note: Q.java uses unchecked operations.' >&2\n");
  QFile::setPermissions(QString::fromStdString(noting), QFile::ReadOwner | QFile::ExeOwner);
  JavaCompilerPath = noting;
  Editor().CompileCompileItemClick();
  EXPECT_EQ(Status(), "compile successfully!") << "notes of a compiler that succeeded are no errors";
  EXPECT_EQ(Messages().size(), 1u);
  const std::string killer = temp_.File("killer.sh");
  WriteFile(killer, "#!/bin/sh\necho dying >&2\nkill -9 $$\n");
  QFile::setPermissions(QString::fromStdString(killer), QFile::ReadOwner | QFile::ExeOwner);
  JavaCompilerPath = killer;
  Editor().CompileCompileItemClick();
  EXPECT_EQ(Status(), "terminated abnormally!");
  EXPECT_EQ(Messages(), std::vector<std::string>{"dying"});
}

// An environment variable set for one test.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    if (old != nullptr) old_ = old;
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A class runs in a terminal that stays open until Enter; a page opens with the desktop.
TEST_F(JavaEditor, RunStartsTheInterpreterInATerminalOrOpensThePage) {
  const std::string folder = temp_.File("run");
  const std::string bin = temp_.File("bin");
  std::filesystem::create_directory(folder);
  std::filesystem::create_directory(bin);
  for (const char* name : {"Hello.class", "page.html", "old.htm", "Hello.java"}) WriteFile(folder + "/" + name, "");
  WriteFile(bin + "/x-terminal-emulator", "#!/bin/sh\n");
  std::filesystem::permissions(bin + "/x-terminal-emulator", std::filesystem::perms::owner_all);
  ScopedVariable path("PATH", bin.c_str());
  ScopedVariable terminal("TERMINAL", nullptr);
  JavaInterpreterPath = "/usr/bin/java";
  Editor().FileNewItemClick();
  auto queueRun = [this, &folder](int row) {
    Modal().Queue(ModalAnswer{mrOk, {}, 0, [&folder, row](QWidget*) {
                                TRunDialog& run = *RunDialog();
                                run.Show();
                                run.DirectoryListBox->SetDirectory(folder);
                                run.FillFileList();
                                ASSERT_EQ(run.FileListBox->count(), 2);
                                EXPECT_FALSE(run.RunButton->isEnabled());
                                QRect item = run.FileListBox->visualItemRect(run.FileListBox->item(row));
                                ClickInWindow(*run.FileListBox->viewport(), item.center());
                                ClickInWindow(*run.RunButton);
                                run.hide();
                              }});
  };
  queueRun(0);
  Editor().CompileRunItemClick();
  queueRun(1);
  Editor().CompileRunItemClick();
  EXPECT_EQ(platform::Launcher::Instance().Launched(),
            (std::vector<std::string>{"start " + bin + "/x-terminal-emulator -e sh -c cd \"$1\" && shift && \"$@\"; "
                                      "echo \"Press Enter to continue . . .\"; read answer sh " + folder +
                                      " /usr/bin/java Hello",
                                      "open " + folder + "/page.html"}));

  std::filesystem::remove(bin + "/x-terminal-emulator");
  queueRun(0);
  Modal().Queue(mrOk);
  Editor().CompileRunItemClick();
  EXPECT_EQ(LastMessage(),
            "Java : No terminal program was found to run the console in.\rLooked for: x-terminal-emulator, "
            "gnome-terminal, konsole, xfce4-terminal, kitty, alacritty, xterm.\rInstall one of them, or name yours in "
            "the TERMINAL environment variable.");
  EXPECT_EQ(platform::Launcher::Instance().Launched().size(), 2u);
}

TEST_F(JavaEditor, GenerateOpensTheNewFileInANewPage) {
  const std::string package = temp_.File("gen");
  std::filesystem::create_directory(package);
  PackagePath = package;
  auto* box = Make<TJavaClass>(&Graph());
  box->Place(20, 40, 20, 40);
  box->SetName("Circle");
  Modal().Queue(ModalAnswer{mrOk, {}, 0, [](QWidget* window) {
                              auto& generator = *dynamic_cast<TJavaCodeGenerator*>(window);
                              generator.ListBox->setCurrentRow(0);
                              generator.GenerateOneButton->click();
                            }});
  Modal().Queue(mrOk);  // the generate log
  Main().ToolsJAVACodeGenerator->Click();
  ASSERT_EQ(Editor().PageCount(), 1);
  EXPECT_TRUE(Editor().isVisible());
  EXPECT_EQ(Active().FilePath, package + "/Circle.java");
  EXPECT_EQ(Active().Caption(), "Circle.java");
  EXPECT_EQ(Active().Memo->toPlainText().toStdString(), ReadFile(package + "/Circle.java"));
  EXPECT_FALSE(Active().IsModified());
}

TEST_F(JavaEditor, CtrlOCtrlSAndF8AnswerTheMenuOfTheWindowTheyAreTypedIn) {
  Draw(Main().ClassButton, 102, 42, 102, 42);
  Editor().Show();
  TypeKey(Editor(), Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(Editor().PageCount(), 1);
  Modal().Queue(mrOk);
  TypeKey(Editor(), Qt::Key_F8);
  EXPECT_EQ(LastMessage(), "Save it, first!");
  platform::TCanvas& diagram = *Main().PaintBox->Canvas();
  diagram.Clear(platform::clWhite);
  TypeKey(Main(), Qt::Key_F8);
  EXPECT_EQ(diagram.Pixels(102, 60), platform::clBlack) << "the class box's left edge is drawn anew";

  Modal().Queue(ModalAnswer{mrOk, temp_.File("Page.java"), 0, {}});
  TypeKey(Editor(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(Active().FilePath, temp_.File("Page.java"));
  Modal().Queue(ModalAnswer{mrOk, temp_.File("model.zel"), 0, {}});
  TypeKey(Main(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(ModelFileName, temp_.File("model.zel"));

  Modal().Queue(ModalAnswer{mrOk, temp_.File("Page.java"), 0, {}});
  TypeKey(Editor(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Editor().PageCount(), 2);
  Draw(Main().ClassButton, 302, 42, 302, 42);
  Modal().Queue(ModalAnswer{mrOk, temp_.File("model.zel"), 0, {}});
  Modal().Queue(mrNo);  // the changed model is not saved
  TypeKey(Main(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Graph().NodeCount(), 1);
}

TEST_F(JavaEditor, CtrlCAndCtrlVInTheMainWindowCopyTheSelectedClassWhileTheEditorIsShown) {
  Editor().Show();
  Editor().FileNewItemClick();
  Type("text");
  Active().Memo->selectAll();
  Draw(Main().ClassButton, 102, 42, 102, 42);
  Click(112, 47);
  TypeKey(Main(), Qt::Key_C, Qt::ControlModifier);
  TypeKey(Main(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Graph().NodeCount(), 2);
  EXPECT_EQ(Active().Memo->toPlainText(), "text");
}

TEST_F(JavaEditor, ThePlaceIsKeptInTheSettingsFile) {
  Editor().Show();
  Editor().SetBounds(30, 40, 500, 380);
  Editor().FileNewItemClick();
  Type("unsaved");
  Modal().Queue(mrCancel);
  EXPECT_TRUE(Editor().close());
  EXPECT_EQ(Editor().PageCount(), 1) << "Cancel keeps the page, and the window closes all the same";
  platform::TIniFile ini(SettingsFileName());
  EXPECT_EQ(ini.ReadInteger("Editor", "Width", 0), 500);
  EXPECT_EQ(ini.ReadInteger("Editor", "Left", 0), 30);
}

}  // namespace
