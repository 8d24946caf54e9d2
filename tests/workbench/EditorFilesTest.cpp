// What reaches the disk: byte-exact round trips, failed saves, compiler messages from the real
// javac, the design link line and printing.
#include <QPrinter>
#include <filesystem>

#include "Keys.h"
#include "WorkbenchFixture.h"
#include "platform/Printing.h"
#include "platform/SysUtils.h"

using namespace platform;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

// Opens, edits nothing, marks the page modified and saves it: the bytes must not change.
void ExpectUnchangedAfterSave(workbench::TEditorForm& editor, const std::string& name, const std::string& bytes) {
  WriteFile(name, bytes);
  editor.OpenFileByName(name);
  editor.ActiveEditor()->SetModified(true);
  ASSERT_TRUE(editor.SaveFile());
  EXPECT_EQ(ReadFile(name), bytes) << name;
}

}  // namespace

TEST_F(WorkbenchTest, OpenAndSaveKeepsEveryByteOfUtf8Latin1LfAndCrLfFiles) {
  ExpectUnchangedAfterSave(Editor(), temp_.File("Utf8Lf.java"), "// Gr\xC3\xBC\xC3\x9F" "e\nclass A {}\n");
  ExpectUnchangedAfterSave(Editor(), temp_.File("Utf8CrLf.java"), "// \xE2\x82\xAC\r\nclass B {\r\n}\r\n");
  ExpectUnchangedAfterSave(Editor(), temp_.File("Latin1.java"), "// caf\xE9 na\xEFve\r\nclass C {}\r\n");
  ExpectUnchangedAfterSave(Editor(), temp_.File("NoFinalBreak.java"), "class D {}");
}

// Files far beyond a hand-written source: a line of a million characters, many short lines with
// comments in Latin-1 and CR LF. Opening colours their comments; saving gives every byte back.
TEST_F(WorkbenchTest, OpenAndSaveKeepsEveryByteOfLargeFiles) {
  std::string oneLine = "int a = 1; // \xC3\xA9";
  while (oneLine.size() < 1'000'000) oneLine += " abcdefghi";
  std::string manyLines;
  for (int i = 0; i < 50'000; ++i) manyLines += "int v" + std::to_string(i) + " = '\"'; // caf\xE9\r\n";
  struct TCase {
    const char* name;
    const std::string& bytes;
  };
  const TCase cases[] = {{"OneLine.java", oneLine}, {"ManyLines.java", manyLines}};
  for (const TCase& each : cases) ExpectUnchangedAfterSave(Editor(), temp_.File(each.name), each.bytes);
}

// A line wider than Qt's text layout can place unwrapped wraps at the page's width: its end is
// reached with the keys and drawn inside the page, and a character typed there is the only byte
// that changes. Once the line is gone the page no longer wraps.
TEST_F(WorkbenchTest, ALineTooLongToDrawUnwrappedWrapsAndItsEndCanBeEdited) {
  std::string line = "int[] v = {";
  while (line.size() < 6'000'000) line += "1, ";
  line += "};";
  const std::string name = temp_.File("Long.java");
  WriteFile(name, line);
  Editor().OpenFileByName(name);
  testsupport::TypeKey(Editor(), Qt::Key_End, Qt::ControlModifier);
  testsupport::TypeKey(Editor(), Qt::Key_X);
  EXPECT_EQ(Active().lineWrapMode(), QPlainTextEdit::WidgetWidth);
  const QRect caret = Active().cursorRect();
  EXPECT_TRUE(Active().viewport()->rect().contains(caret.center())) << caret.x() << ", " << caret.y();
  ASSERT_TRUE(Editor().SaveFile());
  EXPECT_EQ(ReadFile(name), line + "x");
  testsupport::TypeKey(Editor(), Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
  testsupport::TypeKey(Editor(), Qt::Key_Delete);
  EXPECT_EQ(Active().TextLength(), 0);
  EXPECT_EQ(Active().lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(WorkbenchTest, EditedLatin1FileIsSavedInLatin1WithItsLineBreaks) {
  WriteFile(temp_.File("L.java"), "// caf\xE9\r\n");
  Editor().OpenFileByName(temp_.File("L.java"));
  Active().Lines().Add("// \xC3\xA0");  // typed text arrives as UTF-8
  ASSERT_TRUE(Editor().SaveFile());
  EXPECT_EQ(ReadFile(temp_.File("L.java")), "// caf\xE9\r\n// \xE0\r\n");
}

// An edit of one line leaves every byte of the others as it was: non-breaking spaces in either
// encoding, a byte-order mark.
TEST_F(WorkbenchTest, SavingAfterAnEditElsewhereKeepsEveryOtherByte) {
  struct TCase {
    const char* file;
    std::string before, after;
  };
  const TCase cases[] = {
      {"Latin1Nbsp.java", "String s = \"a\xA0" "b\";\r\n// one\r\n", "String s = \"a\xA0" "b\";\r\n// two\r\n"},
      {"Utf8Nbsp.java", "String s = \"a\xC2\xA0" "b\";\n// one\n", "String s = \"a\xC2\xA0" "b\";\n// two\n"},
      {"BothNbsp.java", "char a = '\xA0', b = '\xC2\xA0';\n// one\n", "char a = '\xA0', b = '\xC2\xA0';\n// two\n"},
      {"Bom.java", "\xEF\xBB\xBF" "class B {}\n// one\n", "\xEF\xBB\xBF" "class B {}\n// two\n"},
  };
  for (const TCase& each : cases) {
    const std::string name = temp_.File(each.file);
    WriteFile(name, each.before);
    Editor().OpenFileByName(name);
    Active().Lines().Put(1, "// two");
    ASSERT_TRUE(Editor().SaveFile());
    EXPECT_EQ(ReadFile(name), each.after) << each.file;
  }
}

// A file too large to edit is refused with a message naming it: no page is left behind whose
// saving would write nothing over the file.
TEST_F(WorkbenchTest, AFileTooLargeToEditIsRefusedAndNoPageIsLeft) {
  const std::string large = temp_.File("Large.java");
  WriteFile(large, "class Large {}\n");
  std::filesystem::resize_file(large, platform::kLargestEditedFile + 1);
  const int pages = Editor().GetPageCount();
  Modal().Queue(mrOk);
  Editor().OpenFileByName(large);
  EXPECT_EQ(Editor().GetPageCount(), pages);
  ASSERT_FALSE(Modal().Log().empty());
  EXPECT_EQ(Modal().Log().back().text, "Cannot open file " + large + ". It is larger than 32 MB.");
  EXPECT_EQ(std::filesystem::file_size(large), platform::kLargestEditedFile + 1);
}

TEST_F(WorkbenchTest, FailedSaveIntoAReadOnlyFolderLosesNothing) {
  std::string folder = temp_.File("locked");
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  WriteFile(folder + "/K.java", "class K {}\n");
  Editor().OpenFileByName(folder + "/K.java");
  Active().Lines().Add("// new work");
  ASSERT_TRUE(testsupport::MakeFolderReadOnly(folder));
  Modal().Queue(mrOk);  // the error box
  EXPECT_FALSE(Editor().SaveFile());
  testsupport::MakeFolderWritable(folder);
  EXPECT_EQ(Modal().Log().back().caption, "Error");
  EXPECT_NE(Modal().Log().back().text.find(folder + "/K.java"), std::string::npos);
  EXPECT_EQ(ReadFile(folder + "/K.java"), "class K {}\n");
  EXPECT_TRUE(Active().Modified());
  EXPECT_EQ(Active().Lines()[1], "// new work");
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "Modified");
}

TEST_F(WorkbenchTest, DoubleClickOnARealJavacMessageJumpsToTheErrorLine) {
  std::string source = temp_.File("Broken.java");
  WriteFile(source, "public class Broken {\n  void f() {\n    int x = 1\n  }\n}\n");
  std::string command = "cd '" + temp_.Path() + "' && javac Broken.java 2> javac.err";
  ASSERT_NE(testsupport::RunShell(command), 0);
  Editor().OpenFileByName(source);
  TStringList messages;
  messages.LoadFromFile(temp_.File("javac.err"));
  for (const std::string& line : messages.Lines()) Editor().MessageWindow->AddItem(line);
  ASSERT_NE(Editor().MessageWindow->Items(0).find("Broken.java:3: error"), std::string::npos);
  // The caret line of a message is below the header: the search goes up to it.
  Editor().MessageWindow->setCurrentRow(2);
  Editor().MessageWindowDblClick();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 2);
  Editor().UpdateCaretStatus();
  EXPECT_EQ(workbench::CaretLine, 2);
}

TEST_F(WorkbenchTest, MessagesWithoutANumberCannotFindTheErrorLine) {
  Editor().MessageWindow->AddItem("Note: Some.java uses unchecked operations.");
  Editor().MessageWindow->AddItem("Some.java: cannot read");
  Editor().MessageWindow->AddItem("1 error");
  EXPECT_EQ(Editor().ErrorLineOfMessage(2), -1);
  Modal().Queue(mrOk);
  Editor().MessageWindow->setCurrentRow(2);
  Editor().MessageWindowDblClick();
  EXPECT_EQ(LastMessage(), "Can not find error line !");
  Editor().MessageWindow->clear();
  Editor().MessageWindow->AddItem("Applet1.java:27: error: ';' expected");
  EXPECT_EQ(Editor().ErrorLineOfMessage(0), 27);
}

TEST_F(WorkbenchTest, DesignLinkWithoutItsDesignFileOpensAsPlainText) {
  WriteFile(temp_.File("Applet1.java"), "// {$R Applet1.JFM}\nclass Applet1 {}\n");
  Modal().Queue(mrOk);
  Editor().OpenFileByName(temp_.File("Applet1.java"));
  EXPECT_EQ(Editor().FormLinkName(), "Applet1");
  EXPECT_NE(LastMessage().find("Applet1.jfm"), std::string::npos);
  EXPECT_FALSE(workbench::SourceUpdating);
  EXPECT_FALSE(Active().Modified());
  Active().Lines().Add("// typing marks the page again");
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "Modified");
  // A blank in the name or a short first line is no link.
  WriteFile(temp_.File("Blank.java"), "// {$R My Applet.JFM}\n");
  Editor().OpenFileByName(temp_.File("Blank.java"));
  EXPECT_EQ(Editor().FormLinkName(), "");
  // A design file must sit beside its source.
  for (const char* line : {"// {$R ../Other.JFM}", "// {$R /tmp/Other.JFM}"}) {
    Active().Lines().Put(0, line);
    EXPECT_EQ(Editor().FormLinkName(), "") << line;
  }
}

TEST_F(WorkbenchTest, StatusBarShowsCaretModifiedAndMode) {
  Active().Lines().SetText("first\nsecond line\n");
  Active().SetSelStart(10);
  Editor().UpdateCaretStatus();
  EXPECT_EQ(Editor().StatusBar->PanelText(0), "2:5");
  EXPECT_EQ(Editor().StatusBar->PanelText(2), " Insert");
  Editor().ReadOnly1Click();
  EXPECT_EQ(Editor().StatusBar->PanelText(2), " Read only");
  EXPECT_TRUE(Active().isReadOnly());
}

TEST_F(WorkbenchTest, RecolouringKeepsEachPageModifiedFlag) {
  Active().Lines().Add("edited");
  Main().NewJavafileClick();
  Editor().SetTextColor(0x0000FF);
  Editor().SetFontSize(14);
  EXPECT_TRUE(Editor().IsPageModified(0));
  EXPECT_FALSE(Editor().IsPageModified(1));
}

TEST_F(WorkbenchTest, SavePageAsOfAnInactivePageLeavesTheCaptionAlone) {
  Active().Lines().Add("class P {}");
  Main().NewJavafileClick();
  AnswerSaveDialog(temp_.File("P.java"));
  ASSERT_TRUE(Editor().SavePageAs(0));
  EXPECT_EQ(Editor().Caption(), "noname02.java");
  EXPECT_EQ(Editor().GetPageFileName(0), temp_.File("P.java"));
  EXPECT_EQ(Editor().Page->Pages(0)->Caption(), "P.java");
}

TEST_F(WorkbenchTest, PrintToPdfHoldsThePageText) {
  Active().Lines().SetText("class PrintedText {}\n");
  std::string pdf = temp_.File("out.pdf");
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(QString::fromStdString(pdf));
  Modal().Queue(mrOk);
  Main().Print1Click();
  ASSERT_TRUE(FileExists(pdf));
  ASSERT_EQ(testsupport::RunShell("pdftotext '" + pdf + "' '" + temp_.File("out.txt") + "'"), 0);
  EXPECT_NE(ReadFile(temp_.File("out.txt")).find("class PrintedText {}"), std::string::npos);
  EXPECT_EQ(Printer().docName().toStdString(), "Printed by Morvane 0.64");
}
