// Relations on the offscreen canvas: association end marks and roles, instantiation heads,
// dotted comment links, where inheritance links meet their junction, and link ends that follow a
// box growing with its text.
#include "ModelFixture.h"

using namespace modeller;
using platform::TPoint;
using platform::TRect;

class RelationDrawing : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    whole_ = Class("Whole", 102, 52);
    part_ = Class("Part", 102, 302);
  }
  int InkIn(const TRect& area) {
    int ink = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (Canvas().Pixels(x, y) != platform::clWhite) ++ink;
    return ink;
  }
  bool Black(int x, int y) { return Canvas().Pixels(x, y) == platform::clBlack; }
  bool White(int x, int y) { return Canvas().Pixels(x, y) == platform::clWhite; }
  static TPoint First(const TOrthogonalEdge& edge) { return edge.Points.Point(0); }
  static TPoint Last(const TOrthogonalEdge& edge) { return edge.Points.Point(edge.PointCount() - 1); }

  TJavaClass* whole_ = nullptr;
  TJavaClass* part_ = nullptr;
  static constexpr int h = 15;
};

TEST_F(RelationDrawing, AnAggregationOfManyShowsADiamondADotAndBothRoles) {
  auto* link = Link<TAssociation>(*part_, *whole_);
  ASSERT_EQ(link->ToNode(), 0);
  ASSERT_EQ(link->FromNode(), 1);
  link->SetKind(akAggregates);
  link->SetMultiplicity(mtMany);
  link->SetToRole("owner");
  link->SetFromRole("parts");
  TPoint to = First(*link);
  TPoint from = Last(*link);
  ASSERT_EQ(to, (TPoint{157, whole_->Bottom}));
  ASSERT_EQ(from, (TPoint{157, part_->Top}));

  EXPECT_TRUE(Black(to.X - 5, to.Y + 10) && Black(to.X + 5, to.Y + 10) && Black(to.X, to.Y + 20)) << "the diamond";
  EXPECT_TRUE(White(to.X, to.Y + 10)) << "the diamond is hollow on the white diagram";
  EXPECT_TRUE(Black(to.X, to.Y + 25)) << "the line goes on below it";
  EXPECT_TRUE(Black(from.X, from.Y - 5) && Black(from.X - 3, from.Y - 5)) << "a filled dot for many";
  EXPECT_TRUE(White(from.X - 6, from.Y - 5));

  EXPECT_GT(InkIn({to.X + 10, to.Y + 10, to.X + 10 + Canvas().TextWidth("owner"), to.Y + 10 + h}), 20)
      << "the role below a downward end";
  EXPECT_GT(InkIn({from.X + 10, from.Y - 10 - h, from.X + 10 + Canvas().TextWidth("parts"), from.Y - 10}), 20)
      << "the role above an upward end";

  Graph().RemoveEdge(link);
  EXPECT_EQ(InkIn({whole_->Left, whole_->Bottom + 2, whole_->Right + 20, part_->Top - 1}), 0) << "all of it erased";
}

TEST_F(RelationDrawing, APlainAssociationOfOneShowsAnArrowHeadAndNoDiamond) {
  auto* link = Link<TAssociation>(*part_, *whole_);
  TPoint to = First(*link);
  TPoint from = Last(*link);
  EXPECT_TRUE(White(to.X - 5, to.Y + 10) && White(to.X + 5, to.Y + 10)) << "no diamond";
  EXPECT_TRUE(Black(from.X, from.Y - 6) && Black(from.X - 2, from.Y - 7)) << "a filled head pointing at the part";
  EXPECT_TRUE(White(from.X - 4, from.Y - 5));
  EXPECT_EQ(InkIn({to.X + 10, to.Y + 10, to.X + 60, to.Y + 10 + h}), 0) << "empty roles write nothing";
}

TEST_F(RelationDrawing, RolesOfSidewaysEndsStandBesideTheirBoxes) {
  auto* left = Class("Left", 52, 452);
  auto* right = Class("Right", 402, 452);
  auto* link = Link<TAssociation>(*right, *left);
  link->SetToRole("toRole");
  link->SetFromRole("fromRole");
  TPoint to = First(*link);
  TPoint from = Last(*link);
  ASSERT_EQ(to.X, left->Right);
  ASSERT_EQ(from.X, right->Left);
  EXPECT_GT(InkIn({to.X + 10, to.Y + 10, to.X + 10 + Canvas().TextWidth("toRole"), to.Y + 10 + h}), 20);
  int width = Canvas().TextWidth("fromRole");
  EXPECT_GT(InkIn({from.X - 10 - width, from.Y + 5, from.X - 10, from.Y + 5 + h}), 20);
}

TEST_F(RelationDrawing, InstantiationsAreDottedWithAHeadAtTheCreatedClass) {
  auto* link = Link<TInstantiate>(*part_, *whole_);
  TPoint to = First(*link);
  EXPECT_TRUE(Black(to.X, to.Y + 5) && Black(to.X - 2, to.Y + 8) && Black(to.X + 4, to.Y + 10));
  int gaps = 0;
  for (int y = to.Y + 20; y < part_->Top - 5; ++y) gaps += White(to.X, y) ? 1 : 0;
  EXPECT_GT(gaps, 50) << "a dotted line";

  auto* comment = Make<TComment>(&Graph());
  comment->Place(402, 302, 402, 302);
  comment->Redraw();
  auto* note = Link<TCommentLink>(*comment, *whole_);
  TPoint annotated = First(*note);
  EXPECT_TRUE(White(annotated.X - 3, annotated.Y + 5) && White(annotated.X + 3, annotated.Y + 5)) << "no head";
  EXPECT_EQ(note->ToNode(), 0);
}

TEST_F(RelationDrawing, InheritanceLinksMeetTheJunctionAtItsApexAndBase) {
  auto* junction = Inherit(*part_, *whole_);
  auto* up = dynamic_cast<TSuperClassing*>(Graph().Edges(0));
  auto* below = dynamic_cast<TSubClassing*>(Graph().Edges(1));
  ASSERT_TRUE(up != nullptr && below != nullptr);
  int mid = (junction->Left + junction->Right) / 2;
  EXPECT_EQ(junction->Right - junction->Left, 20);
  EXPECT_EQ(Last(*up), (TPoint{mid, junction->Top})) << "the supertype's link leaves the apex";
  EXPECT_EQ(First(*up), (TPoint{mid, whole_->Bottom}));
  EXPECT_EQ(First(*below), (TPoint{mid, junction->Bottom})) << "a vertical subtype link meets the base";
  EXPECT_EQ(Last(*below), (TPoint{mid, part_->Top}));

  auto* beside = Class("Beside", 352, 302);
  auto* sideways = Join(*beside, *junction);
  EXPECT_EQ(First(*sideways), (TPoint{junction->Right, junction->Bottom})) << "a link from the right meets the base corner";
  EXPECT_EQ(sideways->Points.Point(1).Y, junction->Bottom);

  auto* offCentre = Make<TSubClassing>(&Graph());
  int x = junction->Left + 5;
  offCentre->Place(x, part_->Top + 15, x, junction->Top + 5);
  EXPECT_EQ(First(*offCentre), (TPoint{x, junction->Bottom})) << "a vertical link meets the base at its own x";
}

TEST_F(RelationDrawing, AJunctionLyingOnItsSupertypeLeavesTheBoxsLinesWhole) {
  TInheritance* junction = Inherit(*Class("Beside", 402, 52), *whole_);
  ASSERT_TRUE(whole_->HitTest(junction->Left, junction->Top) && whole_->HitTest(junction->Right, junction->Bottom));
  Graph().Refresh();
  int nameLine = whole_->Top + h + 6;
  int memberLine = nameLine + 6;
  ASSERT_TRUE(junction->Top < nameLine && memberLine < junction->Bottom) << "both lines cross the triangle";
  for (int y : {whole_->Top, nameLine, memberLine, whole_->Bottom})
    for (int x = whole_->Left; x <= whole_->Right; ++x) EXPECT_TRUE(Black(x, y)) << x << ", " << y;
  EXPECT_TRUE(Black((junction->Left + junction->Right) / 2, junction->Top)) << "the apex";
}

TEST_F(RelationDrawing, LinkEndsFollowABoxThatGrowsWithItsText) {
  auto* link = Link<TAssociation>(*part_, *whole_);
  int bottom = whole_->Bottom;
  Attribute(*whole_, "int", "a");
  Attribute(*whole_, "int", "b");
  EXPECT_GT(whole_->Bottom, bottom);
  EXPECT_EQ(First(*link), (TPoint{157, whole_->Bottom})) << "the end stays on the moved border";
  whole_->SetName(std::string(40, 'W'));
  EXPECT_EQ(First(*link).Y, whole_->Bottom);
}
