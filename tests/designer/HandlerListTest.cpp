// The event-handler list as text: binding, rebinding, unbinding, removing and renaming.
#include "TestSupport.h"
#include "designer/ExtendedType.h"
#include "platform/Controls.h"

#include <QPushButton>

using namespace designer;
using Lines = std::vector<std::string>;

namespace {

class HandlerListTest : public testsupport::ScriptedTest {
 protected:
  TEventHandlerList list_;
};

}  // namespace

TEST_F(HandlerListTest, BindingRebindingAndUnbindingKeepTheSectionLayout) {
  SetEventHandler(list_, "Button1", "OnAction", "Button1_Action");
  EXPECT_EQ(list_.Lines(), (Lines{"[Button1]", "OnAction = Button1_Action", ""}));

  SetEventHandler(list_, "noname01", "OnWindowDestroy", "noname01_WindowDestroy");
  SetEventHandler(list_, "Button1", "OnMouseDown", "Button1_MouseDown");
  SetEventHandler(list_, "Button1", "OnAction", "Pressed");  // replaced in place
  EXPECT_EQ(list_.Lines(), (Lines{"[Button1]", "OnAction = Pressed", "OnMouseDown = Button1_MouseDown", "",
                                  "[noname01]", "OnWindowDestroy = noname01_WindowDestroy", ""}));
  EXPECT_EQ(list_.Text(),
            "[Button1]\r\nOnAction = Pressed\r\nOnMouseDown = Button1_MouseDown\r\n\r\n"
            "[noname01]\r\nOnWindowDestroy = noname01_WindowDestroy\r\n\r\n");

  // Unbinding what is not bound changes nothing.
  SetEventHandler(list_, "Button1", "OnMouseUp", "");
  SetEventHandler(list_, "Button2", "OnAction", "");
  EXPECT_EQ(list_.Count(), 7);

  SetEventHandler(list_, "Button1", "OnAction", "");
  EXPECT_EQ(list_.Lines(), (Lines{"[Button1]", "OnMouseDown = Button1_MouseDown", "", "[noname01]",
                                  "OnWindowDestroy = noname01_WindowDestroy", ""}));
  SetEventHandler(list_, "Button1", "OnMouseDown", "");
  EXPECT_EQ(list_.Lines(), (Lines{"[noname01]", "OnWindowDestroy = noname01_WindowDestroy", ""}));
}

TEST_F(HandlerListTest, LookUpsFindTheHandlerOfTheRightComponentAndEvent) {
  SetEventHandler(list_, "Button10", "OnAction", "Button10_Action");
  SetEventHandler(list_, "Button1", "OnMouseDown", "Button1_MouseDown");
  EXPECT_EQ(GetEventHandler(list_, "Button1", "OnMouseDown"), "Button1_MouseDown");
  EXPECT_EQ(GetEventHandler(list_, "Button1", "OnMouseUp"), "");
  EXPECT_EQ(GetEventHandler(list_, "Button1", "OnAction"), "");
  EXPECT_EQ(GetEventHandler(list_, "Button2", "OnAction"), "");
  EXPECT_EQ(GetEventName("OnAction = Button1_Action"), "Action");
  EXPECT_EQ(GetHandlerName("OnAction =  Button1_Action \t"), "Button1_Action");
}

TEST_F(HandlerListTest, LineRoutinesReportALineWithoutItsEqualsSign) {
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(GetEventName("OnAction Button1_Action"), "");
  EXPECT_EQ(LastMessage(), "Error in GetEventName");
  Modal().Queue(platform::mrOk);
  EXPECT_EQ(GetHandlerName("OnAction Button1_Action "), "Action Button1_Action");
  EXPECT_EQ(LastMessage(), "Error in GetHandlerName");
}

TEST_F(HandlerListTest, RenameFollowsDefaultHandlersOfThatComponentOnly) {
  SetEventHandler(list_, "Button1", "OnAction", "Button1_Action");
  SetEventHandler(list_, "Button1", "OnGotFocus", "MyButton1_GotFocus");
  SetEventHandler(list_, "Button10", "OnAction", "Button10_Action");
  SetEventHandler(list_, "Panel1", "OnMouseDown", "Button1_Action");  // shared with Button1
  RenameComponentHandlers(list_, "Button1", "OkButton");
  EXPECT_EQ(list_.Lines(),
            (Lines{"[OkButton]", "OnAction = OkButton_Action", "OnGotFocus = MyButton1_GotFocus", "", "[Button10]",
                   "OnAction = Button10_Action", "", "[Panel1]", "OnMouseDown = OkButton_Action", ""}));

  // A component without a section changes nothing.
  TEventHandlerList before = list_;
  RenameComponentHandlers(list_, "Button2", "Button3");
  EXPECT_EQ(list_, before);
}

TEST_F(HandlerListTest, RemovingAPanelDropsTheSectionsOfEverythingInIt) {
  platform::TPanel panel(nullptr, "Panel1");
  auto* inner = new platform::TPanel(&panel, "Panel10");
  auto* button = new QPushButton(inner);
  button->setObjectName("Button1");
  auto* other = new QPushButton(&panel);
  other->setObjectName("Button2");
  for (const char* name : {"Button3", "Panel1", "Button1", "Panel10", "Button2"})
    SetEventHandler(list_, name, "OnAction", std::string(name) + "_Action");
  RemoveComponentHandlers(list_, &panel);
  EXPECT_EQ(list_.Lines(), (Lines{"[Button3]", "OnAction = Button3_Action", ""}));

  // A button's own section only.
  SetEventHandler(list_, "Button1", "OnAction", "Button1_Action");
  RemoveComponentHandlers(list_, button);
  EXPECT_EQ(list_.Lines(), (Lines{"[Button3]", "OnAction = Button3_Action", ""}));
}
