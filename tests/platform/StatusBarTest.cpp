// A status panel too narrow for a path shows its middle elided and the whole path as tool tip.
#include <gtest/gtest.h>

#include <QLabel>

#include "platform/Controls.h"

TEST(StatusBar, ALongPathShowsBothEndsAndTheWholeAsToolTip) {
  platform::TStatusBar bar(nullptr, {70, 50});
  bar.resize(260, 22);
  const std::string path = "/home/ann/projects/accounts/src/main/java/bank/Account.java";
  bar.SetPanelText(1, path);
  bar.grab();  // lays the bar out as showing it would
  QLabel* panel = bar.findChildren<QLabel*>().at(1);
  EXPECT_EQ(bar.PanelText(1), path);
  EXPECT_TRUE(panel->text().startsWith("/home")) << panel->text().toStdString();
  EXPECT_TRUE(panel->text().endsWith("Account.java")) << panel->text().toStdString();
  EXPECT_LT(panel->text().size(), static_cast<qsizetype>(path.size()));
  EXPECT_EQ(panel->toolTip().toStdString(), path);
  bar.SetPanelText(1, "short.java");
  EXPECT_EQ(panel->text(), "short.java");
  EXPECT_TRUE(panel->toolTip().isEmpty());
}
