// Routes of orthogonal edges against routes worked out by hand, and the point list they live in.
#include "DiagramFixture.h"

using namespace modeller;
using platform::TPoint;
using Points = std::vector<TPoint>;

class Routing : public DiagramTest {
 protected:
  // Drags one segment of the edge: mouse down at (x, y), then moves by (dx, dy).
  void DragSegment(TOrthogonalEdge& edge, int x, int y, int dx, int dy) {
    auto manipulator = edge.CreateManipulator();
    BeginManipulation(*manipulator, edge, x, y);
    TrackManipulation(*manipulator, edge, x + dx / 2, y + dy / 2);
    TrackManipulation(*manipulator, edge, x + dx, y + dy);
    EndManipulation(*manipulator, edge);
  }
};

TEST_F(Routing, ANewLinkRunsAcrossToTheStartColumnThenAlongItAndEndsOnTheBorders) {
  auto* from = Box(52, 52, 152, 102);
  auto* to = Box(252, 152, 352, 252);
  auto* edge = Link(102, 77, 302, 202);
  EXPECT_EQ(edge->ToNode(), 1);
  EXPECT_EQ(edge->FromNode(), 0);
  EXPECT_EQ(Route(*edge), (Points{{252, 202}, {102, 202}, {102, 102}}));
  EXPECT_EQ(graph_.Edges(0)->ToNodeObject(), to);
  EXPECT_EQ(graph_.Edges(0)->FromNodeObject(), from);

  TGraph empty;
  auto* loose = Link(empty, 100, 50, 300, 200);  // no boxes at either end: the raw first route
  EXPECT_EQ(Route(*loose), (Points{{300, 200}, {100, 200}, {100, 50}}));
  EXPECT_EQ(loose->ToNode(), -1);
}

TEST_F(Routing, TheMovedEndDragsItsNeighbourAndTheSpareCornerGoesAgain) {
  Box(52, 52, 152, 102);
  auto* to = Box(252, 152, 352, 252);
  auto* edge = Link(102, 77, 302, 202);
  to->SetSelected(true);
  graph_.MoveSelection(50, 0);
  EXPECT_EQ(to->GetBounds(), (TRect{302, 152, 402, 252}));
  EXPECT_EQ(Route(*edge), (Points{{302, 202}, {102, 202}, {102, 102}}));

  graph_.MoveSelection(0, -100);
  EXPECT_EQ(Route(*edge), (Points{{302, 102}, {152, 102}})) << "inner corner collapsed, far end clipped";
}

TEST_F(Routing, AStraightLinkStaysStraightWhileTheFarBoxCoversTheNewColumn) {
  auto* top = Box(52, 52, 152, 102);
  auto* bottom = Box(52, 202, 152, 252);
  auto* edge = Link(102, 77, 102, 227);
  EXPECT_EQ(Route(*edge), (Points{{102, 202}, {102, 102}}));

  bottom->SetSelected(true);
  graph_.MoveSelection(30, 0);
  EXPECT_EQ(Route(*edge), (Points{{132, 202}, {132, 102}}));

  graph_.MoveSelection(100, 0);
  EXPECT_EQ(Route(*edge), (Points{{232, 202}, {232, 102}, {152, 102}})) << "L-shaped once it leaves the column";

  graph_.DeselectAll();
  top->SetSelected(true);
  graph_.MoveSelection(0, -20);
  EXPECT_EQ(Route(*edge), (Points{{232, 202}, {232, 82}, {152, 82}})) << "the FromNode end moves the mirror way";
}

TEST_F(Routing, DraggingASegmentMovesItAcrossAndRenormalises) {
  Box(52, 52, 152, 102);
  Box(252, 152, 352, 252);
  auto* edge = Link(102, 77, 302, 202);

  DragSegment(*edge, 177, 202, 0, 20);
  EXPECT_EQ(Route(*edge), (Points{{252, 222}, {102, 222}, {102, 102}}));

  DragSegment(*edge, 102, 152, -30, 0);
  EXPECT_EQ(Route(*edge), (Points{{252, 222}, {72, 222}, {72, 102}}));

  DragSegment(*edge, 177, 222, 40, 7);
  EXPECT_EQ(Route(*edge), (Points{{252, 227}, {72, 227}, {72, 102}})) << "a horizontal segment ignores dx";
}

TEST_F(Routing, DraggingAnEndSegmentOutOfItsBoxAddsShortSegmentsFromTheBorders) {
  Box(52, 52, 152, 102);
  Box(52, 202, 152, 252);
  auto* edge = Link(102, 77, 102, 227);
  DragSegment(*edge, 102, 150, 100, 0);
  EXPECT_EQ(Route(*edge), (Points{{152, 202}, {202, 202}, {202, 102}, {152, 102}}));

  auto manipulator = edge->CreateManipulator();
  BeginManipulation(*manipulator, *edge, 400, 300);  // beside every segment: nothing is grabbed
  TrackManipulation(*manipulator, *edge, 420, 300);
  EndManipulation(*manipulator, *edge);
  EXPECT_EQ(Route(*edge), (Points{{152, 202}, {202, 202}, {202, 102}, {152, 102}}));
}

TEST_F(Routing, BoxesThatChangeSizePullTheEndsOfTheirEdges) {
  Box(52, 302, 152, 352);
  auto* to = Box(252, 152, 352, 252);
  auto* edge = Link(102, 327, 302, 202);
  EXPECT_EQ(Route(*edge), (Points{{252, 202}, {102, 202}, {102, 302}}));

  to->SetBounds(252, 152, 402, 252);
  EXPECT_EQ(Route(*edge), (Points{{252, 202}, {102, 202}, {102, 302}})) << "the end still lies on the box";

  to->SetBounds(252, 152, 402, 232);
  EXPECT_EQ(Route(*edge), (Points{{252, 202}, {102, 202}, {102, 302}}));

  to->SetBounds(252, 152, 402, 192);
  EXPECT_EQ(Route(*edge), (Points{{252, 162}, {102, 162}, {102, 302}})) << "moved with the bottom";

  to->SetBounds(252, 152, 402, 157);
  EXPECT_EQ(Route(*edge), (Points{{252, 152}, {102, 152}, {102, 302}})) << "never left beside the box";
}

TEST_F(Routing, InnerDuplicatesCollapseButTheEndSegmentsAreKept) {
  TOrthogonalEdge edge;
  for (TPoint point : Points{{0, 0}, {0, 0}, {10, 0}, {10, 0}, {10, 20}, {10, 20}}) edge.Points.Add(point);
  edge.Normalize();
  EXPECT_EQ(Route(edge), (Points{{0, 0}, {0, 0}, {10, 20}, {10, 20}}));
}

TEST_F(Routing, RoutesAreStoredAndReadBackWithTheirCountCapped) {
  TOrthogonalEdge edge;
  for (int i = 0; i < TPoints::Capacity; ++i) edge.Points.Add({i, -i});
  EXPECT_THROW(edge.Points.Add({0, 0}), ERangeError);
  EXPECT_THROW(edge.Points.Insert(0, {0, 0}), ERangeError);
  EXPECT_EQ(edge.Points.Point(0), (TPoint{0, 0})) << "a refused insert moves nothing";

  TRider rider;
  rider.WriteObject(&edge);
  rider.Reset();
  std::unique_ptr<TStorable> read(rider.ReadObject());
  auto* copy = dynamic_cast<TOrthogonalEdge*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(Route(*copy), Route(edge));

  edge.MoveToEnd(5, 5);  // a full route follows its node without a spare corner
  EXPECT_EQ(edge.PointCount(), TPoints::Capacity);
  EXPECT_EQ(edge.Points.Point(0), (TPoint{5, 5}));
}

TEST(Points, AccessOutsideTheArrayLeavesThingsAsTheyWere) {
  TPoints points;
  points.Add({1, 2});
  TPoint point{7, 8};
  points.GetPoint(256, point);
  EXPECT_EQ(point, (TPoint{7, 8}));
  points.SetPoint(256, {9, 9});
  points.SetPoint(-1, {9, 9});
  points.GetPoint(0, point);
  EXPECT_EQ(point, (TPoint{1, 2}));
  points.Insert(0, {0, 0});
  points.Delete(1);
  EXPECT_EQ(points.ToVector(), (Points{{0, 0}}));
  EXPECT_THROW(points.Delete(1), ERangeError);
}

// Past the count a point reads as what was last set there, or (0, 0) where nothing ever was.
TEST(Points, PointsPastTheCountKeepWhatWasLastSetThere) {
  TPoints points;
  points.Add({1, 2});
  points.Add({3, 4});
  points.SetPoint(200, {5, 6});
  points.Delete(1);
  points.Clear();
  TPoints copy;
  copy.SetPoint(1, {8, 8});
  copy.Assign(points);
  struct Case {
    const TPoints& list;
    int index;
    TPoint expected;
  };
  for (const Case& c : {Case{points, 0, {1, 2}}, Case{points, 1, {3, 4}}, Case{points, 2, {0, 0}},
                        Case{points, 200, {5, 6}}, Case{points, 255, {0, 0}}, Case{copy, 1, {8, 8}},
                        Case{copy, 2, {0, 0}}}) {
    EXPECT_EQ(c.list.Point(c.index), c.expected) << c.index;
  }
  EXPECT_EQ(points.Count(), 0);
  EXPECT_EQ(copy.Count(), 0);
}

TEST(Points, SegmentsAreBandsTwoPixelsWideAndHalfOpen) {
  EXPECT_EQ(SegmentRect({10, 50}, {10, 20}), (TRect{9, 20, 11, 50}));
  EXPECT_EQ(SegmentRect({40, 5}, {10, 5}), (TRect{10, 4, 40, 6}));
  EXPECT_TRUE(PointOnSegment({10, 20}, {10, 20}, {10, 50}));
  EXPECT_TRUE(PointOnSegment({9, 49}, {10, 20}, {10, 50}));
  EXPECT_FALSE(PointOnSegment({11, 30}, {10, 20}, {10, 50}));
  EXPECT_FALSE(PointOnSegment({10, 50}, {10, 20}, {10, 50})) << "the last pixel is outside";

  TPoints route;
  for (TPoint point : Points{{300, 200}, {100, 200}, {100, 50}}) route.Add(point);
  EXPECT_EQ(route.GetBounds(), (TRect{100, 50, 300, 200}));
  EXPECT_TRUE(route.HitTest(99, 100));
  EXPECT_FALSE(route.HitTest(101, 100));
  EXPECT_TRUE(route.IntersectsRect(0, 0, 99, 60));
  EXPECT_FALSE(route.IntersectsRect(0, 0, 98, 60));

  int left = 30, top = 40, right = 10, bottom = 20;
  OrderRect(left, top, right, bottom);
  EXPECT_EQ((TRect{left, top, right, bottom}), (TRect{10, 20, 30, 40}));
}

TEST(Points, CoordinateArithmeticStaysWithinTheBound) {
  EXPECT_EQ(ShiftCoordinate(MaxCoordinate - 1, 10), MaxCoordinate);
  EXPECT_EQ(ShiftCoordinate(-MaxCoordinate, INT32_MIN), -MaxCoordinate);
  EXPECT_EQ(CoordinateDistance(INT32_MIN, INT32_MAX), 2 * MaxCoordinate);
  TRectangularNode node;
  node.Place(INT32_MIN, 0, INT32_MAX, 10);
  node.MoveBy(INT32_MAX, INT32_MIN);
  EXPECT_EQ(node.GetBounds(), (TRect{MaxCoordinate, -MaxCoordinate, MaxCoordinate, -MaxCoordinate}));
}
