#pragma once
// The plain framework controls the design surface places: a push button, a label, a check box, a
// radio button, a scroll bar and a bitmap button. Each is its Qt widget under the framework's class
// name, so that a class test and a class name written out tell them apart.
#include <QCheckBox>
#include <QLabel>
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

}  // namespace platform
