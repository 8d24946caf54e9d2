#include "platform/Clipboard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

#include "platform/HandlerGuard.h"

namespace platform {

namespace {

QString ClipboardText() { return PlainTextOf(QGuiApplication::clipboard()->mimeData()); }

// The single-line edit a key or a context menu is meant for: a line edit, or the edit of an
// editable combo box, which hands its keys on. A spin box's edit takes numbers only and keeps
// Qt's own paste, which reads plain text too.
QLineEdit* LineEditOf(QObject* receiver) {
  if (auto* combo = qobject_cast<QComboBox*>(receiver)) return combo->lineEdit();
  auto* edit = qobject_cast<QLineEdit*>(receiver);
  if (edit == nullptr || qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr) return nullptr;
  return edit;
}

bool IsPasteAction(const QAction* action) {
  return action->text().section('\t', 0, 0) == QLineEdit::tr("&Paste");
}

// The edit's own context menu, its Paste taken through the clipboard's text.
void PopUpEditMenu(QLineEdit& edit, const QPoint& where) {
  QMenu* menu = edit.createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  for (QAction* action : menu->actions()) {
    if (!IsPasteAction(action)) continue;
    QObject::disconnect(action, &QAction::triggered, &edit, nullptr);
    action->setEnabled(!edit.isReadOnly() && Clipboard().HasText());
    Connect(action, &QAction::triggered, &edit, [&edit] { Clipboard().PasteInto(edit); });
  }
  menu->popup(where);
}

// Takes the paste key of a single-line edit; with none, leaves the key to Qt.
bool PasteKey(QLineEdit* edit) {
  if (edit == nullptr) return false;
  HandleEvent([edit] { Clipboard().PasteInto(*edit); });
  return true;
}

// Opens a single-line edit's own context menu; leaves any other control's menu to Qt.
bool EditMenu(QObject* receiver, const QPoint& where) {
  QLineEdit* edit = LineEditOf(receiver);
  if (edit != receiver || edit->contextMenuPolicy() != Qt::DefaultContextMenu) return false;
  HandleEvent([edit, where] { PopUpEditMenu(*edit, where); });
  return true;
}

class TLineEditPastes : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
      return PasteKey(LineEditOf(watched));
    if (event->type() == QEvent::ContextMenu)
      return EditMenu(watched, static_cast<QContextMenuEvent*>(event)->globalPos());
    return false;
  }
};

}  // namespace

QString PlainTextOf(const QMimeData* data) {
  return data != nullptr && data->hasText() ? data->text() : QString();
}

void InsertPastedText(QPlainTextEdit& edit, const QString& text) {
  if (edit.isReadOnly() || text.isEmpty()) return;
  edit.insertPlainText(text);
  edit.ensureCursorVisible();
}

bool TClipboard::HasText() const { return !ClipboardText().isEmpty(); }

std::string TClipboard::AsText() const { return ClipboardText().toStdString(); }

void TClipboard::SetAsText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TClipboard::PasteInto(QPlainTextEdit& edit) const { InsertPastedText(edit, ClipboardText()); }

void TClipboard::PasteInto(QLineEdit& edit) const {
  const QString text = ClipboardText();
  if (!edit.isReadOnly() && !text.isEmpty()) edit.insert(text);
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

void RouteLineEditPastes(QApplication& application) {
  application.installEventFilter(new TLineEditPastes(&application));
}

}  // namespace platform
