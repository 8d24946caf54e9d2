// The source-line routines on real generated pages: search, indentation, words, replacement,
// literal blanking, the caret jump, the class rename and the upgrade of first-release sources.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "../workbench/WorkbenchFixture.h"
#include "designer/CodeWriter_f.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "platform/Menus.h"

using namespace platform;
using namespace designer;

namespace {

class LineRoutinesTest : public WorkbenchTest {
 protected:
  // An application form on page noname02.
  TFrame* ApplicationForm() {
    Main().forApplication1Click();
    return Main().FCurrentFrame.data();
  }
};

}  // namespace

TEST_F(LineRoutinesTest, SearchFindsTheFirstLineAndRespectsItsBounds) {
  ApplicationForm();
  EXPECT_EQ(GetLineIndex("// Component Declaration"), 10);
  EXPECT_EQ(GetLineIndex("InitialPositionSet()"), 33);  // the first of several
  EXPECT_EQ(GetLineIndex("no such text"), -1);
  int first = GetLineIndex("// Event Handling Routines");
  int last = GetLineIndex("// End of Event Handling Routines");
  EXPECT_EQ(GetLineIndexBetween(first, last, "public void noname02_WindowDestroy("), first + 1);
  EXPECT_EQ(GetLineIndexBetween(last, first, "public void"), -1);  // no message
  EXPECT_TRUE(Modal().Log().empty());

  // A last line beyond the page is reported, and the lines that exist are still searched.
  int count = Active().Lines().Count();
  Modal().Queue(mrOk);
  EXPECT_EQ(GetLineIndexBetween(first, count, "End of Class noname02"), count - 2);
  EXPECT_EQ(LastMessage(), "error: out of bound in function \"GetLineIndexBetween\"");
  Modal().Queue(mrOk);
  EXPECT_EQ(GetLineIndexBetween(count + 5, count + 9, "{"), -1);
  Modal().Queue(mrOk);
  EXPECT_EQ(GetLineIndexBetween(-3, 1000000, "import java.awt.*;"), 2);

  Main().NewJavafileClick();
  EXPECT_EQ(GetLineIndex("{"), -1);  // an empty page
}

TEST_F(LineRoutinesTest, IndentationAndWordsOfGeneratedLines) {
  ApplicationForm();
  TEditLines& lines = Active().Lines();
  EXPECT_EQ(GetIndentWidth(lines[GetLineIndex("// End of Frame Initialization")]), 8);
  EXPECT_EQ(GetIndentWidth(lines[GetLineIndex("// main()")]), 3);
  EXPECT_EQ(GetIndentWidth("\tint x;"), 1);
  EXPECT_EQ(GetIndentWidth("    }"), 4);
  EXPECT_EQ(GetIndentWidth("  \t "), 4);
  EXPECT_EQ(GetIndentWidth(""), 0);
  std::string routine = lines[GetLineIndex("public void noname02_WindowDestroy")];
  EXPECT_EQ(GetFirstToken(routine), "public");
  EXPECT_EQ(GetLastWord(routine), "target)");
  EXPECT_EQ(DeleteFirstWord(routine), "void noname02_WindowDestroy(Object target)");
  EXPECT_EQ(DeleteFirstWord("   "), "");
  EXPECT_EQ(DeleteFirstWord("\tpublic void run()"), "void run()");
  EXPECT_EQ(ReverseText("abc"), "cba");
  EXPECT_TRUE(IsBlankChar('\r'));
  EXPECT_FALSE(IsBlankChar('x'));
}

TEST_F(LineRoutinesTest, ReplaceWordWorksOnPlainSubstrings) {
  ApplicationForm();
  std::string clause = Active().Lines()[GetLineIndex("Event.WINDOW_DESTROY")];
  bool replaced = false;
  std::string elseClause = ReplaceWord(clause, "if (evt.id", "else if (evt.id", replaced);
  EXPECT_TRUE(replaced);
  EXPECT_EQ(elseClause.substr(0, 26), "        else if (evt.id ==");
  std::string back = ReplaceWord(elseClause, "else if (evt.id", "if (evt.id", replaced);
  EXPECT_TRUE(replaced);
  EXPECT_EQ(back, clause);
  EXPECT_EQ(ReplaceWord(clause, "MOUSE_DOWN", "MOUSE_UP", replaced), clause);
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReplaceWord("a\\b", "\\", "\\\\", replaced), "a\\\\b");  // never rescans what it wrote
  EXPECT_EQ(ReplaceWord("abc", "", "x", replaced), "abc");
  EXPECT_FALSE(replaced);
}

TEST_F(LineRoutinesTest, LiteralsAreBlankedAndRealCommentsKept) {
  auto blanks = [](int n) { return std::string(static_cast<size_t>(n), ' '); };
  EXPECT_EQ(StripLiterals("s = \"http://x\"; // note"), "s = " + blanks(10) + "; // note");
  EXPECT_EQ(StripLiterals("s = \"a\\\"//b\"; // c"), "s = " + blanks(8) + "; // c");
  EXPECT_EQ(StripLiterals("c = '\"'; // q"), "c = " + blanks(3) + "; // q");
  EXPECT_EQ(StripLiterals("c = '\\''; d = \"x\";"), "c = " + blanks(4) + "; d = " + blanks(3) + ";");
  EXPECT_EQ(StripLiterals("c = '\\u0041'; //"), "c = " + blanks(8) + "; //");
  EXPECT_EQ(StripLiterals("c = '\\377'; //"), "c = " + blanks(6) + "; //");
  // A backslash escapes whatever follows it: an escaped backslash ends the literal at its quote.
  EXPECT_EQ(StripLiterals("p = \"C:\\\\\"; // dir"), "p = " + blanks(6) + "; // dir");
  EXPECT_EQ(StripLiterals("c = '\\q'; // odd"), "c = " + blanks(4) + "; // odd");
  // An unclosed literal keeps its last character; nothing past the end is touched.
  EXPECT_EQ(StripLiterals("s = \"abc"), "s =    c");
  EXPECT_EQ(StripLiterals("'"), " ");
  EXPECT_EQ(StripLiterals("x = '\\"), "x =   ");
}

TEST_F(LineRoutinesTest, CaretJumpEndsLineBeforeAndStaysInTheText) {
  ApplicationForm();
  TRichEdit& edit = Active();
  GotoEditorLine(1);
  EXPECT_EQ(edit.SelStart(), static_cast<int>(edit.Lines()[0].size()));
  int header = GetLineIndex("public void noname02_WindowDestroy");
  GotoEditorLine(header + 3);  // the end of the body's first line
  EXPECT_EQ(edit.LineFromChar(edit.SelStart()), header + 2);
  GotoEditorLine(100000);
  EXPECT_EQ(edit.SelStart(), edit.TextLength());
  GotoEditorLine(-4);
  EXPECT_EQ(edit.SelStart(), 0);
}

TEST_F(LineRoutinesTest, ClassRenameFollowsTheClassNameOnly) {
  TFrame* frame = ApplicationForm();
  TEditLines& lines = Active().Lines();
  // A user's line naming a longer class, ahead of the class's own comment.
  lines.Insert(3, "// Class noname020 helps");
  std::string helper = "        noname020 helper = new noname020();";
  lines.Insert(GetLineIndex("// End of main()"), helper);
  RenameClassCode(200, frame->Name(), "Calc");
  EXPECT_FALSE(workbench::MarkerLost);
  EXPECT_EQ(lines[0], "// {$R Calc.JFM}");
  EXPECT_EQ(lines[3], "// Class noname020 helps");
  EXPECT_EQ(lines[5], "// Class Calc");
  EXPECT_EQ(lines[6], "public class Calc extends Frame");
  EXPECT_GE(GetLineIndex("    public Calc()"), 0);
  EXPECT_GE(GetLineIndex("this) Calc_WindowDestroy(evt.target);"), 0);
  EXPECT_GE(GetLineIndex("       Calc Calc = new Calc();"), 0);
  EXPECT_GE(GetLineIndex("       Calc.show();"), 0);
  EXPECT_GE(GetLineIndex(helper), 0);
  EXPECT_GE(GetLineIndex("    public void Calc_WindowDestroy(Object target)"), 0);
  EXPECT_GE(GetLineIndex("} // End of Class Calc"), 0);
  // The title is the frame's caption, not its class name.
  int title = GetLineIndex("setTitle(\"noname02\");");
  EXPECT_GT(title, 0);
  for (int i = 0; i < lines.Count(); ++i)
    if (i != title) {
      EXPECT_FALSE(ContainsName(lines[i], "noname02", TNameMatch::Component)) << i;
    }

  // A rename whose class line is gone loses its marker.
  lines.Delete(5);
  RenameClassCode(200, "Calc", "Other");
  EXPECT_TRUE(workbench::MarkerLost);
  workbench::MarkerLost = false;
}

TEST_F(LineRoutinesTest, RemovesOnlyTheAddItemLinesOfTheNamedComponent) {
  ApplicationForm();
  int end = GetLineIndex("// End of Component Initialization");
  TEditLines& lines = Active().Lines();
  for (const char* line : {"        List1.addItem(\"a\");", "        List10.addItem(\"b\");",
                           "        List1.addItem(\"c\");", "        MyList1.addItem(\"d\");"})
    lines.Insert(end++, line);
  RemoveAddItemLines(GetLineIndex("// Component Initialization"), end, "List1");
  EXPECT_EQ(GetLineIndex("List1.addItem(\"a\")"), -1);
  EXPECT_EQ(GetLineIndex("List1.addItem(\"c\")"), -1);
  EXPECT_GE(GetLineIndex("List10.addItem"), 0);
  EXPECT_GE(GetLineIndex("MyList1.addItem"), 0);
}

TEST_F(LineRoutinesTest, UpgradeAddsThePaintMarkersToAFirstReleaseApplication) {
  ApplicationForm();
  TEditLines& lines = Active().Lines();
  lines.Delete(GetLineIndex("// End of paint()"));
  lines.Delete(GetLineIndex("// paint()"));
  std::string file = temp_.File("noname02.java");
  Modal().Queue(mrOk);
  UpgradeGeneratedSource(file, "noname02", fkApplication);
  EXPECT_EQ(LastMessage(), file + "\r\rThis file was generated by Morvane 0.6.\rMorvane 0.64 will upgrade this file.");
  int paint = GetLineIndex("        // paint()");
  ASSERT_GT(paint, 0);
  EXPECT_EQ(lines[paint + 1], "        // End of paint()");
  EXPECT_EQ(lines[paint + 2], "        if (fForm_Create) InitialPositionSet();");
  QTextCursor marker(Active().document()->findBlockByNumber(paint + 1));  // coloured as a comment
  marker.setPosition(marker.position() + 10);
  EXPECT_EQ(marker.charFormat().foreground().color(), platform::ToQColor(Editor().GetCommentColor()));
  EXPECT_EQ(testsupport::ReadFile(file), lines.Text());

  // A source that has them is left alone.
  UpgradeGeneratedSource(file, "noname02", fkApplication);
  EXPECT_EQ(Modal().Log().size(), 1u);
}

TEST_F(LineRoutinesTest, UpgradeOfAnAppletWritesItsPaintMethod) {
  Main().forApplet1Click();
  TEditLines& lines = Active().Lines();
  int paint = GetLineIndex("    public void paint(Graphics g)");
  for (int i = 0; i < 6; ++i) lines.Delete(paint);
  std::string file = temp_.File("noname02.java");
  Modal().Queue(mrOk);
  UpgradeGeneratedSource(file, "noname02", fkApplet);
  int method = GetLineIndex("public void InitialPositionSet()");
  EXPECT_EQ(lines[method - 6], "    public void paint(Graphics g)");
  EXPECT_EQ(lines[method - 5], "    {");
  EXPECT_EQ(lines[method - 4], "        // paint()");
  EXPECT_EQ(lines[method - 3], "        // End of paint()");
  EXPECT_EQ(lines[method - 2], "    }");
  EXPECT_EQ(lines[method - 1], "");
  EXPECT_TRUE(FileExists(file));
}

TEST_F(LineRoutinesTest, UpgradeWithoutItsAnchorLosesTheMarkerAndSavesNothing) {
  ApplicationForm();
  TEditLines& lines = Active().Lines();
  lines.Delete(GetLineIndex("// End of paint()"));
  lines.Delete(GetLineIndex("if (fForm_Create) InitialPositionSet();"));
  std::string file = temp_.File("noname02.java");
  Modal().Queue(mrOk);
  UpgradeGeneratedSource(file, "noname02", fkSecondaryFrame);
  EXPECT_TRUE(workbench::MarkerLost);
  EXPECT_FALSE(FileExists(file));
  workbench::MarkerLost = false;
}

TEST_F(LineRoutinesTest, LookUpsOnTheCurrentFrameListItsComponents) {
  TFrame* frame = ApplicationForm();
  auto* button = new QPushButton(frame);
  button->setObjectName("Button1");
  auto* panel = new TPanel(frame, "Panel1");
  auto* inner = new QPushButton(panel);
  inner->setObjectName("Button2");
  auto* marker = new QPushButton(frame);
  marker->setObjectName("MMB");
  auto* handle = new TPanel(frame, "LT_Dot_Panel");
  (void)handle;
  auto* text = new QPlainTextEdit(frame);  // its own scroll bars are not components
  text->setObjectName("TextArea1");
  text->verticalScrollBar()->setObjectName("inner");
  auto* menu = new TMainMenu(frame);
  menu->setObjectName("MenuBar1");
  TMenuItem* file = menu->Add("File");
  file->setObjectName("MenuBar1File");
  TMenuItem* open = file->Add("Open");
  open->setObjectName("MenuBar1FileOpen");

  FillComboBox1();
  QComboBox* combo = ObjInsForm->ComboBox1;
  std::vector<std::string> entries;
  for (int i = 0; i < combo->count(); ++i) entries.push_back(combo->itemText(i).toStdString());
  // Items right under the menu bar are not listed; those of a named item are. The chooser sorts.
  EXPECT_EQ(entries, (std::vector<std::string>{"Button1 : QPushButton", "Button2 : QPushButton",
                                               "MenuBar1 : TMainMenu", "MenuBar1FileOpen : TMenuItem",
                                               "noname02 : TFrame", "Panel1 : TPanel",
                                               "TextArea1 : QPlainTextEdit"}));
  EXPECT_EQ(FindMenuBar(), menu);
  EXPECT_EQ(FindMenuItem("MenuBar1FileOpen"), open);
  EXPECT_EQ(FindMenuItem("MenuBar1Edit"), nullptr);
  EXPECT_EQ(FindOpenDlg(), nullptr);
}
