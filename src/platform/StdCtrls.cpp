#include "platform/StdCtrls.h"

#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <climits>

#include "platform/Clipboard.h"

namespace platform {

namespace {

// The widest line, in pixels, that Qt's text layout allows for in its fixed-point coordinates.
constexpr double kWidestDrawableLine = INT_MAX / 256;

}  // namespace

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
  connect(document(), &QTextDocument::contentsChange, this, &TMemo::CheckLineLengths);
  rewrap_.setSingleShot(true);
  rewrap_.setInterval(300);
  connect(&rewrap_, &QTimer::timeout, this, &TMemo::RewrapAtWidth);
}

bool TMemo::canInsertFromMimeData(const QMimeData* source) const { return !PlainTextOf(source).isEmpty(); }

void TMemo::insertFromMimeData(const QMimeData* source) { InsertPastedText(*this, PlainTextOf(source)); }

void TMemo::resizeEvent(QResizeEvent* event) {
  const bool widthChanged = event->oldSize().width() != event->size().width();
  const bool keepsLayout = lineWrapMode() == NoWrap || (wrapsLongLine_ && isVisible());
  if (!widthChanged || !keepsLayout) {
    QPlainTextEdit::resizeEvent(event);
    return;
  }
  // Unwrapped lines do not depend on the width: only the scroll bars follow it. A line long
  // enough to be wrapped takes long to wrap anew, so it is wrapped once the width has settled.
  QResizeEvent heightOnly(event->size(), QSize(event->size().width(), event->oldSize().height()));
  QPlainTextEdit::resizeEvent(&heightOnly);
  if (wrapsLongLine_) rewrap_.start();
}

void TMemo::RewrapAtWidth() {
  QResizeEvent widthChanged(viewport()->size(), QSize(-1, -1));
  QPlainTextEdit::resizeEvent(&widthChanged);
}

void TMemo::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) KeepLongLinesCheap(document()->firstBlock(), document()->lastBlock());
}

// A change can make a line too long only where it added text; once the memo wraps for a long
// line, a removal anywhere may have taken the last such line away.
void TMemo::CheckLineLengths(int from, int removed, int added) {
  QTextDocument& text = *document();
  if (!wrapsLongLine_ && added > 0) {
    QTextBlock last = text.findBlock(from + added);
    KeepLongLinesCheap(text.findBlock(from), last.isValid() ? last : text.lastBlock());
  } else if (wrapsLongLine_ && removed > 0) {
    KeepLongLinesCheap(text.firstBlock(), text.lastBlock());
  }
}

void TMemo::KeepLongLinesCheap(const QTextBlock& first, const QTextBlock& last) {
  const bool tooLong = HasLineTooLong(first, last);
  if (tooLong && !wrapsLongLine_) {
    ownLineWrap_ = lineWrapMode();
    ownWordWrap_ = wordWrapMode();
    wrapsLongLine_ = true;
    setWordWrapMode(QTextOption::WrapAnywhere);
    setLineWrapMode(WidgetWidth);
  } else if (!tooLong && wrapsLongLine_) {
    wrapsLongLine_ = false;
    setWordWrapMode(ownWordWrap_);
    setLineWrapMode(ownLineWrap_);
  }
}

bool TMemo::HasLineTooLong(const QTextBlock& first, const QTextBlock& last) const {
  for (QTextBlock block = first; block.isValid(); block = block.next()) {
    if (IsTooLong(block)) return true;
    if (block == last) break;
  }
  return false;
}

bool TMemo::IsTooLong(const QTextBlock& line) const {
  const bool wraps = wrapsLongLine_ ? ownLineWrap_ != NoWrap : lineWrapMode() != NoWrap;
  const QTextOption::WrapMode wordWrap = wrapsLongLine_ ? ownWordWrap_ : wordWrapMode();
  if (wraps) return wordWrap != QTextOption::WrapAnywhere && line.length() > kLongestWordWrappedLine;
  // No character is wider than the font's widest, no tab wider than a tab stop.
  const double widest = std::max(fontMetrics().maxWidth(), 1);
  const double tab = std::max(widest, tabStopDistance());
  const double length = line.length();
  if (length * tab <= kWidestDrawableLine) return false;
  const double tabs = line.text().count(u'\t');
  return (length - tabs) * widest + tabs * tab > kWidestDrawableLine;
}

}  // namespace platform
