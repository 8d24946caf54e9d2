// The keyboard-map template file (written and read back through real files) and the "Code Templet"
// dialog driven through the main window's Templet command with scripted answers.
#include <QApplication>
#include <QKeyEvent>

#include "WorkbenchFixture.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"
#include "workbench/CodeTemplet_f.h"
#include "workbench/KeyMapFile.h"

using namespace platform;
using testsupport::ReadFile;
using testsupport::WriteFile;
using workbench::TempletForm;
using workbench::TTempletForm;

namespace {

TStringList SampleTexts() {
  TStringList texts;
  workbench::ClearKeyMacroTexts(texts);
  texts.Put(0, "for (;;) {\r\n}");
  texts.Put(1, "try {\r\n");  // ends with a line break
  texts.Put(25, "z");
  return texts;
}

// Replaces the memo's text as typing would, which marks the memo modified.
void Type(TTempletForm& dialog, const char* text) {
  dialog.KM_Memo->selectAll();
  dialog.KM_Memo->insertPlainText(text);
}

int CountLines(const std::string& bytes) { return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')); }

}  // namespace

class KeyMacroTemplatesTest : public WorkbenchTest {
 protected:
  // Runs Option > Templet with the dialog shown, acted on by `act`, and closed by OK. Answers to
  // the questions that OK asks are queued by `act`.
  void RunTempletDialog(const std::function<void(TTempletForm&)>& act) {
    Modal().Queue(ModalAnswer{mrOk, {}, 0, [act](QWidget* form) {
                                auto& dialog = *static_cast<TTempletForm*>(form);
                                dialog.FormShow();
                                act(dialog);
                                dialog.TempletOK->click();
                              }});
    Main().Templet1Click();
  }
};

TEST_F(KeyMacroTemplatesTest, WrittenTextsReadBackTheSame) {
  std::string file = temp_.File("keys.tpl");
  TempletForm->SaveKeyTemplates(file, SampleTexts());
  std::string bytes = ReadFile(file);
  EXPECT_EQ(bytes.substr(0, 32), "Ctrl-Shift-A\r\nfor (;;) {\r\n}\r\nCtr");
  EXPECT_NE(bytes.find("Ctrl-Shift-B\r\ntry {\r\n\r\nCtrl-Shift-C\r\n\r\nCtrl-Shift-D"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 24), "z\r\nEnd of Ctrl-Shift-?\r\n");
  EXPECT_EQ(CountLines(bytes), 55);

  TStringList read;
  Editor().LoadKeyMacroFile(file, read);
  EXPECT_EQ(read, SampleTexts());

  // Every text empty: 53 lines, and they load.
  TStringList empty;
  workbench::ClearKeyMacroTexts(empty);
  TempletForm->SaveKeyTemplates(file, empty);
  EXPECT_EQ(CountLines(ReadFile(file)), 53);
  Editor().LoadKeyMacroFile(file, read);
  EXPECT_EQ(read, empty);

  // A file with LF line ends and lower-case key lines reads key by key.
  std::string lower;
  for (char key = 'a'; key <= 'z'; ++key) lower += std::string("ctrl-shift-") + key + "\n" + key + key + "\n";
  WriteFile(file, lower + "end of ctrl-shift-?\n");
  Editor().LoadKeyMacroFile(file, read);
  ASSERT_EQ(read.Count(), 26);
  EXPECT_EQ(read[0], "aa");
  EXPECT_EQ(read[25], "zz");
  EXPECT_EQ(Modal().Log().size(), 0u);

  // Keys out of order or named twice read as each key's first name line gives them; a key with
  // no name line takes the lines from the top.
  TStringList shuffled;
  shuffled.SetText("top\nCtrl-Shift-B\nb\nctrl-shift-a\na\nCTRL-SHIFT-B\nsecond b\nx Ctrl-Shift-Q\n");
  TStringList texts = workbench::KeyTextsFromLines(shuffled);
  ASSERT_EQ(texts.Count(), 26);
  EXPECT_EQ(texts[0], "a");
  EXPECT_EQ(texts[1], "b");
  EXPECT_EQ(texts[2], "top");
  EXPECT_EQ(texts[16], "top");
}

TEST_F(KeyMacroTemplatesTest, ShortFilesAreRefusedAndUnreadableOnesRaise) {
  std::string file = temp_.File("short.tpl");
  std::string text;
  for (int i = 0; i < 51; ++i) text += "Ctrl-Shift-A\r\n";
  WriteFile(file, text);
  Editor().SetKeyMapFileName(file);
  TStringList read;
  read.Add("old");
  Modal().Queue(mrOk);
  Editor().LoadKeyMacroFile(file, read);
  EXPECT_EQ(LastMessage(), "Invalid file format !");
  EXPECT_EQ(Modal().Log().back().caption, "Error");
  EXPECT_EQ(Editor().GetKeyMapFileName(), "");
  TStringList empty;
  workbench::ClearKeyMacroTexts(empty);
  EXPECT_EQ(read, empty);

  read.Put(3, "kept");
  EXPECT_THROW(Editor().LoadKeyMacroFile(temp_.File("missing.tpl"), read), EFOpenError);
  EXPECT_EQ(read[3], "kept") << "a failed read leaves the texts alone";

  // At start-up a missing file is reported and forgotten, with empty macros.
  Editor().SetKeyMapFileName(temp_.File("missing.tpl"));
  Modal().Queue(mrOk);
  Editor().LoadKeyMacrosAtStart();
  EXPECT_EQ(Editor().GetKeyMapFileName(), "");
  EXPECT_EQ(Editor().KeyMacros(), empty);
}

TEST_F(KeyMacroTemplatesTest, OkSavesToTheNamedFileAndTheKeysTypeTheNewTexts) {
  std::string file = temp_.File("keys.tpl");
  TempletForm->SaveKeyTemplates(file, SampleTexts());
  Editor().SetKeyMapFileName(file);
  Editor().LoadKeyMacrosAtStart();
  RunTempletDialog([&](TTempletForm& dialog) {
    EXPECT_EQ(dialog.KM_Label->text().toStdString(), file);
    EXPECT_EQ(dialog.KM_Memo->toPlainText(), "for (;;) {\n}");
    dialog.KM_Combo->setCurrentIndex(2);
    dialog.KM_ComboClick();
    Type(dialog, "c1\nc2");  // still in the memo when another key is picked: it stays with key C
    dialog.KM_Combo->setCurrentIndex(3);
    dialog.KM_ComboClick();
    Type(dialog, "dd");  // left pending: OK takes it
  });
  EXPECT_EQ(Editor().KeyMacros()[2], "c1\r\nc2\r\n");
  EXPECT_EQ(Editor().KeyMacros()[3], "dd\r\n");
  EXPECT_EQ(Editor().KeyMacros()[0], "for (;;) {\r\n}");
  TStringList read;
  Editor().LoadKeyMacroFile(file, read);
  EXPECT_EQ(read, Editor().KeyMacros());

  Active().Lines().SetText("");
  QKeyEvent press(QEvent::KeyPress, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
  QApplication::sendEvent(&Active(), &press);
  EXPECT_EQ(Active().Lines().Text(), "dd\n");
}

TEST_F(KeyMacroTemplatesTest, OkWithoutAFileAsksWhetherToSave) {
  TStringList before = Editor().KeyMacros();
  RunTempletDialog([this](TTempletForm& dialog) {
    EXPECT_TRUE(dialog.KM_Label->text().isEmpty());
    Type(dialog, "lost");
    dialog.KM_MemoExit();
    Modal().Queue(mrNo);
  });
  EXPECT_EQ(LastMessage(), "Templet Codes for Keyboard Map are modified. Save changes ?");
  EXPECT_EQ(Editor().KeyMacros(), before);
  EXPECT_EQ(Editor().GetKeyMapFileName(), "");

  std::string file = temp_.File("new.tpl");
  RunTempletDialog([&](TTempletForm& dialog) {
    EXPECT_EQ(dialog.KM_Memo->toPlainText(), "") << "every showing starts from the editor's texts";
    Type(dialog, "kept");
    dialog.KM_MemoExit();
    Modal().Queue(mrYes);
    Modal().Queue(ModalAnswer{mrOk, file, 0, {}});
  });
  EXPECT_EQ(Editor().GetKeyMapFileName(), file);
  EXPECT_EQ(Editor().KeyMacros()[0], "kept\r\n");
  EXPECT_TRUE(FileExists(file));

  // Clear forgets the file: OK then asks again, and No keeps the file name as it was.
  RunTempletDialog([&](TTempletForm& dialog) {
    EXPECT_EQ(dialog.KM_Label->text().toStdString(), file);
    dialog.KM_ClearButton->click();
    EXPECT_EQ(dialog.KM_Memo->toPlainText(), "");
    Modal().Queue(mrNo);
  });
  EXPECT_EQ(Editor().KeyMacros()[0], "kept\r\n");
  EXPECT_EQ(Editor().GetKeyMapFileName(), file);
}

TEST_F(KeyMacroTemplatesTest, ReloadReadsAnotherFileIntoTheDialogOnly) {
  std::string file = temp_.File("other.tpl");
  TempletForm->SaveKeyTemplates(file, SampleTexts());
  RunTempletDialog([&](TTempletForm& dialog) {
    Modal().Queue(ModalAnswer{mrOk, file, 0, {}});  // OK asks nothing: the reloaded file is named
    dialog.KM_ReloadButton->click();
    EXPECT_EQ(dialog.KM_Label->text().toStdString(), file);
    EXPECT_EQ(dialog.KM_Memo->toPlainText(), "for (;;) {\n}");
  });
  EXPECT_EQ(Editor().GetKeyMapFileName(), file);
  EXPECT_EQ(Editor().KeyMacros(), SampleTexts());
}

TEST_F(KeyMacroTemplatesTest, ReloadOfARefusedFileThenCancelKeepsTheEditorsFile) {
  std::string file = temp_.File("kept.tpl"), refused = temp_.File("short.tpl");
  TempletForm->SaveKeyTemplates(file, SampleTexts());
  WriteFile(refused, "Ctrl-Shift-A\r\n");
  Editor().SetKeyMapFileName(file);
  Modal().Queue(ModalAnswer{mrCancel, {}, 0, [&](QWidget*) {
                              TempletForm->FormShow();
                              Modal().Queue(ModalAnswer{mrOk, refused, 0, {}});
                              Modal().Queue(mrOk);  // "Invalid file format !"
                              TempletForm->KM_ReloadButton->click();
                              EXPECT_EQ(TempletForm->KM_Label->text().toStdString(), "");
                            }});
  Main().Templet1Click();
  EXPECT_EQ(Editor().GetKeyMapFileName(), file);
}
