#include "LongLines.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace testsupport {

int ExpectEveryMemoWrapsLongLinesAnywhere() {
  // Two million characters without a space: wider than the layout's coordinates reach in any
  // readable font, and far past the length wrapped at word boundaries.
  const QString tooLong(2'000'000, u'w');
  int tried = 0;
  for (QWidget* widget : QApplication::allWidgets()) {
    auto* memo = qobject_cast<QPlainTextEdit*>(widget);
    if (memo == nullptr) continue;
    ++tried;
    const std::string where = memo->window()->windowTitle().toStdString() + " / " + memo->objectName().toStdString() +
                              " (" + memo->metaObject()->className() + ")";
    const auto ownLineWrap = memo->lineWrapMode();
    const auto ownWordWrap = memo->wordWrapMode();
    // The memo's own change notices stay quiet: the windows that own it see nothing of the trial.
    QSignalBlocker quiet(memo);
    const QString held = memo->toPlainText();
    memo->setPlainText("short\n" + tooLong + "\nshort");
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth) << where;
    EXPECT_EQ(memo->wordWrapMode(), QTextOption::WrapAnywhere) << where;
    memo->setPlainText(held);
    EXPECT_EQ(memo->lineWrapMode(), ownLineWrap) << where;
    EXPECT_EQ(memo->wordWrapMode(), ownWordWrap) << where;
  }
  return tried;
}

}  // namespace testsupport
