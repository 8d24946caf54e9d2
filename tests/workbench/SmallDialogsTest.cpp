// The argument dialogs, the go-to-line dialog and the about box, driven as a user drives them.
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "WorkbenchFixture.h"
#include "designer/Lib.h"
#include "workbench/About_f.h"
#include "workbench/ArgApplet.h"
#include "workbench/ArgApplica.h"
#include "workbench/EnvOpt.h"
#include "workbench/GotoLine.h"
#include "workbench/MoreAbout_f.h"

using platform::ModalAnswer;
using platform::mrCancel;
using platform::mrOk;

namespace {

workbench::TArgForAppletForm& Applet() { return *workbench::ArgForAppletForm; }
platform::TStringGrid& Grid() { return *workbench::ArgForAppletForm->ArgGrid; }

// The user moves the grid's current cell to the name row of a column.
void ClickColumn(int col) { Grid().setCurrentCell(1, col); }

void FillArgument(int col, const std::string& name, const std::string& value) {
  Grid().SetCells(col, 1, name);
  Grid().SetCells(col, 2, value);
}

// A key as the user types it: to the dialog's window, where the focused control has it first.
void Press(platform::TForm& dialog, QWidget* focus, Qt::Key key) {
  dialog.Show();
  focus->setFocus();
  QTest::keyClick(dialog.windowHandle(), key);
}

}  // namespace

class SmallDialogsTest : public WorkbenchTest {};

TEST_F(SmallDialogsTest, TheAppletGridAcceptsCompleteArgumentsAndClearsAnIncompleteOne) {
  Applet().Show();
  EXPECT_EQ(Grid().Cells(1, 0), "   Arg 1");
  EXPECT_EQ(Grid().Cells(0, 1), " Name");
  EXPECT_EQ(Grid().Cells(0, 2), " Value");
  EXPECT_EQ(Grid().columnWidth(0), 40);
  EXPECT_EQ(Grid().columnWidth(1), 60);
  EXPECT_EQ(Grid().columnCount(), 10);
  EXPECT_EQ(Grid().rowCount(), 3);

  FillArgument(1, "color", "red");
  ClickColumn(2);
  EXPECT_EQ(Grid().Cells(2, 0), "   Arg 2");
  EXPECT_EQ(Applet().FArgColumn, 2);
  Grid().SetCells(2, 1, "size");
  Applet().BitBtn1->click();
  EXPECT_EQ(Grid().Cells(2, 0), "   Arg 2");  // emptied, but kept for the user to fill again
  EXPECT_EQ(Grid().Cells(2, 1), "");
  EXPECT_EQ(Applet().FArgCount, 1);
  EXPECT_FALSE(Applet().isVisible());
  EXPECT_EQ(Grid().currentColumn(), 1);
  EXPECT_TRUE(Modal().Log().empty());

  // Shown again and closed with the close box: the cells stay, but no argument is accepted.
  Applet().Show();
  EXPECT_EQ(Applet().FArgCount, 0);
  Applet().close();
  EXPECT_EQ(Applet().FArgCount, 0);
  EXPECT_EQ(Grid().Cells(1, 1), "color");
}

TEST_F(SmallDialogsTest, MovingRightPastAnIncompleteColumnIsReportedAndLeavingItClearsIt) {
  Applet().Show();
  Grid().SetCells(1, 1, "color");
  Modal().Queue(mrOk);
  ClickColumn(2);
  EXPECT_EQ(LastMessage(), "You didn't fill in both \"Name\" and \"Value\" fields in column 1 !");
  EXPECT_EQ(Grid().currentColumn(), 1);
  EXPECT_EQ(Grid().Cells(2, 0), "");
  EXPECT_EQ(Grid().Cells(1, 1), "color");  // kept for the user to finish

  // Jumping two columns from a complete one reports the empty column between and stops there.
  Grid().SetCells(1, 2, "red");
  Modal().Queue(mrOk);
  ClickColumn(3);
  EXPECT_EQ(LastMessage(), "You didn't fill in both \"Name\" and \"Value\" fields in column 2 !");
  EXPECT_EQ(Grid().currentColumn(), 2);
  EXPECT_EQ(Applet().FArgColumn, 2);

  // Leaving an incomplete column to the left clears it.
  Grid().SetCells(2, 1, "size");
  ClickColumn(1);
  EXPECT_EQ(Grid().Cells(2, 1), "");
  EXPECT_EQ(Grid().Cells(1, 1), "color");

  // A value still being typed when OK is pressed counts.
  ClickColumn(2);
  EXPECT_EQ(Grid().Cells(2, 0), "   Arg 2");
  Grid().SetCells(2, 1, "size");
  Grid().setCurrentCell(2, 2);
  QLineEdit* editor = nullptr;  // the open cell editor; closed ones linger hidden until deleted
  for (QLineEdit* candidate : Grid().findChildren<QLineEdit*>())
    if (candidate->isVisible()) editor = candidate;
  ASSERT_NE(editor, nullptr);
  editor->setText("12");
  EXPECT_EQ(Grid().Cells(2, 2), "");
  Applet().OKButtonClick();
  EXPECT_EQ(Grid().Cells(2, 2), "12");
  EXPECT_EQ(Applet().FArgCount, 2);

  Applet().ClearButtonClick();
  EXPECT_EQ(Grid().Cells(1, 1), "");
  EXPECT_EQ(Grid().Cells(1, 0), "   Arg 1");
  EXPECT_EQ(Grid().Cells(2, 0), "");
  EXPECT_EQ(Applet().FArgCount, 2);  // Clear leaves the accepted count to the next OK
  Grid().SetCells(1, 1, "color");
  Applet().OKButtonClick();  // the emptied first column is no argument
  EXPECT_EQ(Applet().FArgCount, 0);
  EXPECT_EQ(Grid().Cells(1, 0), "   Arg 1");
  FillArgument(1, "color", "red");
  Applet().OKButtonClick();
  EXPECT_EQ(Applet().FArgCount, 1);
}

TEST_F(SmallDialogsTest, TheArgumentLineGoesToTheHistoryOnEveryCloseAndCancelEmptiesIt) {
  auto& dialog = *workbench::ArgForApplicaForm;
  EXPECT_EQ(dialog.Caption(), "Arguments for application ");
  Modal().Queue(ModalAnswer{mrOk, "", 0, [&](QWidget*) {
                              dialog.ArgComboBox->setEditText("one two");
                              dialog.OKButton->click();
                            }});
  Main().ArgForApplication();
  EXPECT_EQ(dialog.ArgComboBox->currentText().toStdString(), "one two");
  Modal().Queue(ModalAnswer{mrCancel, "", 0, [&](QWidget*) {
                              dialog.Show();
                              dialog.ArgComboBox->setEditText("one two");
                              dialog.close();
                            }});
  Main().ArgForApplication();
  EXPECT_EQ(dialog.ArgComboBox->currentText().toStdString(), "");
  ASSERT_EQ(dialog.ArgComboBox->count(), 2);  // duplicates are kept
  EXPECT_EQ(dialog.ArgComboBox->itemText(0).toStdString(), "one two");
  EXPECT_EQ(dialog.ArgComboBox->itemText(1).toStdString(), "one two");
}

TEST_F(SmallDialogsTest, GoToLineOnAnEmptyPageAcceptsOnlyOne) {
  auto& dialog = *workbench::LineNumberForm;
  ASSERT_EQ(Editor().GetPageCount(), 1);
  dialog.Show();
  dialog.ComboBox1->setEditText("2");
  Modal().Queue(mrOk);
  dialog.okButton->click();
  EXPECT_EQ(LastMessage(), "Line number should be between 1 and 1.");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.close());  // the close box is refused too until a good number or Cancel

  dialog.ComboBox1->setEditText("x1");
  Modal().Queue(mrOk);
  dialog.okButton->click();
  EXPECT_EQ(LastMessage(), "Line number should be between 1 and 1.");
  dialog.cancelButton->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.ComboBox1->count(), 0);

  dialog.Show();
  dialog.ComboBox1->setEditText("1");
  dialog.okButton->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.ComboBox1->count(), 1);
}

TEST_F(SmallDialogsTest, LineZeroZeroSevenMovesToLineSevenAndIsKeptAsTyped) {
  auto& dialog = *workbench::LineNumberForm;
  Active().setPlainText("l1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\nl10\n");
  auto enter = [&](const char* text) {
    return ModalAnswer{mrOk, "", 0, [&dialog, text](QWidget*) {
                         dialog.ComboBox1->setEditText(text);
                         dialog.okButton->click();
                       }};
  };
  Modal().Queue(enter("007"));
  Main().GotoLineNumber1Click();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 6);
  Modal().Queue(enter("007"));
  Main().GotoLineNumber1Click();
  ASSERT_EQ(dialog.ComboBox1->count(), 1);
  EXPECT_EQ(dialog.ComboBox1->itemText(0).toStdString(), "007");

  Modal().Queue(ModalAnswer{mrCancel, "", 0, [&dialog](QWidget*) {
                              dialog.ComboBox1->setEditText("11");
                              dialog.okButton->click();
                              dialog.cancelButton->click();
                            }});
  Modal().Queue(mrOk);
  Main().GotoLineNumber1Click();
  EXPECT_EQ(LastMessage(), "Line number should be between 1 and 10.");
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 6);
}

// The number typed at the second opening replaces the one the dialog kept from the first.
TEST_F(SmallDialogsTest, GoToLineOpenedAgainTakesTheNumberTypedOverTheLastOne) {
  auto& dialog = *workbench::LineNumberForm;
  std::string text;
  for (int line = 1; line <= 30; ++line) text += "l" + std::to_string(line) + "\n";
  Active().setPlainText(QString::fromStdString(text));
  auto typed = [&dialog](const char* digits) {
    return ModalAnswer{platform::mrNone, "", 0, [&dialog, digits](QWidget*) {
                         dialog.Show();
                         for (const char* c = digits; *c != 0; ++c) QTest::keyClick(dialog.windowHandle(), *c);
                         QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
                       }};
  };
  Modal().Queue(typed("12"));
  Main().GotoLineNumber1Click();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 11);
  Modal().Queue(typed("25"));
  Main().GotoLineNumber1Click();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 24);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SmallDialogsTest, TheAboutBoxSwitchesLanguagesAndShowsTheCredits) {
  auto& about = *workbench::AboutForm;
  EXPECT_EQ(about.Caption(), designer::GetVersionText());
  about.Show();
  EXPECT_TRUE(about.KoreanMemo->isVisible());
  EXPECT_FALSE(about.EnglishMemo->isVisible());
  EXPECT_EQ(about.Button1->text().toStdString(), "to &English");
  about.Button1->click();
  EXPECT_EQ(about.Button1->text().toStdString(), "to &Korean");
  EXPECT_TRUE(about.EnglishMemo->isVisible());
  EXPECT_FALSE(about.KoreanMemo->isVisible());
  about.Button1->click();
  EXPECT_EQ(about.Button1->text().toStdString(), "to &English");
  EXPECT_TRUE(about.KoreanMemo->isVisible());
  EXPECT_NE(about.EnglishMemo->toPlainText().toStdString().find(designer::GetVersionText()), std::string::npos);

  // The credits open in the language the about box shows, whatever they showed before.
  auto& credits = *workbench::MoreAboutForm;
  auto inFront = [&credits] {
    return credits.children().indexOf(credits.EnglishMemo) > credits.children().indexOf(credits.KoreanMemo) ? "English"
                                                                                                             : "Korean";
  };
  for (const char* shown : {"Korean", "English", "Korean"}) {
    Modal().Queue(mrOk);
    about.MoreButton->click();
    EXPECT_EQ(Modal().Log().back().kind, "Form");
    EXPECT_EQ(Modal().Log().back().caption, "Credits");
    EXPECT_STREQ(inFront(), shown);
    credits.Button2->click();
    EXPECT_STRNE(inFront(), shown);
    about.Button1->click();
  }
}

TEST_F(SmallDialogsTest, ADialogIsBuiltWhenFirstUsedAndFreedAtClose) {
  EXPECT_FALSE(workbench::AboutForm.Made());
  Modal().Queue(mrOk);
  Main().About1Click();
  EXPECT_EQ(Modal().Log().back().caption, designer::GetVersionText());
  QPointer<QWidget> about = workbench::AboutForm.Get();
  workbench::DestroyWorkbenchWindows();
  EXPECT_TRUE(about.isNull());
  EXPECT_FALSE(workbench::AboutForm.Made());
  workbench::CreateWorkbenchWindows();  // for the fixture to free
}

TEST_F(SmallDialogsTest, ReturnPressesTheDefaultOrTheFocusedButtonAndEscapeCancels) {
  auto& dialog = *workbench::LineNumberForm;
  Active().setPlainText("l1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\n");
  auto typed = [&dialog](const char* text, QWidget* focus, Qt::Key key) {
    return ModalAnswer{platform::mrNone, "", 0, [&dialog, text, focus, key](QWidget*) {
                         dialog.ComboBox1->setEditText(text);
                         Press(dialog, focus, key);
                       }};
  };
  Modal().Queue(typed("7", dialog.ComboBox1, Qt::Key_Return));
  Main().GotoLineNumber1Click();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 6) << "Return in the entry presses OK";
  EXPECT_FALSE(dialog.isVisible());
  Modal().Queue(typed("3", dialog.ComboBox1, Qt::Key_Escape));
  Main().GotoLineNumber1Click();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 6) << "Escape presses Cancel";
  EXPECT_FALSE(dialog.isVisible());
  Modal().Queue(typed("2", dialog.cancelButton, Qt::Key_Return));
  Main().GotoLineNumber1Click();
  EXPECT_EQ(Active().LineFromChar(Active().SelStart()), 6) << "Return presses the focused Cancel";

  // The application's arguments have no Cancel: Escape closes the dialog as its close box does.
  auto& arguments = *workbench::ArgForApplicaForm;
  Modal().Queue(ModalAnswer{platform::mrNone, "", 0, [&arguments](QWidget*) {
                              arguments.ArgComboBox->setEditText("one two");
                              Press(arguments, arguments.ArgComboBox, Qt::Key_Escape);
                            }});
  Main().ArgForApplication();
  EXPECT_FALSE(arguments.isVisible());
  EXPECT_EQ(arguments.ArgComboBox->currentText().toStdString(), "");
  EXPECT_EQ(arguments.ArgComboBox->count(), 1);
}

TEST_F(SmallDialogsTest, TheCentredDialogsOpenInTheMiddleOfTheMainWindowsScreen) {
  QRect screen = Main().screen()->availableGeometry();
  for (platform::TForm* dialog : std::initializer_list<platform::TForm*>{
           workbench::ArgForApplicaForm.Get(), workbench::ArgForAppletForm.Get(), workbench::EnvForm.Get(),
           workbench::AboutForm.Get()}) {
    dialog->SetBounds(0, 0, dialog->Width(), dialog->Height());
    dialog->Show();
    EXPECT_EQ(dialog->Left(), screen.x() + (screen.width() - dialog->Width()) / 2) << dialog->Caption();
    EXPECT_EQ(dialog->Top(), screen.y() + (screen.height() - dialog->Height()) / 2) << dialog->Caption();
    dialog->close();
  }
}
