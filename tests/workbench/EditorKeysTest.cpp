// The key handling of the editor pages, driven by real key events sent to the page's rich edit:
// tab expansion, automatic indentation, back-indentation, keyboard macros, delete line,
// insert/overwrite and keyword help.
#include <QApplication>
#include <QKeyEvent>

#include "Keys.h"
#include "WorkbenchFixture.h"
#include "designer/FormDesigner_f.h"
#include "platform/Clipboard.h"
#include "platform/Launcher.h"
#include "platform/StringList.h"
#include "workbench/EditorText.h"

using namespace platform;

namespace {

void Key(QWidget& edit, int key, Qt::KeyboardModifiers shift = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, shift, text);
  QApplication::sendEvent(&edit, &press);
  QKeyEvent release(QEvent::KeyRelease, key, shift, text);
  QApplication::sendEvent(&edit, &release);
}

constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

}  // namespace

class EditorKeysTest : public WorkbenchTest {
 protected:
  // Puts the text in the page and the caret on line (0-based) at column (1-based).
  void Page(const std::string& text, int line, int column) {
    Active().Lines().SetText(text);
    Active().SetSelStart(Active().LineIndex(line) + column - 1);
  }
  int Column() {
    Editor().UpdateCaretStatus();
    return workbench::CaretColumn;
  }
  std::string Line(int index) { return Active().Lines().Get(index); }
};

TEST_F(EditorKeysTest, TabTypesBlanksOfTheTabSizeOrUpToTheIndentAbove) {
  Editor().SetTabSize(8);
  Editor().SetUseSmartTab(false);
  Page("", 0, 1);
  Key(Active(), Qt::Key_Tab, Qt::NoModifier, "\t");
  EXPECT_EQ(Line(0), std::string(8, ' '));
  EXPECT_EQ(Column(), 9);

  Editor().SetUseSmartTab(true);
  Page("    int a;\n\n", 1, 1);
  Key(Active(), Qt::Key_Tab, Qt::NoModifier, "\t");
  EXPECT_EQ(Line(1), "    ");
  EXPECT_EQ(Column(), 5) << "one column past the indent of the line above";

  Page("    int a;\n     \n", 1, 6);
  Key(Active(), Qt::Key_Tab, Qt::NoModifier, "\t");
  EXPECT_EQ(Line(1), std::string(13, ' ')) << "past the indent above, the tab size";

  Editor().SetTabSize(3);
  Page("    int a;\nx\n", 1, 2);
  Key(Active(), Qt::Key_Tab, Qt::NoModifier, "\t");
  EXPECT_EQ(Line(1), "x   ") << "text before the caret: the tab size even under an indent";
}

TEST_F(EditorKeysTest, EnterIndentsLikeTheLineAboveAndBackspaceIndentsBack) {
  Page("\t\tcall();", 0, 10);
  Key(Active(), Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_EQ(Line(1), "\t\t");
  EXPECT_EQ(Column(), 3);

  Page("a\n    b\n        c\n", 2, 9);
  Key(Active(), Qt::Key_Backspace, Qt::NoModifier, "\b");
  EXPECT_EQ(Line(2), "    c");
  EXPECT_EQ(Column(), 5) << "before the first non-blank character";

  // Backspace inside the text of a line deletes one character, nothing more.
  Page("a\n    bc\n", 1, 7);
  Key(Active(), Qt::Key_Backspace, Qt::NoModifier, "\b");
  EXPECT_EQ(Line(1), "    b");
  // Ctrl+Backspace is never re-indented.
  Page("a\n    b\n        c\n", 2, 9);
  Key(Active(), Qt::Key_Backspace, Qt::ControlModifier);
  EXPECT_NE(Line(2), "    c");
}

TEST_F(EditorKeysTest, CtrlShiftLettersTypeTheirMacros) {
  TStringList macros;
  for (int i = 0; i < 26; ++i) macros.Add("");
  macros.Put(1, "if (a)\r\n\tb();");
  macros.Put(24, "why");
  Editor().SetKeyMacros(macros);
  Editor().SetTabSize(2);
  Editor().SetUseSmartTab(false);
  Page("  ", 0, 3);
  Key(Active(), Qt::Key_B, kCtrlShift);
  EXPECT_EQ(Line(0), "  if (a)");
  EXPECT_EQ(Line(1), "    b();") << "the carriage return indents, the tab expands";

  std::string before = Active().Lines().Text();
  Key(Active(), Qt::Key_1, kCtrlShift, "1");
  Key(Active(), Qt::Key_Exclam, kCtrlShift, "!");
  EXPECT_EQ(Active().Lines().Text(), before);

  Page("one\ntwo\nthree\n", 1, 2);
  Key(Active(), Qt::Key_Y, kCtrlShift);
  EXPECT_EQ(Line(1), "twhywo");
  Key(Active(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Active().Lines().Text(), "one\nthree\n");
}

TEST_F(EditorKeysTest, ReadOnlyPagesKeepTheirModeAndLines) {
  Page("one\ntwo\n", 0, 1);
  Key(Active(), Qt::Key_Insert);
  EXPECT_EQ(Editor().StatusBar->PanelText(2), " Overwrite");
  EXPECT_TRUE(Active().overwriteMode());
  Key(Active(), Qt::Key_Insert);
  EXPECT_EQ(Editor().StatusBar->PanelText(2), " Insert");

  Key(Active(), Qt::Key_X, Qt::NoModifier, "x");

  Editor().ReadOnly1Click();
  Key(Active(), Qt::Key_Insert);
  EXPECT_EQ(Editor().StatusBar->PanelText(2), " Read only");
  EXPECT_EQ(Active().Tag, -1);
  Key(Active(), Qt::Key_Y, Qt::ControlModifier);
  Key(Active(), Qt::Key_Return, Qt::NoModifier, "\r");
  // Nor do the main window's Undo, Delete and Paste change it.
  Clipboard().SetAsText("pasted");
  Main().undoButtonClick();
  Active().selectAll();
  Main().Delete1Click();
  Main().pasteButtonClick();
  EXPECT_EQ(Active().Lines().Text(), "xone\ntwo\n");

  // Ctrl+Y on the empty line after the last one has nothing to delete.
  Editor().ReadOnly1Click();
  Page("one\n", 1, 1);
  Key(Active(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Active().Lines().Text(), "one\n");
}

TEST_F(EditorKeysTest, F12InAPageFindsTheFrameInsteadOfTheMainWindowsEditorCommand) {
  Main().forApplication1Click();
  QWidget* frame = Main().FCurrentFrame;
  frame->hide();
  Main().EditorWindow1->SetEnabled(true);
  testsupport::TypeKey(Editor(), Qt::Key_F12);
  EXPECT_TRUE(frame->isVisible());
}

TEST_F(EditorKeysTest, F1AsksForHelpOnTheWordAtTheCaret) {
  Page("  x = get_Value2(y);", 0, 10);
  testsupport::TypeKey(Editor(), Qt::Key_F1);
  ASSERT_FALSE(Launcher::Instance().Launched().empty());
  EXPECT_NE(Launcher::Instance().Launched().back().find("#get_Value"), std::string::npos);
  EXPECT_EQ(workbench::KeywordAtColumn("a.b(", 5), "");
  EXPECT_EQ(workbench::KeywordAtColumn("String s", 7), "String");
}

TEST_F(EditorKeysTest, TheHiddenCodeListOpensAtTheCaretAndEscapeClosesIt) {
  EXPECT_FALSE(Editor().CodeAssistant->Visible());
  EXPECT_FALSE(Editor().CodeAssistant->Enabled());
  ASSERT_EQ(Editor().KeyCodeList->count(), 26);
  EXPECT_EQ(Editor().KeyCodeList->Items(8), "Interface");
  EXPECT_FALSE(Editor().KeyCodeList->isVisible());
  Page("class A {}", 0, 3);
  Editor().CodeAssistantClick();
  EXPECT_TRUE(Editor().KeyCodeList->isVisible());
  Key(*Editor().KeyCodeList, Qt::Key_Escape);
  EXPECT_FALSE(Editor().KeyCodeList->isVisible());
  EXPECT_EQ(Active().Lines().Text(), "class A {}") << "nothing is inserted";
}
