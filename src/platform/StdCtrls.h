#pragma once
// The plain framework controls the design surface places: a push button, a label, a check box, a
// radio button, a scroll bar and a bitmap button. Each is its Qt widget under the framework's class
// name, so that a class test and a class name written out tell them apart. And the memo, the
// multi-line edit of every window.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <string>

#include "platform/Controls.h"

namespace platform {

class TButton : public QPushButton {
  Q_OBJECT
 public:
  explicit TButton(QWidget* parent) : QPushButton(parent) {}
};

class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent) : QLabel(parent) {}
};

class TCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit TCheckBox(QWidget* parent) : QCheckBox(parent) {}
};

// Radio buttons of one parent are not grouped by the framework: the designer decides which is on.
class TRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit TRadioButton(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }
};

class TScrollBar : public QScrollBar {
  Q_OBJECT
 public:
  explicit TScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}
};

// A push button that shows a small picture.
class TBitBtn : public QPushButton {
  Q_OBJECT
 public:
  explicit TBitBtn(QWidget* parent) : QPushButton(parent) {}
  void SetGlyph(const std::string& name) {  // the picture (Glyph) in place of a text
    setIcon(Glyph(name));
    setIconSize(QSize(20, 20));
  }
};

// A multi-line plain-text edit. Whatever way text is pasted or dropped on it (the paste key, its
// context menu, the middle button, a drag), it goes in as the plain text the clipboard unit reads,
// never through Qt's own reading of the data.
class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent) : QPlainTextEdit(parent) {}

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace platform
