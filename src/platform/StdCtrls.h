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
#include <QTimer>
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
//
// Very long lines cost a memo more than their length, so while one is in the text the memo wraps
// it anywhere at its width, and goes back to its own wrapping once no such line is left:
// - A memo that does not wrap draws each line at its full width, and Qt's text layout places
//   characters in fixed-point coordinates that end near 8.4 million pixels: past that glyphs
//   overlap and the end of the line cannot be reached.
// - Wrapping at word boundaries looks for the next boundary to the end of the line for every
//   wrapped row, which for a line without spaces is time in the square of its length.
// A line wrapped for its length is wrapped anew only once the memo's width has stopped changing.
// Nor does a memo that does not wrap lay every line out again when its width changes, which would
// cost time and memory in proportion to the lines of the whole text.
class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent);

  // Lines longer than this are wrapped anywhere by a memo that wraps at word boundaries.
  static constexpr int kLongestWordWrappedLine = 16384;

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CheckLineLengths(int from, int removed, int added);
  void KeepLongLinesCheap(const QTextBlock& first, const QTextBlock& last);
  bool HasLineTooLong(const QTextBlock& first, const QTextBlock& last) const;
  bool IsTooLong(const QTextBlock& line) const;
  void RewrapAtWidth();
  bool wrapsLongLine_ = false;
  // The memo's own wrapping, put back when the last long line is gone.
  LineWrapMode ownLineWrap_ = WidgetWidth;
  QTextOption::WrapMode ownWordWrap_ = QTextOption::WrapAtWordBoundaryOrAnywhere;
  QTimer rewrap_;
};

}  // namespace platform
