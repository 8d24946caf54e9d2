// A user's paste in both programs: Ctrl+V typed into an editor, a single-line edit or any text box
// of any window takes the clipboard's text as plain text, and pastes nothing, ending nothing, when
// the clipboard holds no text or nothing at all, as an X clipboard that nobody holds.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <type_traits>

#include "BothPrograms.h"

namespace {

QMimeData* Nothing() { return new QMimeData; }

QMimeData* PictureOnly() {
  auto* data = new QMimeData;
  data->setData("image/png", QByteArray("\x89PNG\r\n", 6));
  return data;
}

QMimeData* TextWithRichForm(const QString& text) {
  auto* data = new QMimeData;
  data->setHtml("<b>rich</b>");
  data->setText(text);
  return data;
}

// What another program left on the clipboard.
void Offer(QMimeData* data) { QGuiApplication::clipboard()->setMimeData(data); }

// The edit's window active and the edit focused, as after the user clicked into it.
void FocusInItsWindow(QWidget& edit) {
  QWidget* window = edit.window();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  edit.setFocus();
}

// Ctrl+V typed with the edit focused in its active window.
void TypeCtrlV(QWidget& edit) {
  edit.setFocus();
  QTest::keyClick(edit.window()->windowHandle(), Qt::Key_V, Qt::ControlModifier);
}

std::string Where(const QWidget& edit) {
  return edit.window()->objectName().toStdString() + " / " + edit.objectName().toStdString();
}

// The text the edit holds after the user selected all of "keep" and pasted what was offered.
template <class Edit>
std::string PastedOverKeep(Edit& edit, QMimeData* offered, const std::function<void()>& paste) {
  constexpr bool memo = std::is_base_of_v<QPlainTextEdit, Edit>;
  if constexpr (memo) edit.setPlainText("keep");
  else edit.setText("keep");
  edit.selectAll();
  Offer(offered);
  paste();
  if constexpr (memo) return edit.toPlainText().toStdString();
  else return edit.text().toStdString();
}

template <class Edit>
void ExpectPastesPlainTextOnly(Edit& edit, const std::function<void()>& paste) {
  EXPECT_EQ(PastedOverKeep(edit, Nothing(), paste), "keep") << Where(edit);
  EXPECT_EQ(PastedOverKeep(edit, PictureOnly(), paste), "keep") << Where(edit);
  EXPECT_EQ(PastedOverKeep(edit, TextWithRichForm("int a;\tb"), paste), "int a;\tb") << Where(edit);
}

TEST_F(BothPrograms, CtrlVAndThePasteCommandsOfEitherEditorPasteTheClipboardsTextOnly) {
  QPlainTextEdit& page = *workbench::EditorForm->ActiveEditor();
  FocusInItsWindow(page);
  ExpectPastesPlainTextOnly(page, [&] { TypeCtrlV(page); });
  ExpectPastesPlainTextOnly(page, [] { workbench::MainForm->pasteButtonClick(); });

  modeller::EditorForm()->Show();
  modeller::EditorForm()->FileNewItemClick();
  QPlainTextEdit& memo = *modeller::EditorForm()->ActiveSheet()->Memo;
  FocusInItsWindow(memo);
  ExpectPastesPlainTextOnly(memo, [&] { TypeCtrlV(memo); });
  ExpectPastesPlainTextOnly(memo, [] { modeller::EditorForm()->EditPasteItemClick(); });
}

// A right click on the edit and Paste in the menu it opens.
void PasteFromContextMenu(QLineEdit& edit) {
  QWindow* window = edit.window()->windowHandle();
  QTest::mouseClick(window, Qt::RightButton, {}, edit.mapTo(edit.window(), edit.rect().center()));
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  for (QAction* action : menu->actions())
    if (action->text().startsWith("&Paste")) action->trigger();
  menu->close();
}

TEST_F(BothPrograms, APasteWithoutTextKeepsTheSelectionOfASingleLineEdit) {
  QLineEdit& find = *workbench::EditorForm->FindDialog1()->FindEdit;
  FocusInItsWindow(find);
  ExpectPastesPlainTextOnly(find, [&] { TypeCtrlV(find); });
  EXPECT_EQ(PastedOverKeep(find, TextWithRichForm("once"), [&] { PasteFromContextMenu(find); }), "once");

  QComboBox& line = *workbench::LineNumberForm->ComboBox1;
  FocusInItsWindow(line);
  ExpectPastesPlainTextOnly(*line.lineEdit(), [&] { TypeCtrlV(line); });
}

TEST_F(BothPrograms, NoTextBoxOfAnyWindowEndsTheProgramOnAPasteFromAnEmptyClipboard) {
  int boxes = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
      if (box->isReadOnly() || !box->isEnabled() || box->focusPolicy() == Qt::NoFocus) continue;
      FocusInItsWindow(*box);
      EXPECT_EQ(PastedOverKeep(*box, Nothing(), [&] { TypeCtrlV(*box); }), "keep") << Where(*box);
      ++boxes;
    }
  EXPECT_GE(boxes, 8);
}

}  // namespace
