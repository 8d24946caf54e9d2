// The design surface driven by mouse and keys: placing, moving, resizing, nudging and deleting
// components, each gesture followed by the source.
#include <QComboBox>
#include <QLineEdit>

#include "SurfaceFixture.h"
#include "designer/ObjIns.h"

using namespace designer;

namespace {

const std::string kButton1Font = "        Button1.setFont(new Font(\"Dialog\",Font.BOLD,12));";

}  // namespace

TEST_F(SurfaceTest, ButtonDroppedOnAnAppletWritesItsLinesAndFollowsMoveResizeAndDelete) {
  NewForm(fkApplet);
  std::string untouched = Active().Lines().Text();
  Main().CompoButton->Click();
  ASSERT_EQ(Main().FSelectedTool, ckButton);
  Click(&Frame(), {10, 20});

  QWidget* button = Frame().FSelected;
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->objectName(), "Button1");
  EXPECT_EQ(button->metaObject()->className(), std::string("platform::TButton"));
  EXPECT_EQ(button->geometry(), QRect(10, 20, 75, 25));
  EXPECT_EQ(Declarations(), (Lines{"    public Button Button1;"}));
  EXPECT_EQ(Initialization(), (Lines{"        Button1 = new Button(\"Button1\");", kButton1Font}));
  EXPECT_EQ(Adds(), (Lines{"        add(Button1);"}));
  EXPECT_EQ(Positions(), (Lines{"        resize(400,300);", "        Button1.reshape(10,20+MenuBarHeight,75,25);"}));
  // The palette is back at the arrow, the inspector lists the button, the page shows modified.
  EXPECT_EQ(Main().FSelectedTool, ptNoTool);
  EXPECT_EQ(ObjInsForm->ComboBox1->currentText().toStdString(), "Button1 : TButton");
  EXPECT_EQ(Editor().StatusBar->PanelText(1), "Modified");
  EXPECT_FALSE(workbench::SourceUpdating);

  // A drag on the button itself (the press goes to the button, as the mouse would send it).
  Drag(button, {5, 5}, {35, 20});
  EXPECT_EQ(button->pos(), QPoint(40, 35));
  EXPECT_EQ(Positions().back(), "        Button1.reshape(40,35+MenuBarHeight,75,25);");

  // The right-bottom handle dragged by (+10, +5).
  auto* handle = Frame().findChild<QWidget*>("RB_Dot_Panel");
  ASSERT_TRUE(handle->isVisible());
  Drag(handle, {2, 2}, {12, 7});
  EXPECT_EQ(button->geometry(), QRect(40, 35, 85, 30));
  EXPECT_EQ(Positions().back(), "        Button1.reshape(40,35+MenuBarHeight,85,30);");

  KeyDown(Qt::Key_Delete);
  EXPECT_EQ(Frame().findChild<QWidget*>("Button1"), nullptr);
  EXPECT_EQ(Active().Lines().Text(), untouched);
  EXPECT_EQ(Frame().FSelected, &Frame());
  EXPECT_EQ(ObjInsForm->ComboBox1->count(), 1);
}

TEST_F(SurfaceTest, ApplicationFrameAddsTheWindowMetricsAndAPanelHoldsItsOwnComponents) {
  NewForm(fkApplication);
  Drop(ckButton, {10, 20});
  EXPECT_EQ(Positions().back(), "        Button1.reshape(14,43+MenuBarHeight,75,25);");
  QWidget* panel = Drop(ckPanel, {100, 100});
  ASSERT_EQ(panel->objectName(), "Panel1");
  EXPECT_EQ(panel->metaObject()->className(), std::string("platform::TPanel"));
  // A press on the panel with a tool puts the new component inside it, at the press point.
  Drop(ckButton, {10, 5}, panel);
  QWidget* inner = Frame().FSelected;
  EXPECT_EQ(inner->objectName(), "Button2");
  EXPECT_EQ(inner->parentWidget(), panel);
  EXPECT_EQ(Adds(), (Lines{"        Panel1.add(Button2);", "        add(Panel1);", "        add(Button1);"}));
  EXPECT_EQ(Positions().back(), "        Button2.reshape(10,5,75,25);");
  EXPECT_EQ(Declarations(),
            (Lines{"    public Button Button1;", "    public Panel Panel1;", "    public Button Button2;"}));

  // Deleting the panel takes its button's lines too.
  Click(panel, {150, 30});
  ASSERT_EQ(Frame().FSelected, panel);
  KeyDown(Qt::Key_Delete);
  EXPECT_EQ(Declarations(), (Lines{"    public Button Button1;"}));
  EXPECT_EQ(Adds(), (Lines{"        add(Button1);"}));
  EXPECT_EQ(Positions().size(), 2u);
  EXPECT_EQ(Frame().FSelected->objectName(), "Button1");  // the next one in creation order
  QComboBox* combo = ObjInsForm->ComboBox1;
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(0).toStdString(), "Button1 : TButton");
  EXPECT_EQ(combo->itemText(1).toStdString(), "noname01 : TFrame");
}

TEST_F(SurfaceTest, NamesTakeTheLowestFreeNumberIgnoringCase) {
  NewForm(fkApplet);
  QWidget* first = Drop(ckButton, {10, 10});
  QWidget* second = Drop(ckButton, {10, 50});
  EXPECT_EQ(first->objectName(), "Button1");
  EXPECT_EQ(second->objectName(), "Button2");
  Click(&Frame(), {300, 250});
  Click(first, {3, 3});
  KeyDown(Qt::Key_Delete);
  EXPECT_EQ(Drop(ckButton, {10, 90})->objectName(), "Button1");
  // A component named in other letter case holds its number.
  second->setObjectName("button3");
  EXPECT_EQ(Frame().GetPaletteClassName(ckButton), "Button2");
  EXPECT_EQ(Frame().GetPaletteClassName(ckButton + 1), "Panel1");
}

TEST_F(SurfaceTest, ControlsNeverReactAndAPressWithShiftStartsNothing) {
  NewForm(fkApplet);
  auto* button = qobject_cast<QAbstractButton*>(Drop(ckButton, {10, 10}));
  auto* field = qobject_cast<QLineEdit*>(Drop(ckTextField, {10, 60}));
  int clicks = 0;
  QObject::connect(button, &QAbstractButton::clicked, [&] { ++clicks; });
  Click(button, {5, 5});
  EXPECT_EQ(clicks, 0);
  QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(field, &typed);
  EXPECT_EQ(field->text(), "TextField1");

  std::string before = Active().Lines().Text();
  QPoint place = button->pos();
  Press(button, {5, 5}, Qt::ShiftModifier);
  MoveTo({40, 40});
  Release({40, 40}, Qt::ShiftModifier);
  EXPECT_EQ(button->pos(), place);
  EXPECT_EQ(Frame().FSelected, button);
  EXPECT_EQ(Active().Lines().Text(), before);
}

TEST_F(SurfaceTest, CtrlArrowsMoveAndShiftArrowsSizeWrittenOnceWhenTheKeyComesUp) {
  NewForm(fkApplet);
  QWidget* button = Drop(ckButton, {10, 20});
  KeyDown(Qt::Key_Control, Qt::ControlModifier);
  for (int i = 0; i < 3; ++i) KeyDown(Qt::Key_Right, Qt::ControlModifier);
  KeyDown(Qt::Key_Control, Qt::ControlModifier);  // a held key repeats: the start stays
  KeyDown(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(button->pos(), QPoint(13, 21));
  EXPECT_EQ(Positions().back(), "        Button1.reshape(10,20+MenuBarHeight,75,25);");  // not yet
  KeyUp(Qt::Key_Control);
  EXPECT_EQ(Positions().back(), "        Button1.reshape(13,21+MenuBarHeight,75,25);");

  KeyDown(Qt::Key_Shift, Qt::ShiftModifier);
  KeyDown(Qt::Key_Left, Qt::ShiftModifier);
  KeyDown(Qt::Key_Down, Qt::ShiftModifier);
  KeyDown(Qt::Key_Down, Qt::ShiftModifier);
  KeyUp(Qt::Key_Shift);
  EXPECT_EQ(button->size(), QSize(74, 27));
  EXPECT_EQ(Positions().back(), "        Button1.reshape(13,21+MenuBarHeight,74,27);");
}

TEST_F(SurfaceTest, HandleDragsKeepSizesAtZeroOrAbove) {
  NewForm(fkApplet);
  QWidget* button = Drop(ckButton, {100, 100});
  auto* leftTop = Frame().findChild<QWidget*>("LT_Dot_Panel");
  Drag(leftTop, {0, 0}, {5, 5});
  EXPECT_EQ(button->geometry(), QRect(105, 105, 70, 20));
  EXPECT_EQ(Positions().back(), "        Button1.reshape(105,105+MenuBarHeight,70,20);");

  // Past the opposite edge the size stops at 0 and the far edge stays where it was.
  Drag(leftTop, {0, 0}, {120, 40});
  EXPECT_EQ(button->geometry(), QRect(175, 125, 0, 0));
  auto* rightBottom = Frame().findChild<QWidget*>("RB_Dot_Panel");
  Drag(rightBottom, {0, 0}, {-50, -50});
  EXPECT_EQ(button->size(), QSize(0, 0));
  EXPECT_EQ(Positions().back(), "        Button1.reshape(175,125+MenuBarHeight,0,0);");
}

// The pressed handle hides at once; the drag and its release still belong to the frame.
TEST_F(SurfaceTest, AHandleDragFollowsTheHandWithinTheSurfaceAndEndsAtTheRelease) {
  NewForm(fkApplet);
  QWidget* button = Drop(ckButton, {10, 20});
  auto* rightBottom = Frame().findChild<QWidget*>("RB_Dot_Panel");
  Press(rightBottom, {2, 2});
  MoveTo({22, 12});
  EXPECT_EQ(button->size(), QSize(95, 35));
  // Past the surface's edge the size stops at it.
  MoveTo({600, 600});
  EXPECT_EQ(button->size(), QSize(390, 280));
  Release({600, 600});
  EXPECT_EQ(Positions().back(), "        Button1.reshape(10,20+MenuBarHeight,390,280);");
  QTest::mouseMove(Frame().windowHandle(), {200, 150});
  EXPECT_EQ(button->size(), QSize(390, 280)) << "the button follows the mouse after the release";
}

TEST_F(SurfaceTest, AnExistingComponentIsNotDraggedWhileAPaletteToolIsSelected) {
  NewForm(fkApplet);
  QWidget* button = Drop(ckButton, {10, 10});
  Main().FSelectedTool = ckButton;
  Drag(button, {5, 5}, {105, 105});
  EXPECT_EQ(button->pos(), QPoint(10, 10));
  // The press marked the place of the new button, in the old one's parent.
  QWidget* added = Frame().FSelected;
  EXPECT_EQ(added->objectName(), "Button2");
  EXPECT_EQ(added->pos(), QPoint(15, 15));
  EXPECT_EQ(Positions(), (Lines{"        resize(400,300);", "        Button1.reshape(10,10+MenuBarHeight,75,25);",
                                "        Button2.reshape(15,15+MenuBarHeight,75,25);"}));
}

TEST_F(SurfaceTest, TabWalksTheComponentsInCreationOrder) {
  NewForm(fkApplication);
  KeyDown(Qt::Key_Tab);
  EXPECT_EQ(Frame().FSelected, &Frame());  // only the frame and its handles
  QWidget* first = Drop(ckButton, {10, 10});
  QWidget* second = Drop(ckLabel, {10, 60});
  Click(&Frame(), {300, 250});
  KeyDown(Qt::Key_Tab);
  EXPECT_EQ(Frame().FSelected, first);
  KeyDown(Qt::Key_Tab);
  EXPECT_EQ(Frame().FSelected, second);
  EXPECT_EQ(ObjInsForm->ComboBox1->currentText().toStdString(), "Label1 : TLabel");
  KeyDown(Qt::Key_Tab);
  EXPECT_EQ(Frame().FSelected, first);
  // The menu bar's marker counts once it shows.
  Drop(ckMenuBar, {200, 10});
  EXPECT_TRUE(Frame().MMB->isVisible());
  EXPECT_FALSE(Main().CompoMenu->isEnabled());
  Click(second, {2, 2});
  KeyDown(Qt::Key_Tab);
  EXPECT_EQ(Frame().FSelected, Frame().MMB);
}

TEST_F(SurfaceTest, MenuBarMarkerAndFileDialogMarkerOnlyMarkThePageWhenNudged) {
  NewForm(fkApplication);
  Drop(ckMenuBar, {200, 10});
  Drop(ckFileDialog, {300, 10});
  ASSERT_EQ(Frame().FSelected->objectName(), "OpenDlg1");
  EXPECT_FALSE(Main().CompoOpenDlg->isEnabled());
  std::string before = Active().Lines().Text();
  for (QWidget* marker : {Frame().FSelected.data(), static_cast<QWidget*>(Frame().MMB)}) {
    Click(marker, {3, 3});
    Active().SetModified(false);
    QPoint place = marker->pos();
    KeyDown(Qt::Key_Control, Qt::ControlModifier);
    KeyDown(Qt::Key_Left, Qt::ControlModifier);
    KeyDown(Qt::Key_Down, Qt::ControlModifier);
    KeyUp(Qt::Key_Control);
    EXPECT_EQ(marker->pos(), place + QPoint(-1, 1));
    EXPECT_TRUE(Active().Modified());
    EXPECT_EQ(Editor().GetPageCount(), 1) << "the page was closed by a lost marker";
    // Shift and the arrows never size a marker.
    KeyDown(Qt::Key_Shift, Qt::ShiftModifier);
    KeyDown(Qt::Key_Right, Qt::ShiftModifier);
    KeyUp(Qt::Key_Shift);
    EXPECT_EQ(marker->size(), QSize(29, 29));
  }
  EXPECT_EQ(Active().Lines().Text(), before);
}

TEST_F(SurfaceTest, AMenuBarWithItemsIsNotDeletedAndAnEmptyOneGoesWithItsLines) {
  NewForm(fkApplication);
  std::string untouched = Active().Lines().Text();
  Drop(ckMenuBar, {200, 10});
  EXPECT_EQ(Declarations(), (Lines{"    public MenuBar MenuBar1;"}));
  EXPECT_EQ(Initialization(), (Lines{"        MenuBar1 = new MenuBar();", "        setMenuBar(MenuBar1);"}));
  auto* menuBar = Frame().findChild<platform::TMainMenu*>("MenuBar1");
  ASSERT_NE(menuBar, nullptr);
  menuBar->Add("File");
  Click(Frame().MMB, {3, 3});
  Modal().Queue(platform::mrOk);
  KeyDown(Qt::Key_Delete);
  EXPECT_EQ(LastMessage(), "   MenuBar is not empty !\r\r   Open Menu Designer and Remove MenuItems first.   ");
  EXPECT_TRUE(Frame().MMB->isVisible());

  delete menuBar->Items.front();
  menuBar->Items.clear();
  // The menus had set the bar's height; it goes back to 0 with the bar.
  int field = designer::GetLineIndex("final int MenuBarHeight = ");
  Active().Lines().Put(field, "    final int MenuBarHeight = 19;");
  KeyDown(Qt::Key_Delete);
  EXPECT_FALSE(Frame().MMB->isVisible());
  EXPECT_TRUE(Main().CompoMenu->isEnabled());
  EXPECT_EQ(Frame().findChild<platform::TMainMenu*>("MenuBar1"), nullptr);
  EXPECT_EQ(Active().Lines().Text(), untouched);
}

TEST_F(SurfaceTest, ALostMarkerDuringADropClosesThePageAfterTheRescueQuestion) {
  NewForm(fkApplication);
  Active().Lines().Delete(designer::GetLineIndex("        // Add()s"));
  Modal().Queue(platform::mrNo);
  QPointer<designer::TFrame> frame = frame_;
  Drop(ckButton, {10, 10});
  EXPECT_EQ(Editor().GetPageCount(), 0);
  EXPECT_FALSE(workbench::MarkerLost);
  EXPECT_TRUE(frame == nullptr || !frame->HookInstalled());
  EXPECT_EQ(Main().FCurrentFrame, nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(frame, nullptr) << "the page's frame is freed";
}

TEST_F(SurfaceTest, ActivationBindsTheSwapButtonToTheEditorAndShowsTheFramesPage) {
  NewForm(fkApplet);
  EXPECT_FALSE(Main().CompoMenu->isEnabled());  // an applet has no menu bar
  Main().NewJavafileClick();
  ASSERT_EQ(Editor().Page->currentIndex(), 1);
  Editor().activateWindow();
  QApplication::processEvents();
  EXPECT_FALSE(Frame().HookInstalled());
  Activate();
  EXPECT_EQ(Editor().Page->currentIndex(), 0);
  EXPECT_EQ(Main().FPageFrame, &Frame());
  Main().SwapButton->Click();
  QApplication::processEvents();
  EXPECT_TRUE(Editor().isActiveWindow());
  EXPECT_FALSE(Frame().HookInstalled());
}

TEST(GridLines, DotsFromTheClipsLowerMultipleToItsUpperOne) {
  EXPECT_EQ(GridLines(3, 20, 8), (std::vector<int>{0, 8, 16}));
  EXPECT_EQ(GridLines(0, 3, 0), (std::vector<int>{0, 1, 2, 3}));
}
