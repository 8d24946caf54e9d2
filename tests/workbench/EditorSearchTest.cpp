// Find, Find Next, replace and replace all through the editor's dialogs and the main window's
// commands; the renames of the code writer; the colouring of "//" comments.
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>

#include "WorkbenchFixture.h"
#include "platform/Dialogs.h"

using namespace platform;
using testsupport::WriteFile;

namespace {

int CountRequests(const std::string& text) {
  int count = 0;
  for (const ModalRequest& request : ModalService::Instance().Log()) count += request.text == text ? 1 : 0;
  return count;
}

}  // namespace

class EditorSearchTest : public WorkbenchTest {
 protected:
  void StartReplace(const std::string& text, const std::string& find, const std::string& replace) {
    Active().Lines().SetText(text);
    Active().SetSelStart(0);
    Main().replaceButtonClick();
    Editor().ReplaceDialog1()->FindEdit->setText(QString::fromStdString(find));
    Editor().ReplaceDialog1()->ReplaceEdit->setText(QString::fromStdString(replace));
  }
  // The colour of the character at a position of the active page.
  QColor ColourAt(int position) {
    QTextCursor cursor(Active().document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color();
  }
  bool Commented(int position) {
    QTextCursor cursor(Active().document());
    cursor.setPosition(position + 1);
    QTextCharFormat format = cursor.charFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) &&
           format.foreground().color() == ToQColor(Editor().GetCommentColor());
  }
};

TEST_F(EditorSearchTest, FindSelectsTheNextMatchAndReportsAMissingOne) {
  Active().Lines().SetText("int count;\ncount = Count + 1;\n");
  Active().SetSelStart(0);
  EXPECT_FALSE(Main().findnextButton->isEnabled());
  Main().findButtonClick();
  EXPECT_TRUE(Editor().FindDialog1()->isVisible());
  Editor().FindDialog1()->FindEdit->setText("count");
  Editor().FindDialog1()->FindNextClick();
  EXPECT_EQ(Active().SelStart(), 4);
  EXPECT_EQ(Active().SelText(), "count");
  EXPECT_FALSE(Editor().FindDialog1()->isVisible()) << "a find closes the dialog";
  EXPECT_TRUE(Main().findnextButton->isEnabled());
  EXPECT_TRUE(Main().FindNext1->Enabled());
  EXPECT_EQ(Editor().ReplaceDialog1()->FindText, "count");

  Main().findnextButtonClick();
  EXPECT_EQ(Active().SelStart(), 11);
  Main().findnextButtonClick();
  EXPECT_EQ(Active().SelStart(), 19) << "without match case, Count matches";
  Modal().Queue(mrOk);
  Main().findnextButtonClick();
  EXPECT_EQ(LastMessage(), "\"count\" not found");
  EXPECT_EQ(Modal().Log().back().caption, "Information");

  Editor().FindDialog1()->MatchCaseBox->setChecked(true);
  Active().SetSelStart(12);
  Modal().Queue(mrOk);
  Main().findnextButtonClick();
  EXPECT_EQ(LastMessage(), "\"count\" not found");

  Editor().FindDialog1()->WholeWordBox->setChecked(true);
  Editor().FindDialog1()->MatchCaseBox->setChecked(false);
  Active().Lines().SetText("counter count");
  Active().SetSelStart(0);
  Main().findnextButtonClick();
  EXPECT_EQ(Active().SelStart(), 8);
}

TEST_F(EditorSearchTest, ClosingTheEditorWindowClosesTheFindDialogs) {
  Main().findButtonClick();
  Main().replaceButtonClick();
  ASSERT_TRUE(Editor().FindDialog1()->isVisible());
  ASSERT_TRUE(Editor().ReplaceDialog1()->isVisible());
  Editor().close();
  EXPECT_FALSE(Editor().isVisible());
  EXPECT_FALSE(Editor().FindDialog1()->isVisible());
  EXPECT_FALSE(Editor().ReplaceDialog1()->isVisible());
  EXPECT_EQ(Editor().GetPageCount(), 1) << "the pages stay open in the hidden window";
}

TEST_F(EditorSearchTest, ReplaceAllAsksAtEachMatchUntilAll) {
  StartReplace("a1 a2 a3 a4\n", "a", "bb");
  Modal().Queue(mrNo);
  Modal().Queue(mrAll);
  Editor().ReplaceDialog1()->ReplaceAllClick();
  EXPECT_EQ(Active().Lines().Text(), "a1 bb2 bb3 bb4\n");
  EXPECT_EQ(CountRequests("Replace ?"), 2) << "All asks no more";
  EXPECT_EQ(CountRequests("\"a\" not found"), 0);
  EXPECT_EQ(Modal().Log().back().buttons, (std::vector<std::string>{"Yes", "No", "Cancel", "All"}));
  QRect screen = Main().screen()->geometry();
  EXPECT_EQ(Modal().Log().back().place, (platform::TPoint{screen.x() + screen.width() / 2, screen.y() + 150}))
      << "the question stands at half the screen's width, 150 down";
  EXPECT_FALSE(Editor().ReplaceDialog1()->isVisible());
  EXPECT_EQ(Editor().FindDialog1()->FindText, "a");
  EXPECT_TRUE(Main().findnextButton->isEnabled());

  Modal().Reset();
  StartReplace("x1 x2 x3\n", "X", "y");
  Modal().Queue(mrYes);
  Modal().Queue(mrNo);
  Modal().Queue(mrYes);
  Modal().Queue(mrOk);  // not found at the end
  Editor().ReplaceDialog1()->ReplaceAllClick();
  EXPECT_EQ(Active().Lines().Text(), "y1 x2 y3\n");
  EXPECT_EQ(CountRequests("\"X\" not found"), 1);

  Modal().Reset();
  StartReplace("x1 x2\n", "x", "y");
  Modal().Queue(mrCancel);
  Editor().ReplaceDialog1()->ReplaceAllClick();
  EXPECT_EQ(Active().Lines().Text(), "x1 x2\n");
}

TEST_F(EditorSearchTest, ReplaceAllSetsTheClipboardCommandsOnceWhenItEnds) {
  // Every match selected and replaced would switch Copy on and off, asking the clipboard each time.
  class EnabledChanges : public QObject {
   public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::EnabledChange) ++count;
      return false;
    }
  } changes;
  std::string text;
  for (int line = 0; line < 30; ++line) text += "total = total + part;\n";
  StartReplace(text, "part", "piece");
  Main().copyButton->installEventFilter(&changes);
  Modal().Queue(mrAll);
  Editor().ReplaceDialog1()->ReplaceAllClick();
  Main().copyButton->removeEventFilter(&changes);
  EXPECT_EQ(Active().Lines().Text().find("part"), std::string::npos);
  const int lastEnd = 29 * 23 + 16 + 5;  // 23 characters a line now, the piece 16 into the last one
  EXPECT_EQ(Active().SelStart(), lastEnd) << "the caret stays after the last replacement";
  EXPECT_EQ(Active().SelLength(), 0);
  EXPECT_LE(changes.count, 1);
  EXPECT_EQ(Main().copyButton->isEnabled(), Active().SelLength() > 0);
}

TEST_F(EditorSearchTest, ReplaceReplacesTheSelectedMatchOrTheNextOne) {
  StartReplace("Foo foo foo\n", "foo", "bar");
  Editor().ReplaceDialog1()->ReplaceClick();
  EXPECT_EQ(Active().Lines().Text(), "bar foo foo\n");
  Editor().ReplaceDialog1()->MatchCaseBox->setChecked(true);
  Active().SetSelStart(0);
  Editor().ReplaceDialog1()->FindNextClick();
  EXPECT_EQ(Active().SelStart(), 4);
  Editor().ReplaceDialog1()->ReplaceClick();
  EXPECT_EQ(Active().Lines().Text(), "bar bar foo\n");
  EXPECT_EQ(Editor().FindDialog1()->FindText, "foo");

  // A read-only page is never changed.
  Editor().ReadOnly1Click();
  Editor().ReplaceDialog1()->ReplaceClick();
  EXPECT_EQ(Active().Lines().Text(), "bar bar foo\n");
}

TEST_F(EditorSearchTest, RenamesReplaceEveryOccurrenceAlsoInsideLongerWords) {
  Active().Lines().SetText("Button1.add(Button10);\nadd(Label1);\n");
  EXPECT_TRUE(Editor().ReplaceWordInLine(0, "Button1", "OK1", 0));
  EXPECT_EQ(Active().Lines().Get(0), "OK1.add(OK10);");
  EXPECT_FALSE(Editor().ReplaceWordInLine(1, "Button1", "OK1"));
  EXPECT_FALSE(Editor().ReplaceWordInLine(7, "Button1", "OK1")) << "a line past the end";
  EXPECT_TRUE(Editor().ReplaceWordInLine(1, "add(", ""));
  EXPECT_EQ(Active().Lines().Get(1), "Label1);") << "an empty new text at the line start";
  EXPECT_FALSE(Editor().ReplaceWordInLine(1, "", "x"));
  EXPECT_TRUE(Editor().ReplaceWordInLines(0, 1, "1", "2"));
  EXPECT_EQ(Active().Lines().Text(), "OK2.add(OK20);\nLabel2);\n");
  EXPECT_FALSE(Editor().ReplaceWordInLines(1, 0, "2", "3"));
}

TEST_F(EditorSearchTest, OnlyTheCommentIsColouredNotSlashesInAString) {
  Editor().SetCommentColor(0x008000);
  const std::string line = "String u = \"http://x\"; // a link";
  // Letters outside ASCII take two bytes each, but one character of the page.
  const std::string accented = "String s = \"caf\u00e9\"; // d\u00e9j\u00e0 vu";
  WriteFile(temp_.File("U.java"), "class U {\n  " + line + "\n  " + accented + "\nint after;\n}\n");
  Editor().OpenFileByName(temp_.File("U.java"));
  int start = Active().LineIndex(1) + 2;
  int comment = start + static_cast<int>(line.find("// a"));
  int slashesInString = start + static_cast<int>(line.find("//x"));
  EXPECT_TRUE(Commented(comment));
  EXPECT_TRUE(Commented(comment + 5));
  EXPECT_FALSE(Commented(comment - 1));
  EXPECT_FALSE(Commented(slashesInString));
  EXPECT_FALSE(Commented(start));
  const int accentedComment = Active().LineIndex(2) + 2 + static_cast<int>(QString::fromStdString(accented).indexOf("//"));
  EXPECT_FALSE(Commented(accentedComment - 1));
  EXPECT_TRUE(Commented(accentedComment));
  EXPECT_FALSE(Commented(Active().LineIndex(3))) << "the comment's colour ran onto the next line";
  EXPECT_FALSE(Active().Modified()) << "colouring is no edit";
  EXPECT_FALSE(Active().document()->isUndoAvailable());

  // Typing a second slash makes a comment; deleting it takes the colour away.
  Active().Lines().SetText("x = 1; /");
  Active().SetSelStart(8);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Slash, Qt::NoModifier, "/");
  QApplication::sendEvent(&Active(), &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Slash, Qt::NoModifier, "/");
  QApplication::sendEvent(&Active(), &release);
  EXPECT_TRUE(Commented(7));
  EXPECT_FALSE(Commented(6));
  QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, "\b");
  QApplication::sendEvent(&Active(), &back);
  QKeyEvent backUp(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier, "\b");
  QApplication::sendEvent(&Active(), &backUp);
  EXPECT_EQ(Active().Lines().Get(0), "x = 1; /");
  EXPECT_FALSE(Commented(7));
}

TEST_F(EditorSearchTest, NewTextColourRecoloursEveryPageAndKeepsItsModifiedState) {
  Active().Lines().SetText("a = 1; // one\n");
  Active().Lines().Add("c = 3;");
  Main().NewJavafileClick();
  Active().Lines().SetText("b = 2; // two\n");
  Active().SetModified(false);
  Editor().SetTextColor(0x0000FF);
  EXPECT_EQ(ColourAt(0), ToQColor(0x0000FF));
  EXPECT_TRUE(Commented(7));
  EXPECT_FALSE(Active().Modified());
  EXPECT_TRUE(Editor().IsPageModified(0)) << "a changed page still asks to be saved";

  // A new form's page comes with its comments coloured.
  Main().forApplication1Click();
  const TEditLines& lines = Active().Lines();
  int commented = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    size_t at = lines[i].find("//");
    if (at == std::string::npos || lines[i].find('"') != std::string::npos) continue;
    EXPECT_TRUE(Commented(Active().LineIndex(i) + static_cast<int>(at))) << lines[i];
    ++commented;
  }
  EXPECT_GT(commented, 0);
}
