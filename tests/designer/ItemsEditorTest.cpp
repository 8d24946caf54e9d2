// The items editor counts its memo's lines in its label.
#include <QScreen>
#include <QSignalBlocker>

#include "../workbench/WorkbenchFixture.h"
#include "designer/ItemsEditor_f.h"

using namespace designer;

TEST_F(WorkbenchTest, ItemsEditorLabelCountsLines) {
  TItemsEditorForm& form = *ItemsEditorForm;
  EXPECT_EQ(form.Caption(), "Item Editor");
  const std::pair<const char*, const char*> cases[] = {
      {"", "0 Line"}, {"Red", "1 Line"}, {"Red\n", "1 Line"}, {"Red\nGreen", "2 Lines"}, {"a\nb\nc\n", "3 Lines"}};
  for (const auto& [text, label] : cases) {
    form.Memo1->setPlainText(text);
    EXPECT_EQ(form.Label1->text().toStdString(), label) << text;
  }
  // Showing the dialog counts lines put in without a change notice.
  {
    QSignalBlocker quiet(form.Memo1);
    form.Memo1->setPlainText("one\ntwo");
  }
  form.Show();
  EXPECT_EQ(form.Label1->text(), "2 Lines");
  // Shown with a shorter count, the label still holds a longer one whole.
  form.Memo1->setPlainText("a\nb\nc\nd\ne\nf\ng\nh\ni\nj");
  EXPECT_EQ(form.Label1->text(), "10 Lines");
  EXPECT_LE(form.Label1->fontMetrics().horizontalAdvance("10 Lines"), form.Label1->contentsRect().width());
  EXPECT_NE(form.Panel1->frameShape(), QFrame::NoFrame) << "the panel has its bevel";
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
  QRect screen = form.screen()->availableGeometry();
  EXPECT_EQ(form.Left(), screen.x() + (screen.width() - form.Width()) / 2);
  EXPECT_EQ(form.Top(), screen.y() + (screen.height() - form.Height()) / 2);
  EXPECT_EQ(form.focusWidget(), form.Memo1);
  form.hide();
}
