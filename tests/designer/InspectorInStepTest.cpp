// The object inspector in step with the design surface: its cells after every gesture, its columns,
// help, chooser and creation order, and what it shows after a design is read or a page closed.
#include <QKeyEvent>

#include "Keys.h"
#include "SurfaceFixture.h"
#include "designer/ObjIns.h"
#include "platform/Launcher.h"

using namespace designer;

namespace {

class InspectorInStepTest : public SurfaceTest {
 protected:
  TObjInsForm& Ins() { return *ObjInsForm; }
  TRowPanel* Cell(const std::string& name) {
    for (int row = 0; row < TObjInsForm::PropertyRows; ++row)
      if (Ins().FPropNamePanels[row]->text().toStdString() == " " + name) return Ins().FPropValuePanels[row];
    ADD_FAILURE() << "no row " << name;
    return Ins().FPropValuePanels[0];
  }
  QRect Cells() {
    auto n = [this](const char* name) { return Cell(name)->text().toInt(); };
    return {n("Left"), n("Top"), n("Width"), n("Height")};
  }
  std::vector<std::string> Entries() {
    std::vector<std::string> entries;
    for (int i = 0; i < Ins().ComboBox1->count(); ++i) entries.push_back(Ins().ComboBox1->itemText(i).toStdString());
    return entries;
  }
};

}  // namespace

TEST_F(InspectorInStepTest, GeometryCellsFollowEveryGestureAndAnOpenEditorComparesWithWhatItShows) {
  NewForm(fkApplication);
  QWidget* button = Drop(ckButton, {10, 10});
  Ins().Child1Click(Cell("Left"));
  Drag(button, {5, 5}, {35, 25});
  EXPECT_EQ(Cells(), button->geometry());
  EXPECT_EQ(Ins().miniEdit1->text(), "40");
  Ins().miniEdit1->setText("10");  // the old place typed back is a change from what the editor shows
  Ins().miniEdit1->setModified(true);
  Ins().CommitProperty();
  EXPECT_EQ(Positions().back(), "        Button1.reshape(14,53+MenuBarHeight,75,25);");
  Drag(Frame().findChild<QWidget*>("LT_Dot_Panel"), {2, 2}, {-3, 7});
  EXPECT_EQ(Cells(), QRect(5, 35, 80, 20));
  for (auto [key, modifier] : {std::pair{Qt::Key_Control, Qt::ControlModifier}, {Qt::Key_Shift, Qt::ShiftModifier}}) {
    KeyDown(key, modifier);
    KeyDown(Qt::Key_Right, modifier);
    EXPECT_EQ(Cells(), button->geometry());
    KeyUp(key);
  }
  EXPECT_EQ(Cells(), QRect(6, 35, 81, 20));
  Ins().SelectComponent(&Frame());
  Frame().move(Frame().pos() + QPoint(7, 9));
  Frame().resize(Frame().size() + QSize(20, 10));
  EXPECT_EQ(Cells(), QRect(Frame().Left(), Frame().Top(), Frame().Width(), Frame().Height()));
}

TEST_F(InspectorInStepTest, ColumnsFillTheSheetFromTheFirstShowAndF1AsksAboutTheOpenRow) {
  NewForm(fkApplication);
  Ins().Show();
  for (int width : {0, 300}) {
    if (width > 0) Ins().SetInspectorWidth(width);
    QApplication::processEvents();
    const int w = Ins().PropertyBackPanel->width();
    EXPECT_EQ(w, Ins().ProPage->width());
    // The name column is half the sheet where that leaves both columns room for their texts.
    const int half = Ins().FPropNamePanels[0]->width();
    if (width > 0) {
      EXPECT_EQ(half, w / 2 - 4);
    }
    EXPECT_EQ(Cell("FontName")->geometry(), QRect(half, 4 * 18, w - half - 4, 18));
    if (width == 0) Ins().Child1Click(Cell("FontName"));
  }
  const QRect cell = Cell("FontName")->geometry();
  EXPECT_EQ(Ins().miniEdit1->geometry(), QRect(cell.x(), cell.y(), cell.width() - 17, 17));
  const std::string help = "open " + platform::Application()->HelpFile + "#";
  testsupport::TypeKey(Ins(), Qt::Key_F1);
  EXPECT_EQ(platform::Launcher::Instance().Launched().back(), help + "property FontName");
}

TEST_F(InspectorInStepTest, ChooserIsSortedWhileTabAndTheDesignFileKeepTheCreationOrder) {
  NewForm(fkApplication);
  QWidget* panel = Drop(ckPanel, {10, 10});
  Drop(ckButton, {10, 100});
  Drop(ckButton, {5, 5}, panel);
  EXPECT_EQ(Entries(), (Lines{"Button1 : TButton", "Button2 : TButton", "noname01 : TFrame", "Panel1 : TPanel"}));
  const Lines made{"Panel1", "Button1", "Button2"};
  Lines tabbed;
  for (int i = 0; i < 3; ++i) {
    KeyDown(Qt::Key_Tab);
    tabbed.push_back(Frame().FSelected->objectName().toStdString());
  }
  EXPECT_EQ(tabbed, made);
  AnswerSaveDialog(temp_.File("Order.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  Editor().ClosePage();
  Editor().OpenFileByName(temp_.File("Order.java"));
  Lines read;
  for (QWidget* c : Main().FCurrentFrame->Components())
    if (c->property("Tag").toInt() != -1 && c->objectName() != "MMB") read.push_back(c->objectName().toStdString());
  EXPECT_EQ(read, made);
}

TEST_F(InspectorInStepTest, InspectorShowsTheDesignJustReadAndThePageLeftAfterAClose) {
  NewForm(fkApplication);
  Drop(ckButton, {10, 10});
  AnswerSaveDialog(temp_.File("First.java"));
  ASSERT_TRUE(Editor().SaveFileAs());
  Editor().ClosePage();
  Main().forAnotherFrame1Click();
  TFrame* second = frame_ = Main().FCurrentFrame;
  QWidget* field = Drop(ckTextField, {20, 20});
  OpenThroughDialog(temp_.File("First.java"));
  EXPECT_EQ(Ins().Shown(), Main().FCurrentFrame.data());
  EXPECT_NE(Main().FCurrentFrame, second);
  EXPECT_EQ(Entries(), (Lines{"Button1 : TButton", "noname01 : TFrame"}));
  Main().CloseFile1Click();
  EXPECT_EQ(Ins().Shown(), field);
  EXPECT_EQ(Entries(), (Lines{"noname01 : TFrame", "TextField1 : TTextField"}));
  EXPECT_EQ(Ins().ComboBox1->currentText(), "TextField1 : TTextField");
  field->setProperty("PasswdChar", int('#'));  // as a design file gives it
  Ins().SelectComponent(field);
  EXPECT_EQ(Cell("PasswdChar")->text(), "#");
}

TEST_F(InspectorInStepTest, APressOnAnInactiveFrameActivatesItAndPlacesTheTool) {
  TFrame& first = NewForm(fkApplication);
  Main().forApplication1Click();
  frame_ = Main().FCurrentFrame;
  Activate();
  ASSERT_FALSE(first.HookInstalled());
  Drop(ckButton, {30, 40}, &first);
  EXPECT_EQ(Main().FCurrentFrame, &first);
  QWidget* button = first.findChild<QWidget*>("Button1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->pos(), QPoint(30, 40));
  EXPECT_EQ(Ins().Shown(), button);
}
