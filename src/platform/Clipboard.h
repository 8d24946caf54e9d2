#pragma once
// The clipboard, text only. Every paste of both programs reads the clipboard's text here and
// inserts it as plain text: the paste commands call PasteInto, the multi-line edits (TMemo) take
// Qt's own pastes and drops through PlainTextOf and InsertPastedText, and every single-line edit's
// paste key and context menu are routed here by the application. Qt's own reading of a paste's
// data is never used: on an X desktop it crashes when the clipboard holds nothing at all.
#include <QString>
#include <string>

class QApplication;
class QLineEdit;
class QMimeData;
class QPlainTextEdit;

namespace platform {

class TClipboard {
 public:
  bool HasText() const;  // the clipboard offers plain text
  std::string AsText() const;
  void SetAsText(const std::string& text);

  // Inserts the clipboard's text at the edit's caret, over its selection. A read-only edit, or a
  // clipboard without text, pastes nothing and keeps the selection.
  void PasteInto(QPlainTextEdit& edit) const;
  void PasteInto(QLineEdit& edit) const;
};

TClipboard& Clipboard();

// The plain text that pasted or dropped data offers, whatever else it holds; empty for none.
QString PlainTextOf(const QMimeData* data);

// Inserts text as PasteInto does.
void InsertPastedText(QPlainTextEdit& edit, const QString& text);

// Routes the paste key and the context menu's Paste of every single-line edit of the application,
// those inside combo boxes included, through the clipboard's text.
void RouteLineEditPastes(QApplication& application);

}  // namespace platform
