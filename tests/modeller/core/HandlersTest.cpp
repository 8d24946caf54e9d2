// The select handler and the creation handlers' drag, driven through the graph's mouse dispatch
// on an offscreen paint box.
#include "DiagramFixture.h"
#include "modeller/core/Handlers.h"

using namespace modeller;
using platform::mbLeft;
using platform::mbRight;
using platform::ssLeft;
using platform::ssShift;

namespace {

// Remembers each object it would make instead of making it.
class TRecordingCreateHandler : public TCreateHandler {
 public:
  using TCreateHandler::TCreateHandler;
  std::vector<TRect> Made;
  void DrawShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) override {
    DrawBoxShape(canvas, x1, y1, x2, y2);
  }
  void CreateObject(TGraph&, int x1, int y1, int x2, int y2) override { Made.push_back({x1, y1, x2, y2}); }
};

class Handlers : public DiagramTest {
 protected:
  void SetUp() override {
    DiagramTest::SetUp();
    select_ = group_.Add<TSelectHandler>();
    graph_.SetHandlerGroup(&group_);
    select_->Activate();
  }

  // A press, moves through the given points with the left button held, and a release at the last.
  void Drag(std::vector<TPoint> points, TShiftState keys = 0) {
    graph_.PaintBoxMouseDown(mbLeft, keys | ssLeft, points.front().X, points.front().Y);
    for (size_t i = 1; i < points.size(); ++i) graph_.PaintBoxMouseMove(keys | ssLeft, points[i].X, points[i].Y);
    graph_.PaintBoxMouseUp(mbLeft, keys, points.back().X, points.back().Y);
  }
  void Click(int x, int y, TShiftState keys = 0) { Drag({{x, y}}, keys); }

  std::vector<bool> Selection() const {
    std::vector<bool> selected;
    for (int i = 0; i < graph_.NodeCount(); ++i) selected.push_back(graph_.Nodes(i)->Selected());
    for (int i = 0; i < graph_.EdgeCount(); ++i) selected.push_back(graph_.Edges(i)->Selected());
    return selected;
  }

  bool CanvasIsWhiteAlong(int x1, int x2, int y) {
    for (int x = x1; x <= x2; ++x)
      if (Canvas().Pixels(x, y) != platform::clWhite) return false;
    return true;
  }

  THandlerGroup group_;
  TSelectHandler* select_ = nullptr;
};

TEST_F(Handlers, ClicksSelectReplaceAndExtendTheSelection) {
  Box(22, 22, 62, 62);
  Box(122, 22, 162, 62);
  Click(42, 42);
  EXPECT_EQ(Selection(), (std::vector<bool>{true, false}));
  Click(142, 42, ssShift);
  EXPECT_EQ(Selection(), (std::vector<bool>{true, true}));

  Click(142, 42, ssShift);
  EXPECT_EQ(Selection(), (std::vector<bool>{true, true})) << "shift-click on a selected box keeps both";
  EXPECT_EQ(graph_.Nodes(0)->GetBounds(), (TRect{22, 22, 62, 62})) << "and moves nothing";

  Click(142, 42);
  EXPECT_EQ(Selection(), (std::vector<bool>{false, true})) << "a click on one of two selects it alone";

  Click(302, 302);
  EXPECT_EQ(Selection(), (std::vector<bool>{false, false})) << "a click on empty space deselects all";
  EXPECT_EQ(select_->State, stIdle);
}

TEST_F(Handlers, RubberBandReplacesOrWithShiftAddsToTheSelection) {
  Box(22, 22, 62, 62);
  Box(122, 22, 162, 62);
  Box(22, 122, 62, 162);
  Click(142, 42);
  Drag({{7, 102}, {42, 112}, {72, 192}});
  EXPECT_EQ(Selection(), (std::vector<bool>{false, false, true}));
  Drag({{7, 7}, {72, 72}}, ssShift);
  EXPECT_EQ(Selection(), (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(CanvasIsWhiteAlong(7, 21, 72)) << "the rubber band is gone after the release";
  EXPECT_EQ(Canvas().Pen.Mode, platform::pmCopy);
  EXPECT_EQ(Canvas().Pen.Style, platform::psSolid);
}

TEST_F(Handlers, MovingASelectionTakesTheDistanceOfTheLastMouseMove) {
  Box(22, 22, 62, 62);
  Box(122, 22, 162, 62);
  Box(222, 22, 262, 62);
  graph_.SelectInRect(0, 0, 170, 70);
  Drag({{42, 42}, {52, 62}, {62, 82}});
  EXPECT_EQ(graph_.Nodes(0)->GetBounds(), (TRect{42, 62, 82, 102}));
  EXPECT_EQ(graph_.Nodes(1)->GetBounds(), (TRect{142, 62, 182, 102}));
  EXPECT_EQ(graph_.Nodes(2)->GetBounds(), (TRect{222, 22, 262, 62})) << "unselected boxes stay";
  EXPECT_EQ(Canvas().Pen.Mode, platform::pmCopy) << "the grey ghost is gone";

  graph_.PaintBoxMouseDown(mbLeft, ssLeft, 52, 72);
  graph_.PaintBoxMouseMove(ssLeft, 72, 72);
  graph_.PaintBoxMouseUp(mbLeft, 0, 152, 172);
  EXPECT_EQ(graph_.Nodes(0)->GetBounds(), (TRect{62, 62, 102, 102})) << "the release point does not count";
}

TEST_F(Handlers, ASingleBoxIsDraggedThroughItsManipulator) {
  Box(22, 22, 62, 62);
  Drag({{42, 42}, {47, 47}, {92, 142}});
  EXPECT_EQ(graph_.Nodes(0)->GetBounds(), (TRect{72, 122, 112, 162}));
  EXPECT_EQ(select_->State, stIdle);
  EXPECT_TRUE(graph_.Modified);
}

TEST_F(Handlers, OnlyTheLeftButtonPressesAndReleases) {
  Box(22, 22, 62, 62);
  graph_.PaintBoxMouseDown(mbRight, platform::ssRight, 42, 42);
  EXPECT_FALSE(graph_.Nodes(0)->Selected());
  EXPECT_EQ(select_->State, stIdle);
  graph_.PaintBoxMouseUp(mbLeft, 0, 42, 42);
  EXPECT_EQ(select_->State, stIdle) << "an up without a down does nothing";
}

TEST_F(Handlers, ABoxDeletedDuringItsDragIsLeftAlone) {
  Box(22, 22, 62, 62);
  graph_.PaintBoxMouseDown(mbLeft, ssLeft, 42, 42);
  graph_.DeleteSelection();
  graph_.PaintBoxMouseMove(ssLeft, 52, 52);
  graph_.PaintBoxMouseUp(mbLeft, 0, 52, 52);
  EXPECT_EQ(graph_.NodeCount(), 0);
  EXPECT_EQ(select_->State, stIdle);
}

TEST_F(Handlers, ACreationDragMakesItsObjectFromStartToLastPointAndLeavesNoRubberShape) {
  auto* creator = group_.Add<TRecordingCreateHandler>();
  int created = 0;
  creator->OnCreate = [&](THandler*) { ++created; };
  creator->Activate();
  Drag({{22, 22}, {52, 42}, {102, 82}});
  ASSERT_EQ(creator->Made.size(), 1u);
  EXPECT_EQ(creator->Made[0], (TRect{22, 22, 102, 82}));
  EXPECT_EQ(created, 1);
  EXPECT_TRUE(CanvasIsWhiteAlong(22, 102, 22)) << "the rubber outline is removed";

  Click(202, 202);
  ASSERT_EQ(creator->Made.size(), 2u);
  EXPECT_EQ(creator->Made[1], (TRect{202, 202, 202, 202}));

  graph_.PaintBoxMouseUp(mbLeft, 0, 302, 302);
  EXPECT_EQ(creator->Made.size(), 2u) << "a release without a press makes nothing";
}

TEST_F(Handlers, RubberShapesShowOnTheWhiteDiagram) {
  auto* creator = group_.Add<TRecordingCreateHandler>();
  creator->Activate();
  graph_.PaintBoxMouseDown(mbLeft, ssLeft, 22, 22);
  graph_.PaintBoxMouseMove(ssLeft, 102, 82);
  int drawn = 0;
  for (int x = 22; x <= 102; ++x) drawn += Canvas().Pixels(x, 22) != platform::clWhite ? 1 : 0;
  EXPECT_GT(drawn, 20);
  graph_.PaintBoxMouseUp(mbLeft, 0, 102, 82);
}

}  // namespace
