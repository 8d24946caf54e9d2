// Drawing with the palette tools: boxes, an inheritance found at its exact coordinates, and every
// refused link with its message. Coordinates are on the 5-pixel grid's centre lines (2 and 7).
#include "ModellerFixture.h"

using namespace modeller;
using platform::TPoint;

namespace {

class DrawingTools : public ModellerTest {};

TEST_F(DrawingTools, AClassIsPlacedAtTheDragStartNamedNonameAndTheSelectToolReturns) {
  Draw(Main().ClassButton, 52, 42, 252, 142);
  auto* box = NodeAs<TJavaClass>(0);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Name(), "noname");
  EXPECT_EQ(box->Left, 52);
  EXPECT_EQ(box->Top, 42);
  EXPECT_EQ(box->Right, 162) << "the box takes the width of its content, 100 + 10";
  EXPECT_TRUE(SelectToolActive());
  EXPECT_FALSE(Main().ClassButton->isChecked());
  EXPECT_TRUE(Graph().Modified);

  Draw(Main().InterfaceButton, 352, 242, 302, 202);
  auto* face = NodeAs<TJavaInterface>(1);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->Left, 302) << "the drag rectangle is put in order first";
  EXPECT_EQ(face->Top, 202);

  Draw(Main().TextButton, 402, 402, 402, 402);
  auto* text = NodeAs<TText>(2);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Text(), "notext");
  Draw(Main().CommentButton, 502, 402, 502, 402);
  ASSERT_NE(NodeAs<TComment>(3), nullptr);
  EXPECT_EQ(NodeAs<TComment>(3)->GetBounds(), (TRect{502, 402, 622, 432})) << "an empty comment is 120 x 30";
  EXPECT_TRUE(SelectToolActive());
}

TEST_F(DrawingTools, AnInheritanceIsAJunctionHalfWayWithALinkUpAndALinkFromTheSubclass) {
  Draw(Main().ClassButton, 102, 42, 102, 42);    // the superclass, node 0
  Draw(Main().ClassButton, 102, 302, 102, 302);  // the subclass, node 1
  Draw(Main().InheritanceButton, 152, 312, 152, 52);
  EXPECT_TRUE(SelectToolActive());

  ASSERT_EQ(Graph().NodeCount(), 3);
  ASSERT_EQ(Graph().EdgeCount(), 2);
  // mid = (312 + 52) / 2 = 182: the junction's top-left corner is (152 - 10, 182).
  auto* junction = dynamic_cast<TInheritance*>(Graph().ObjectAt(152, 192));
  ASSERT_NE(junction, nullptr);
  EXPECT_EQ(junction->GetBounds(), (TRect{142, 182, 162, 202}));

  auto* up = EdgeAs<TSuperClassing>(0);
  auto* down = EdgeAs<TSubClassing>(1);
  ASSERT_NE(up, nullptr);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(up->FromNode(), 2);
  EXPECT_EQ(up->ToNode(), 0);
  EXPECT_EQ(down->FromNode(), 1);
  EXPECT_EQ(down->ToNode(), 2);
  const int superBottom = Graph().Nodes(0)->GetBounds().Bottom;
  EXPECT_EQ(up->Points.ToVector(), (std::vector<TPoint>{{152, superBottom}, {152, 182}}))
      << "from the superclass's bottom to the junction's apex";
  EXPECT_EQ(down->Points.ToVector(), (std::vector<TPoint>{{152, 202}, {152, 302}}))
      << "from the junction's base to the subclass's top";
  EXPECT_EQ(Graph().ObjectAt(152, 250), down);
  EXPECT_EQ(SuperclassCount(Graph().Nodes(1)), 1);
}

TEST_F(DrawingTools, MoreSubtypesJoinAJunctionWhoseSupertypeIsAnInterface) {
  Draw(Main().InterfaceButton, 102, 42, 102, 42);  // node 0
  Draw(Main().ClassButton, 102, 302, 102, 302);    // node 1
  Draw(Main().ClassButton, 302, 302, 302, 302);    // node 2
  Draw(Main().InheritanceButton, 152, 312, 152, 52);
  Draw(Main().InheritanceButton, 352, 312, 152, 192);
  ASSERT_EQ(Graph().EdgeCount(), 3);
  auto* joined = EdgeAs<TSubClassing>(2);
  ASSERT_NE(joined, nullptr);
  EXPECT_EQ(joined->FromNode(), 2);
  EXPECT_EQ(joined->ToNode(), 3);
  EXPECT_TRUE(IsDirectSuperclass(Graph().Nodes(0), Graph().Nodes(2)));
  EXPECT_TRUE(SelectToolActive());
}

TEST_F(DrawingTools, LinksJoinTheBoxesUnderTheirEnds) {
  Draw(Main().ClassButton, 102, 42, 102, 42);     // node 0
  Draw(Main().ClassButton, 402, 42, 402, 42);     // node 1
  Draw(Main().CommentButton, 102, 302, 102, 302);  // node 2
  Draw(Main().AssociationButton, 152, 52, 452, 52);
  Draw(Main().AggregationButton, 452, 57, 152, 57);
  Draw(Main().InstantiateButton, 122, 52, 422, 52);
  Draw(Main().CommentLinkButton, 152, 312, 152, 52);
  Draw(Main().AssociationButton, 112, 47, 112, 47);
  ASSERT_EQ(Graph().EdgeCount(), 5);
  auto* association = EdgeAs<TAssociation>(0);
  ASSERT_NE(association, nullptr);
  EXPECT_EQ(association->Kind(), 0);
  EXPECT_EQ(association->FromNode(), 0);
  EXPECT_EQ(association->ToNode(), 1);
  ASSERT_NE(EdgeAs<TAssociation>(1), nullptr);
  EXPECT_EQ(EdgeAs<TAssociation>(1)->Kind(), 1);
  EXPECT_EQ(EdgeAs<TAssociation>(1)->ToNode(), 0) << "the aggregate is where the drag ends";
  ASSERT_NE(EdgeAs<TInstantiate>(2), nullptr);
  ASSERT_NE(EdgeAs<TCommentLink>(3), nullptr);
  EXPECT_EQ(EdgeAs<TCommentLink>(3)->FromNode(), 2);
  EXPECT_EQ(EdgeAs<TAssociation>(4)->FromNode(), 0) << "a click links a class to itself";
  EXPECT_EQ(EdgeAs<TAssociation>(4)->ToNode(), 0);
}

struct Refusal {
  const char* tool;
  int x1, y1, x2, y2;
  const char* message;
};

// Boxes: class A (node 0) at 102,42; interface I (1) at 402,42; comment (2) at 102,302;
// class B (3) at 402,302, which extends A through the junction (5) at (142, 182). A text (4) lies
// at 702,42.
class RefusedLinks : public ModellerTest {
 protected:
  void SetUp() override {
    ModellerTest::SetUp();
    Draw(Main().ClassButton, 102, 42, 102, 42);
    Draw(Main().InterfaceButton, 402, 42, 402, 42);
    Draw(Main().CommentButton, 102, 302, 102, 302);
    Draw(Main().ClassButton, 402, 302, 402, 302);
    Draw(Main().TextButton, 702, 42, 702, 42);
    Draw(Main().InheritanceButton, 452, 312, 152, 52);
    ASSERT_EQ(Graph().EdgeCount(), 2);
  }

  platform::TSpeedButton* ToolNamed(const std::string& name) {
    return Main().findChild<platform::TSpeedButton*>(QString::fromStdString(name));
  }
};

TEST_F(RefusedLinks, EachRefusedLinkShowsItsMessageCreatesNothingAndReturnsToSelect) {
  const Refusal refusals[] = {
      {"AssociationButton", 152, 52, 452, 52, "Please link from \"class\" to \"class\"."},
      {"AssociationButton", 152, 52, 602, 602, "Please link from \"class\" to \"class\"."},
      {"AggregationButton", 152, 312, 452, 312, "Please link from \"class\" to \"class\"."},
      {"AggregationButton", 752, 47, 152, 52, "Please link from \"class\" to \"class\"."},
      {"InstantiateButton", 152, 312, 152, 52, "Please link from \"class/interface\" to \"class\"."},
      {"InstantiateButton", 152, 52, 452, 52, "Please link from \"class/interface\" to \"class\"."},
      {"CommentLinkButton", 152, 52, 452, 52, "Please link from \"comment\" to \"class/interface\"."},
      {"CommentLinkButton", 152, 312, 752, 47, "Please link from \"comment\" to \"class/interface\"."},
      {"InheritanceButton", 152, 52, 452, 312, "Error! : Circular Inheritance Relations."},
      {"InheritanceButton", 152, 52, 157, 57, "Error! : Circular Inheritance Relations."},
      {"InheritanceButton", 452, 52, 152, 52, "Error! : Illegal Extends or Implements."},
      {"InheritanceButton", 152, 312, 152, 52, "Error! : Illegal Extends or Implements."},
      {"InheritanceButton", 452, 312, 152, 52, "Error! : Multiple Class Inheritance."},
      {"InheritanceButton", 152, 52, 602, 602, "Error! : Illegal Extends or Implements."},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(std::string(refusal.tool) + " " + refusal.message);
    Modal().Queue(platform::mrOk);
    Draw(ToolNamed(refusal.tool), refusal.x1, refusal.y1, refusal.x2, refusal.y2);
    EXPECT_EQ(LastMessage(), refusal.message);
    EXPECT_EQ(Modal().Log().back().caption, "Error");
    EXPECT_EQ(Graph().NodeCount(), 6);
    EXPECT_EQ(Graph().EdgeCount(), 2);
    EXPECT_TRUE(SelectToolActive());
  }
}

TEST_F(RefusedLinks, AClassThatImplementsAnInterfaceExtendsNoClassAfterwards) {
  Draw(Main().ClassButton, 702, 302, 702, 302);  // node 5
  Draw(Main().InheritanceButton, 752, 312, 452, 52);
  ASSERT_EQ(Graph().EdgeCount(), 4);
  Modal().Queue(platform::mrOk);
  Draw(Main().InheritanceButton, 752, 312, 152, 52);
  EXPECT_EQ(LastMessage(), "Error! : Multiple Class Inheritance.");
  EXPECT_EQ(Graph().EdgeCount(), 4);
}

TEST_F(RefusedLinks, JoiningAJunctionThatWouldCloseACycleIsRefused) {
  // The junction of "B extends A" lies at (142, 182)-(162, 202): A may not join it.
  Modal().Queue(platform::mrOk);
  Draw(Main().InheritanceButton, 152, 52, 152, 192);
  EXPECT_EQ(LastMessage(), "Error! : Circular Inheritance Relations.");
  EXPECT_EQ(Graph().EdgeCount(), 2);
  Draw(Main().ClassButton, 702, 302, 702, 302);
  Draw(Main().InheritanceButton, 752, 312, 452, 312);  // C extends B: its junction under B
  ASSERT_EQ(Graph().EdgeCount(), 4);
  TRect bJunction = Graph().Nodes(6)->GetBounds();
  Modal().Queue(platform::mrOk);
  Draw(Main().InheritanceButton, 152, 52, bJunction.Left + 7, bJunction.Top + 12);
  EXPECT_EQ(LastMessage(), "Error! : Circular Inheritance Relations.") << "A may not extend B's subclass C";
  EXPECT_EQ(Graph().EdgeCount(), 4);
}

TEST_F(RefusedLinks, AnEdgeUnderAnInheritanceEndIsAHandlerError) {
  Modal().Queue(platform::mrOk);
  ASSERT_NE(dynamic_cast<TSuperClassing*>(Graph().ObjectAt(152, 152)), nullptr);
  Draw(Main().InheritanceButton, 152, 152, 452, 52);
  EXPECT_EQ(LastMessage(), "HandlerGroup Error!");
  EXPECT_EQ(Graph().EdgeCount(), 2);
  EXPECT_TRUE(SelectToolActive());
}

// Drawn across, the junction lies over the superclass's box; its links still join it, so moving
// the superclass keeps the junction whole and every link drawn.
TEST_F(DrawingTools, AnInheritanceDrawnAcrossJoinsItsJunction) {
  Draw(Main().ClassButton, 102, 102, 102, 102);  // the subclass, node 0
  Draw(Main().ClassButton, 402, 102, 402, 102);  // the superclass, node 1
  Main().InheritanceButton->Click();
  DragInWindow(*Main().PaintBox, {152, 122}, {452, 127});
  auto* junction = NodeAs<TInheritance>(2);
  auto* up = EdgeAs<TSuperClassing>(0);
  auto* down = EdgeAs<TSubClassing>(1);
  ASSERT_TRUE(junction != nullptr && up != nullptr && down != nullptr);
  EXPECT_EQ(junction->GetBounds(), (TRect{442, 122, 462, 142})) << "inside the superclass's box";
  EXPECT_EQ(up->FromNode(), 2);
  EXPECT_EQ(up->ToNode(), 1);
  EXPECT_EQ(down->FromNode(), 0);
  EXPECT_EQ(down->ToNode(), 2);
  EXPECT_TRUE(IsDirectSuperclass(Graph().Nodes(1), Graph().Nodes(0)));

  DragInWindow(*Main().PaintBox, {492, 107}, {492, 307});  // the superclass alone, 200 down
  EXPECT_EQ(Graph().Nodes(1)->GetBounds().Top, 302);
  EXPECT_EQ(junction->GetBounds(), (TRect{442, 122, 462, 142}));
  Graph().Refresh();
  QApplication::processEvents();
  platform::TCanvas& canvas = *Main().PaintBox->Canvas();
  EXPECT_EQ(canvas.Pixels(452, 200), platform::clBlack) << "the link up to the moved superclass";
  EXPECT_EQ(canvas.Pixels(300, 142), platform::clBlack) << "the subclass's link into the junction";
}

}  // namespace
