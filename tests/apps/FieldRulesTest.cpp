// Two rules every field of both programs keeps: a key with Alt or Ctrl is a command and types
// nothing, and the single-line field a dialog focuses when it opens has its text selected, so
// what the user types replaces it.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include "BothPrograms.h"

namespace {

std::string Where(const QWidget& field) {
  return field.window()->objectName().toStdString() + " \"" + field.window()->windowTitle().toStdString() + "\" / " +
         field.metaObject()->className() + " " + field.objectName().toStdString();
}

// The letters the window's captions make access keys of, which Alt presses.
QString AccessLetters(const QWidget& window) {
  QString used;
  auto take = [&used](const QString& caption) {
    for (qsizetype at = caption.indexOf('&'); at >= 0 && at + 1 < caption.size(); at = caption.indexOf('&', at + 2))
      used += caption[at + 1].toUpper();
  };
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) take(button->text());
  for (const QLabel* label : window.findChildren<QLabel*>()) take(label->text());
  for (const QGroupBox* group : window.findChildren<QGroupBox*>()) take(group->title());
  for (const QTabBar* bar : window.findChildren<QTabBar*>())
    for (int tab = 0; tab < bar->count(); ++tab) take(bar->tabText(tab));
  for (const QAction* action : window.findChildren<QAction*>()) take(action->text());
  return used;
}

// A letter that no caption of the window uses.
Qt::Key FreeLetter(const QWidget& window) {
  const QString used = AccessLetters(window);
  for (char letter : std::string("QJXZKWVYGUBHIMPLDTNROECAFS"))
    if (!used.contains(QChar(letter))) return Qt::Key(letter);
  return Qt::Key_Q;
}

bool TakesTyping(const QWidget& field) {
  if (!field.isEnabled() || field.focusPolicy() == Qt::NoFocus || !field.isVisibleTo(field.window())) return false;
  if (auto* line = qobject_cast<const QLineEdit*>(&field))
    return !line->isReadOnly() && qobject_cast<QAbstractSpinBox*>(line->parentWidget()) == nullptr;
  if (auto* memo = qobject_cast<const QPlainTextEdit*>(&field)) return !memo->isReadOnly();
  if (auto* memo = qobject_cast<const QTextEdit*>(&field)) return !memo->isReadOnly();
  return false;
}

QString TextOf(const QWidget& field) {
  if (auto* line = qobject_cast<const QLineEdit*>(&field)) return line->text();
  if (auto* memo = qobject_cast<const QPlainTextEdit*>(&field)) return memo->toPlainText();
  return static_cast<const QTextEdit&>(field).toPlainText();
}

void SetText(QWidget& field, const QString& text) {
  if (auto* line = qobject_cast<QLineEdit*>(&field)) line->setText(text);
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(&field)) memo->setPlainText(text);
  else static_cast<QTextEdit&>(field).setPlainText(text);
}

// The field focused in its active window, as after the user clicked into it.
void FocusInItsWindow(QWidget& field) {
  QWidget* window = field.window();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << Where(field);
  field.setFocus();
}

// The field's text after the keys were typed into its window with the field focused.
QString AfterKeys(QWidget& field, const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>& keys) {
  FocusInItsWindow(field);
  SetText(field, "keep");
  for (auto [key, modifiers] : keys) QTest::keyClick(field.window()->windowHandle(), key, modifiers);
  return TextOf(field);
}

// The single-line field the window has focused, or none.
QLineEdit* FocusedLine(const QWidget& window) {
  QWidget* focused = window.focusWidget();
  if (auto* box = qobject_cast<QComboBox*>(focused)) return box->lineEdit();
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(focused)) return spin->findChild<QLineEdit*>();
  return qobject_cast<QLineEdit*>(focused);
}

}  // namespace

TEST_F(BothPrograms, AKeyWithAltOrCtrlTypesNothingIntoAnyFieldOfAnyWindow) {
  QPlainTextEdit& page = *workbench::EditorForm->ActiveEditor();
  const QString source = page.toPlainText();
  FocusInItsWindow(page);
  for (Qt::Key letter : {Qt::Key_S, Qt::Key_F}) QTest::keyClick(page.window()->windowHandle(), letter, Qt::AltModifier);
  EXPECT_EQ(page.toPlainText(), source) << "Alt+S or Alt+F typed into the editor's page";

  int fields = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    for (QWidget* field : window->findChildren<QWidget*>()) {
      if (!TakesTyping(*field)) continue;
      const Qt::Key letter = FreeLetter(*window);
      EXPECT_EQ(AfterKeys(*field, {{letter, Qt::AltModifier}, {letter, Qt::ControlModifier | Qt::AltModifier}}), "keep")
          << Where(*field);
      ++fields;
    }
  EXPECT_GE(fields, 30);
}

TEST_F(BothPrograms, TheFieldADialogFocusesWhenItOpensHasItsTextSelected) {
  int fields = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) continue;  // the programs' main and tool windows, not dialogs
    window->show();
    QLineEdit* field = FocusedLine(*window);
    window->hide();
    if (field == nullptr) continue;
    field->setText("typed before");
    field->deselect();
    window->show();
    field = FocusedLine(*window);
    ASSERT_NE(field, nullptr) << window->windowTitle().toStdString();
    EXPECT_EQ(field->selectedText(), field->text()) << Where(*field);  // a dialog may load an empty text
    window->hide();
    fields += field->text().isEmpty() ? 0 : 1;
  }
  EXPECT_GE(fields, 10);
}
