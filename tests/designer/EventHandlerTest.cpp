// Event handlers end to end: the writers' texts, binding through the inspector's Events page and the
// surface's double-click, renaming and clearing, the clean-up before a compile, and the design saved
// and read again; the page compiled by the real javac after each step.
#include "SurfaceFixture.h"
#include "designer/EventWriters.h"
#include "designer/ObjIns.h"
#include "platform/SysUtils.h"

using namespace designer;

TEST(EventWriterTexts, ClausesRoutinesAndTheirWholeWordTests) {
  EXPECT_EQ(DispatchClause(ecMouseDown, "Panel1", "Panel1_MouseDown", false),
            "else if (evt.id == Event.MOUSE_DOWN && evt.target == Panel1) Panel1_MouseDown(evt.target, evt.x, evt.y, "
            "evt.modifiers, evt.clickCount);");
  EXPECT_EQ(DispatchClause(ecScrollLineUp, ClauseTarget(ecScrollLineUp, "Bar", "Bar"), "Up", true),
            "if (evt.id == Event.SCROLL_LINE_UP && evt.target == Bar) Up(evt.target, ((Scrollbar)(evt.target)).getValue());");
  EXPECT_EQ(ClauseTarget(ecKeyPress, "Frame1", "Frame1"), "this");
  EXPECT_EQ(ClauseTarget(ecWindowMoved, "Panel1", "Frame1"), "this");
  EXPECT_EQ(ClauseTarget(ecAction, "Frame1", "Frame1"), "Frame1");
  EXPECT_EQ(HandlerRoutine(ecMouseEnter, "In", "  "),
            (Lines{"  public void In(Object target, int x, int y)", "  {", "  ", "  }", ""}));
  EXPECT_FALSE(HasEventWriter(ecLoadFile));
  EXPECT_EQ(DispatchClause(ecSaveFile, "A", "B", true), "");

  const std::string release = "else if (evt.id == Event.KEY_ACTION_RELEASE && evt.target == Button10) H(evt.target);";
  EXPECT_FALSE(ClauseTestsEvent(release, ecKeyAction, "Button10"));
  EXPECT_FALSE(ClauseTestsEvent(release, ecKeyActionRelease, "Button1"));
  EXPECT_TRUE(ClauseTestsEvent(release, ecKeyActionRelease, "Button10"));

  EXPECT_TRUE(IsRoutineHead("    public void Key( Object t,int a , final int b)", "Key", HandlerParameters(ecMouseEnter)));
  EXPECT_FALSE(IsRoutineHead("    public void Key(Object target)", "Key", HandlerParameters(ecMouseEnter)));
  EXPECT_FALSE(IsRoutineHeadOf("    public void Button1_Action2(Object target)", "Button1_Action"));

  EXPECT_TRUE(IsEmptyRoutineBody("\n    {\n    \n    }\n\n"));
  EXPECT_FALSE(IsEmptyRoutineBody("\n    {\n        // later\n    }\n"));
  EXPECT_FALSE(IsEmptyRoutineBody("{ ; }"));

  EXPECT_EQ(HandlerNameRefusal("On_$Click2"), "");
  for (const char* bad : {"[x]", "a = b", "two words", "2nd", "class", "true"})
    EXPECT_EQ(HandlerNameRefusal(bad), "''" + std::string(bad) + "'' is not a valid handler name");
  EXPECT_EQ(EventGroupOf(ecMouseExit), 3);
  EXPECT_EQ(EventGroupOf(ecWindowIconify), 1);
  EXPECT_EQ(EventGroupOf(ecLoadFile), 0);
}

namespace {

class EventsPageTest : public SurfaceTest {
 protected:
  TObjInsForm& Inspector() { return *ObjInsForm; }
  TRowPanel* Row(const std::string& event) {
    for (TRowPanel* panel : Inspector().FEventNamePanels)
      if (!panel->isHidden() && panel->text().toStdString() == " On" + event) return panel;
    ADD_FAILURE() << "no row On" << event;
    return Inspector().FEventNamePanels[0];
  }
  std::string Value(const std::string& event) {
    return Inspector().FEventValuePanels[Row(event)->y() / TObjInsForm::RowHeight]->text().toStdString();
  }
  void Show(QWidget* component) {
    Inspector().SelectComponent(component);
    Inspector().Page1->setCurrentWidget(Inspector().EvePage);
  }
  void SendMouse(QWidget* target, QEvent::Type type) {
    QMouseEvent event(type, QPointF(3, 3), QPointF(target->mapToGlobal(QPoint(3, 3))), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
  void DoubleClickRow(const std::string& event) {
    SendMouse(Row(event), QEvent::MouseButtonPress);
    SendMouse(Row(event), QEvent::MouseButtonDblClick);
  }
  void Key(int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(Inspector().miniEdit2, &press);
  }
  void TypeHandler(const std::string& event, const std::string& text) {
    Inspector().Child2Click(Row(event));
    Inspector().miniEdit2->selectAll();
    Key(Qt::Key_Delete);
    for (char c : text) Key(QChar(c).toUpper().unicode(), QString(QChar(c)));
    Key(Qt::Key_Return);
  }
  void ChooseHandler(const std::string& event, const std::string& handler) {
    Inspector().Child2Click(Row(event));
    Inspector().miniArrow2Click();
    QListWidget* list = Inspector().miniList2;
    auto found = list->findItems(QString::fromStdString(handler), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << handler << " is not offered";
    list->setCurrentItem(found.first());
    Inspector().miniList2Click();
    Key(Qt::Key_Return);
  }
  std::vector<std::string> Offered() {
    std::vector<std::string> names;
    for (int i = 0; i < Inspector().miniList2->count(); ++i) names.push_back(Inspector().miniList2->item(i)->text().toStdString());
    return names;
  }
  Lines Routines() { return Section("// Event Handling Routines", "// End of Event Handling Routines"); }
  int Count(const std::string& piece) {
    std::string text = Active().Lines().Text();
    int n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
  }
  // The caret's line and whether it stands at the end of it.
  std::string CaretLineText() { return Active().Lines().Get(Active().LineFromChar(Active().SelStart())); }
  void ExpectCompiles(const std::string& step) {
    ASSERT_FALSE(workbench::MarkerLost) << step;
    testsupport::WriteFile(temp_.File("noname01.java"), Active().Lines().Text());
    int status = testsupport::RunShell("cd '" + temp_.Path() + "' && javac -nowarn noname01.java 2> javac.err");
    EXPECT_EQ(status, 0) << step << "\n" << testsupport::ReadFile(temp_.File("javac.err")) << Active().Lines().Text();
  }
};

}  // namespace

TEST_F(EventsPageTest, EachGroupBindsByDoubleClickTypingAndTheListWithoutSecondRoutines) {
  NewForm(fkApplication);
  QWidget* button = Drop(ckButton, {10, 10});
  QWidget* bar = Drop(ckScrollbar, {10, 50});
  QWidget* panel = Drop(ckPanel, {10, 80});
  Main().FSelectedTool = ptNoTool;

  // A double-click on the button on the surface: its Action gets the default handler and the caret
  // stands at the end of the routine's empty body line.
  DoubleClick(button, {3, 3});
  EXPECT_EQ(Inspector().Page1->currentWidget(), Inspector().EvePage);
  EXPECT_EQ(Value("Action"), "Button1_Action");
  EXPECT_EQ(Clauses().back(),
            "        else if (evt.id == Event.ACTION_EVENT && evt.target == Button1) Button1_Action(evt.target);");
  EXPECT_EQ(Section("public void Button1_Action(Object target)", "// End of Event Handling Routines"),
            (Lines{"    {", "    ", "    }", ""}));
  EXPECT_EQ(CaretLineText(), "    ");
  EXPECT_EQ(Active().SelStart(), Active().LineIndex(Active().LineFromChar(Active().SelStart())) + 4);
  ExpectCompiles("double-click on the surface");

  Show(bar);
  DoubleClickRow("ScrollAbsolute");
  EXPECT_EQ(Value("ScrollAbsolute"), "ScrollBar1_ScrollAbsolute");
  Show(panel);
  TypeHandler("KeyPress", "  PanelKey ");
  EXPECT_EQ(Value("KeyPress"), "PanelKey");
  TypeHandler("MouseUp", "PanelMouse");
  ChooseHandler("MouseDrag", "PanelMouse");
  ChooseHandler("MouseEnter", "PanelKey");  // the key handlers share its parameter types
  Show(&Frame());
  DoubleClickRow("MouseDown");
  EXPECT_EQ(Value("MouseDown"), "noname01_MouseDown");
  ExpectCompiles("one handler of each group");

  EXPECT_EQ(Clauses(), (Lines{
      "        if (evt.id == Event.WINDOW_DESTROY && evt.target == this) noname01_WindowDestroy(evt.target);",
      "        else if (evt.id == Event.ACTION_EVENT && evt.target == Button1) Button1_Action(evt.target);",
      "        else if (evt.id == Event.SCROLL_ABSOLUTE && evt.target == ScrollBar1) ScrollBar1_ScrollAbsolute(evt.target, ((Scrollbar)(evt.target)).getValue());",
      "        else if (evt.id == Event.KEY_PRESS && evt.target == Panel1) PanelKey(evt.target, evt.key, evt.modifiers);",
      "        else if (evt.id == Event.MOUSE_UP && evt.target == Panel1) PanelMouse(evt.target, evt.x, evt.y, evt.modifiers);",
      "        else if (evt.id == Event.MOUSE_DRAG && evt.target == Panel1) PanelMouse(evt.target, evt.x, evt.y, evt.modifiers);",
      "        else if (evt.id == Event.MOUSE_ENTER && evt.target == Panel1) PanelKey(evt.target, evt.x, evt.y);",
      "        else if (evt.id == Event.MOUSE_DOWN && evt.target == this) noname01_MouseDown(evt.target, evt.x, evt.y, evt.modifiers, evt.clickCount);",
  }));
  EXPECT_EQ(Count("public void PanelKey("), 1);
  EXPECT_EQ(Count("public void PanelMouse("), 1);
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "Panel1", "OnMouseEnter"), "PanelKey");

  // The list offers each handler of the row's group once, sorted; MouseEnter offers the key handlers.
  Show(panel);
  Inspector().Child2Click(Row("MouseMove"));
  EXPECT_EQ(Offered(), (Lines{"PanelMouse"}));
  Inspector().Child2Click(Row("MouseExit"));
  EXPECT_EQ(Offered(), (Lines{"PanelKey"}));
  Show(button);
  Inspector().Child2Click(Row("GotFocus"));
  EXPECT_EQ(Offered(), (Lines{"Button1_Action", "noname01_WindowDestroy"}));
  EXPECT_TRUE(Active().Modified());
}

TEST_F(EventsPageTest, RenameClearAndRefusedNamesKeepRoutinesAndTheOtherClauses) {
  NewForm(fkApplet);
  QWidget* panel = Drop(ckPanel, {10, 10});
  Main().FSelectedTool = ptNoTool;
  Show(panel);
  TypeHandler("KeyAction", "Act");
  TypeHandler("KeyActionRelease", "Released");

  TypeHandler("KeyAction", "Acted");
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "Panel1", "OnKeyAction"), "Acted");
  EXPECT_EQ(Count("Act(evt.target"), 0);
  EXPECT_EQ(Count("public void Act(Object target, int key, int modifiers)"), 1);
  EXPECT_EQ(Count("public void Acted(Object target, int key, int modifiers)"), 1);
  ExpectCompiles("renamed");

  TypeHandler("KeyAction", "");
  EXPECT_EQ(Value("KeyAction"), "");
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "Panel1", "OnKeyAction"), "");
  EXPECT_EQ(Clauses(), (Lines{
      "        if (evt.id == Event.WINDOW_DESTROY && evt.target == this) noname01_WindowDestroy(evt.target);",
      "        else if (evt.id == Event.KEY_ACTION_RELEASE && evt.target == Panel1) Released(evt.target, evt.key, evt.modifiers);",
  }));
  EXPECT_EQ(Count("public void Acted("), 1);
  ExpectCompiles("cleared");

  for (const char* bad : {"[Panel1]", "x = y", "two words", "while"}) {
    Modal().Queue(platform::mrOk);
    TypeHandler("KeyRelease", bad);
    EXPECT_EQ(LastMessage(), "''" + std::string(bad) + "'' is not a valid handler name");
    EXPECT_EQ(Inspector().miniEdit2->text().toStdString(), "");
  }
  EXPECT_EQ(GetEventHandler(Frame().FHandlerList, "Panel1", "OnKeyRelease"), "");
  EXPECT_EQ(Frame().FHandlerList.Lines(), (Lines{"[noname01]", "OnWindowDestroy = noname01_WindowDestroy", "",
                                                 "[Panel1]", "OnKeyActionRelease = Released", ""}));
}

TEST_F(EventsPageTest, CompileDropsEmptyHandlersAndTheReopenedDesignShowsTheSamePage) {
  NewForm(fkApplication);
  QWidget* button = Drop(ckButton, {10, 10});
  QWidget* panel = Drop(ckPanel, {10, 50});
  Main().FSelectedTool = ptNoTool;
  Show(button);
  DoubleClickRow("Action");
  DoubleClickRow("GotFocus");
  Show(panel);
  TypeHandler("MouseDown", "Button1_GotFocus");  // an overload with code keeps the empty one too
  TypeHandler("MouseUp", "Kept");
  int body = GetLineIndex("public void Kept(") + 2;
  Active().Lines().Put(body, "        System.out.println(x);");
  int overload = GetLineIndex("public void Button1_GotFocus(Object target, int x") + 2;
  Active().Lines().Put(overload, "        System.out.println(y);");

  Show(button);
  AnswerSaveDialog(temp_.File("noname01.java"));
  Main().Compile1Click();
  EXPECT_TRUE(platform::FileExists(temp_.File("noname01.class"))) << Active().Lines().Text();
  EXPECT_EQ(Count("Button1_Action"), 0);
  EXPECT_EQ(Count("Button1_GotFocus("), 4) << "two clauses and two routines";
  EXPECT_EQ(Count("Kept("), 2);
  EXPECT_EQ(Value("Action"), "");
  const Lines list = Frame().FHandlerList.Lines();
  EXPECT_EQ(list, (Lines{"[noname01]", "OnWindowDestroy = noname01_WindowDestroy", "", "[Button1]",
                         "OnGotFocus = Button1_GotFocus", "", "[Panel1]", "OnMouseDown = Button1_GotFocus",
                         "OnMouseUp = Kept", ""}));
  const std::string page = Active().Lines().Text();
  EXPECT_EQ(testsupport::ReadFile(temp_.File("noname01.java")), page);
  EXPECT_FALSE(Active().Modified());

  Main().CloseFile1Click();
  OpenThroughDialog(temp_.File("noname01.java"));
  TFrame* reopened = Main().FCurrentFrame.data();
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->FHandlerList.Lines(), list);
  EXPECT_EQ(Active().Lines().Text(), page);
  Inspector().SelectComponent(reopened->findChild<QWidget*>("Panel1"));
  EXPECT_EQ(Value("MouseUp"), "Kept");
}
