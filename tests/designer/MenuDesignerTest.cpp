// The menu designer driven through its own buttons on a new application form: the menu lines it
// writes, their removal, checks, handlers, and the whole page compiled by the real javac.
#include <QTreeWidget>
#include <functional>

#include "SurfaceFixture.h"
#include "designer/JavaType.h"
#include "designer/MenuDesigner_f.h"
#include "platform/ModalService.h"
#include "platform/RichEdit.h"
#include "workbench/Main.h"

using namespace designer;

namespace {

QTreeWidgetItem* Select(TMenuDesigner& d, QTreeWidgetItem* node) {
  d.MenuTree->setCurrentItem(node);
  return node;
}

// New MenuItem under the parent, then its caption typed in.
QTreeWidgetItem* AddItem(TMenuDesigner& d, QTreeWidgetItem* parent, const char* caption) {
  Select(d, parent);
  d.NewItemB->click();
  QTreeWidgetItem* node = parent->child(parent->childCount() - 1);
  node->setText(0, caption);
  return node;
}

QTreeWidgetItem* Root(TMenuDesigner& d) { return d.MenuTree->topLevelItem(0); }

class MenuDesignerTest : public SurfaceTest {
 protected:
  // A new application form with a menu bar dropped on it.
  void FormWithMenuBar() {
    NewForm(fkApplication);
    ASSERT_NE(Drop(ckMenuBar, {130, 250}), nullptr);
    Main().FSelectedTool = ptNoTool;
  }
  // Double-clicks the menu bar's marker; play does the user's part in the dialog.
  void DesignMenu(const std::function<void(TMenuDesigner&)>& play, int result = platform::mrOk) {
    Modal().Queue(platform::ModalAnswer{result, {}, 0, [play](QWidget* w) { play(*static_cast<TMenuDesigner*>(w)); }});
    QWidget* marker = Frame().MMB;
    DoubleClick(marker, {4, 4});
    ASSERT_EQ(Modal().Log().back().kind, "Form");
  }
  // The File menu with Open, a separator and Save as...
  void DesignFileMenu() {
    DesignMenu([](TMenuDesigner& d) {
      QTreeWidgetItem* file = AddItem(d, Root(d), "File");
      AddItem(d, file, "Open");
      Select(d, AddItem(d, file, "aMenuItem"));
      d.separatorB->click();
      Select(d, AddItem(d, file, "Save as..."));
      EXPECT_EQ(d.Caption(), "Menu Designer - MenuBar1File0Save_as___2");
      d.OkButton->click();
    });
  }
  TMenuBar& Bar() { return *Frame().findChild<TMenuBar*>(); }
  // The Component Initialization lines from the menu bar's construction on.
  Lines MenuLines() {
    Lines all = Initialization();
    auto first = std::find(all.begin(), all.end(), "        MenuBar1 = new MenuBar();");
    return Lines(first, all.end());
  }
  Lines MenuDeclarations() {
    Lines menus;
    for (const std::string& line : Declarations())
      if (line.find("Menu") != std::string::npos) menus.push_back(line);
    return menus;
  }
};

}  // namespace

TEST(MenuNames, CaptionsBecomeIdentifierSafe) {
  EXPECT_EQ(TMenuDesigner::IdentifierSafeCaption("Save as..."), "Save_as___");
  EXPECT_EQ(TMenuDesigner::IdentifierSafeCaption("Item 2"), "Item__");
  EXPECT_EQ(TMenuDesigner::IdentifierSafeCaption("(separator)"), "_separator_");
}

TEST_F(MenuDesignerTest, FileMenuIsWrittenAndThePageCompiles) {
  FormWithMenuBar();
  DesignFileMenu();
  // A second menu whose caption needs escaping in Java.
  DesignMenu([](TMenuDesigner& d) {
    AddItem(d, AddItem(d, Root(d), "Edit"), "Say \"hi\" \\ now");
    d.OkButton->click();
  });
  EXPECT_EQ(MenuDeclarations(), (Lines{
                                    "    public MenuBar MenuBar1;",
                                    "    public Menu MenuBar1File0;",
                                    "    public MenuItem MenuBar1File0Open0;",
                                    "    public MenuItem MenuBar1File0Save_as___2;",
                                    "    public Menu MenuBar1Edit1;",
                                    "    public MenuItem MenuBar1Edit1Say__hi____now0;",
                                }));
  EXPECT_EQ(MenuLines(), (Lines{
                             "        MenuBar1 = new MenuBar();",
                             "        MenuBar1File0 = new Menu(\"File\");",
                             "        MenuBar1.add(MenuBar1File0);",
                             "        MenuBar1File0Open0 = new MenuItem(\"Open\");",
                             "        MenuBar1File0.add(MenuBar1File0Open0);",
                             "        MenuBar1File0.addSeparator();",
                             "        MenuBar1File0Save_as___2 = new MenuItem(\"Save as...\");",
                             "        MenuBar1File0.add(MenuBar1File0Save_as___2);",
                             "        MenuBar1Edit1 = new Menu(\"Edit\");",
                             "        MenuBar1.add(MenuBar1Edit1);",
                             "        MenuBar1Edit1Say__hi____now0 = new MenuItem(\"Say \\\"hi\\\" \\\\ now\");",
                             "        MenuBar1Edit1.add(MenuBar1Edit1Say__hi____now0);",
                             "        setMenuBar(MenuBar1);",
                         }));
  EXPECT_GE(GetLineIndex("final int MenuBarHeight = " + std::to_string(workbench::SystemMenuHeight) + ";"), 0);
  // The bar holds the items the tree described.
  ASSERT_EQ(Bar().Items.size(), 2u);
  EXPECT_EQ(Bar().Items[0]->objectName(), "MenuBar1File0");
  ASSERT_EQ(Bar().Items[0]->Count(), 3);
  EXPECT_EQ(Bar().Items[0]->Items(1)->Caption(), "-");
  EXPECT_EQ(Bar().Items[0]->Items(2)->objectName(), "MenuBar1File0Save_as___2");

  std::string source = temp_.File("noname01.java");
  testsupport::WriteFile(source, Active().Lines().Text());
  int status = testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn noname01.java 2> javac.err");
  EXPECT_EQ(status, 0) << testsupport::ReadFile(temp_.File("javac.err"));
}

TEST_F(MenuDesignerTest, DeletedItemsLoseTheirLinesAndTheHeightStays) {
  FormWithMenuBar();
  DesignFileMenu();
  DesignMenu([](TMenuDesigner& d) {
    // The tree is rebuilt from the bar.
    QTreeWidgetItem* file = Root(d)->child(0);
    EXPECT_EQ(Root(d)->text(0), "MenuBar1");
    ASSERT_EQ(file->childCount(), 3);
    EXPECT_EQ(file->child(1)->text(0), "(separator)");
    Select(d, file->child(0));
    d.DeleteItemB->click();
    d.OkButton->click();
  });
  EXPECT_EQ(MenuLines(), (Lines{
                             "        MenuBar1 = new MenuBar();",
                             "        MenuBar1File0 = new Menu(\"File\");",
                             "        MenuBar1.add(MenuBar1File0);",
                             "        MenuBar1File0.addSeparator();",
                             "        MenuBar1File0Save_as___1 = new MenuItem(\"Save as...\");",
                             "        MenuBar1File0.add(MenuBar1File0Save_as___1);",
                             "        setMenuBar(MenuBar1);",
                         }));
  DesignMenu([](TMenuDesigner& d) {
    Select(d, Root(d)->child(0));
    d.DeleteItemB->click();
    d.OkButton->click();
  });
  EXPECT_EQ(MenuLines(), (Lines{"        MenuBar1 = new MenuBar();", "        setMenuBar(MenuBar1);"}));
  EXPECT_EQ(MenuDeclarations(), (Lines{"    public MenuBar MenuBar1;"}));
  EXPECT_TRUE(Bar().Items.empty());
  EXPECT_GE(GetLineIndex("final int MenuBarHeight = " + std::to_string(workbench::SystemMenuHeight) + ";"), 0);
}

TEST_F(MenuDesignerTest, UneditedOkAndCancelWriteNothing) {
  FormWithMenuBar();
  DesignFileMenu();
  const std::string before = Active().Lines().Text();
  DesignMenu([](TMenuDesigner& d) { d.OkButton->click(); });
  EXPECT_EQ(Active().Lines().Text(), before);
  DesignMenu(
      [](TMenuDesigner& d) {
        Select(d, Root(d)->child(0));
        d.DeleteItemB->click();
        d.CancelButton->click();
      },
      platform::mrCancel);
  EXPECT_EQ(Active().Lines().Text(), before);
  EXPECT_EQ(Bar().Items.size(), 1u);
}

TEST_F(MenuDesignerTest, CheckedItemsAreCheckboxItemsUntilMadePlain) {
  FormWithMenuBar();
  DesignFileMenu();
  DesignMenu([](TMenuDesigner& d) {
    QTreeWidgetItem* open = Select(d, Root(d)->child(0)->child(0));
    EXPECT_EQ(d.CheckableB->text(), "Checkable");
    d.CheckedB->click();
    EXPECT_EQ(d.CheckableB->text(), "not Checkable");
    Select(d, Root(d)->child(0)->child(2));
    d.EnabledB->click();
    EXPECT_EQ(open->data(0, Qt::UserRole).toInt(), 10);
    d.OkButton->click();
  });
  EXPECT_EQ(MenuLines(), (Lines{
                             "        MenuBar1 = new MenuBar();",
                             "        MenuBar1File0 = new Menu(\"File\");",
                             "        MenuBar1.add(MenuBar1File0);",
                             "        MenuBar1File0Open0 = new CheckboxMenuItem(\"Open\");",
                             "        MenuBar1File0Open0.setState(true);",
                             "        MenuBar1File0.add(MenuBar1File0Open0);",
                             "        MenuBar1File0.addSeparator();",
                             "        MenuBar1File0Save_as___2 = new MenuItem(\"Save as...\");",
                             "        MenuBar1File0Save_as___2.enable(false);",
                             "        MenuBar1File0.add(MenuBar1File0Save_as___2);",
                             "        setMenuBar(MenuBar1);",
                         }));
  EXPECT_EQ(MenuDeclarations()[2], "    public CheckboxMenuItem MenuBar1File0Open0;");
  DesignMenu([](TMenuDesigner& d) {
    Select(d, Root(d)->child(0)->child(0));
    d.CheckableB->click();
    d.OkButton->click();
  });
  EXPECT_EQ(MenuLines()[3], "        MenuBar1File0Open0 = new MenuItem(\"Open\");");
  EXPECT_EQ(MenuLines()[4], "        MenuBar1File0.add(MenuBar1File0Open0);");
  EXPECT_EQ(MenuDeclarations()[2], "    public MenuItem MenuBar1File0Open0;");
}

TEST_F(MenuDesignerTest, HandlersFollowTheItemsAndLeaveSubmenus) {
  FormWithMenuBar();
  DesignFileMenu();
  // Clicking Open on the surface gives it its Action handler.
  Bar().Items[0]->Items(0)->Click();
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "MenuBar1File0Open0", "OnAction"), "MenuBar1File0Open0_Action");
  DesignMenu([](TMenuDesigner& d) {
    // The frame's WindowDestroy handler takes one Object too.
    ASSERT_EQ(d.EventHandlerCombo->count(), 3);
    EXPECT_EQ(d.EventHandlerCombo->itemText(0), "(none)");
    int action = d.EventHandlerCombo->findText("MenuBar1File0Open0_Action");
    QTreeWidgetItem* open = Select(d, Root(d)->child(0)->child(0));
    EXPECT_EQ(d.EventHandlerCombo->currentIndex(), action);
    // Save as... takes the same handler; Open becomes a submenu and loses it.
    Select(d, Root(d)->child(0)->child(2));
    d.EventHandlerComboChange(action);
    AddItem(d, open, "Recent");
    EXPECT_EQ(open->data(0, Qt::UserRole).toInt(), 0);
    d.OkButton->click();
  });
  EXPECT_EQ(Clauses(), (Lines{"        if (evt.id == Event.WINDOW_DESTROY && evt.target == this) noname01_WindowDestroy(evt.target);",
                              "        else if (evt.id == Event.ACTION_EVENT && evt.target == MenuBar1File0Save_as___2) "
                              "MenuBar1File0Open0_Action(evt.target);"}));
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "MenuBar1File0Open0", "OnAction"), "");
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "MenuBar1File0Save_as___2", "OnAction"),
            "MenuBar1File0Open0_Action");
  EXPECT_EQ(MenuLines()[3], "        MenuBar1File0Open0 = new Menu(\"Open\");");
  EXPECT_EQ(MenuLines()[5], "        MenuBar1File0Open0Recent0 = new MenuItem(\"Recent\");");
}

TEST_F(MenuDesignerTest, TheDesignedMenuBarLiesAboveTheSurfaceAndTakesItsOwnPresses) {
  FormWithMenuBar();
  QWidget* top = Drop(ckButton, {10, 2});
  Main().FSelectedTool = ptNoTool;
  const QRect outer(Frame().Left(), Frame().Top(), Frame().Width(), Frame().Height());
  EXPECT_TRUE(Bar().isHidden()) << "a bar without menus shows nothing";
  DesignFileMenu();
  EXPECT_EQ(Bar().geometry(), QRect(0, 0, Frame().width(), 19));
  // The surface begins below the bar; the window and the places on the surface stay as they were.
  EXPECT_EQ(top->mapTo(&Frame(), QPoint(0, 0)), QPoint(10, 21));
  EXPECT_EQ(QRect(Frame().Left(), Frame().Top(), Frame().Width(), Frame().Height()), outer);
  EXPECT_EQ(Positions()[1], "        Button1.reshape(14,25+MenuBarHeight,75,25);");
  // The hand picks the button where it shows and places a label right below the bar.
  Click(top, {3, 3});
  EXPECT_EQ(Frame().FSelected.data(), top);
  QWidget* label = Drop(ckLabel, {200, 20}, &Frame());
  EXPECT_EQ(label->pos(), QPoint(200, 1));
  // A press on a menu's title opens the menu and is no gesture of the surface.
  Click(&Bar(), Bar().actionGeometry(Bar().actions().first()).center());
  EXPECT_EQ(Frame().FSelected.data(), label) << "the surface took the press";
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QApplication::activePopupWidget()->close();
}

TEST_F(MenuDesignerTest, ASeparatorOfTheDesignedMenuIsALineThatNoClickWrites) {
  FormWithMenuBar();
  DesignFileMenu();
  // Clicks the item of the File menu, opened by a click on its title.
  auto clickItem = [this](int index) {
    Click(&Bar(), Bar().actionGeometry(Bar().actions().first()).center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[1]->text(), QString()) << "a separator draws no caption beside its line";
    Click(menu, menu->actionGeometry(menu->actions()[index]).center());
  };
  const std::string before = Active().Lines().Text();
  clickItem(1);
  EXPECT_EQ(Active().Lines().Text(), before);
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "MenuBar1File0_separator_1", "OnAction"), "");
  clickItem(0);
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "MenuBar1File0Open0", "OnAction"), "MenuBar1File0Open0_Action");

  testsupport::WriteFile(temp_.File("noname01.java"), Active().Lines().Text());
  int status = testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn noname01.java 2> javac.err");
  EXPECT_EQ(status, 0) << testsupport::ReadFile(temp_.File("javac.err"));
}
