// Dragging a selection of type boxes: links between two selected boxes move rigidly with them,
// a link with one selected end follows that end once, however the boxes size themselves when drawn.
#include <functional>

#include "ModelFixture.h"

using namespace modeller;
using platform::TPoint;
using Route = std::vector<TPoint>;

class SelectionMove : public ModelTest {
 protected:
  // The mouse goes down in the middle of the box, moves by (dx, dy) and comes up again.
  void Drag(TNode& box, int dx, int dy) {
    TPoint start = Centre(box);
    box.MouseDown(platform::mbLeft, platform::ssLeft, start.X, start.Y);
    box.MouseMove(platform::ssLeft, start.X + dx, start.Y + dy);
    box.MouseUp(platform::mbLeft, platform::ssLeft, start.X + dx, start.Y + dy);
  }
  std::vector<Route> Routes() {
    std::vector<Route> routes;
    for (int i = 0; i < Graph().EdgeCount(); ++i)
      routes.push_back(dynamic_cast<TOrthogonalEdge&>(*Graph().Edges(i)).Points.ToVector());
    return routes;
  }
  static Route Moved(Route route, int dx, int dy) {
    for (TPoint& point : route) point = {point.X + dx, point.Y + dy};
    return route;
  }
  static bool AxisParallel(const Route& route) {
    for (size_t i = 1; i < route.size(); ++i)
      if (route[i].X != route[i - 1].X && route[i].Y != route[i - 1].Y) return false;
    return true;
  }

  // Rows of 20 classes: every even class below the first row extends the class above it, the odd
  // one beside it joins that inheritance from the side, and some neighbours are associated.
  void BuildRows(int classCount) {
    std::vector<TJavaClass*> classes;
    for (int i = 0; i < classCount; ++i)
      classes.push_back(Class("C" + std::to_string(i), 52 + i % 20 * 200, 52 + i / 20 * 150));
    TInheritance* junction = nullptr;
    for (int i = 20; i < classCount; ++i) {
      if (i % 2 == 0)
        junction = Inherit(*classes[i], *classes[i - 20]);
      else
        Join(*classes[i], *junction);
      if (i % 5 == 2 && i % 20 != 19) Link<TAssociation>(*classes[i], *classes[i + 1]);
    }
  }
};

TEST_F(SelectionMove, LinksBetweenSelectedBoxesMoveRigidlyWithThem) {
  struct Case {
    const char* what;
    std::function<void()> build;
    int dx, dy;
  };
  const Case cases[] = {
      {"two classes and their association, dragged by (40, 40)",
       [&] {
         Link<TAssociation>(*Class("A", 97, 132), *Class("B", 397, 132));
         Graph().SelectAll();
       },
       40, 40},
      {"two classes and their association, dragged down 50 px",
       [&] {
         Link<TAssociation>(*Class("A", 97, 132), *Class("B", 97, 332));
         Graph().SelectAll();
       },
       0, 50},
      {"300 classes in rows with their links, all selected and dragged by (40, 40)",
       [&] {
         BuildRows(300);
         Graph().SelectAll();
       },
       40, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Graph().Clear();
    c.build();
    std::vector<Route> before = Routes();
    Drag(*Graph().Nodes(0), c.dx, c.dy);
    std::vector<Route> after = Routes();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i], Moved(before[i], c.dx, c.dy)) << "link " << i;
      EXPECT_TRUE(AxisParallel(after[i])) << "link " << i;
    }
  }
}

TEST_F(SelectionMove, ALinkWithOneSelectedEndFollowsThatEndOnce) {
  // A at 97..207 and B at 397..507, both 132..167, joined from A to B along y = 142.
  struct Case {
    const char* what;
    bool moveB;  // B is the link's ToNode, A its FromNode
    std::vector<int> moves;  // successive drags down
    Route expected;
  };
  const Case cases[] = {
      {"B down 10: the link slides along", true, {10}, {{397, 152}, {207, 152}}},
      {"B down 70 at once: a corner above A", true, {70}, {{397, 212}, {207, 212}, {207, 167}}},
      {"B down 10, then 60: the same corner", true, {10, 60}, {{397, 212}, {207, 212}, {207, 167}}},
      {"A down 70: the mirror corner below B", false, {70}, {{397, 167}, {397, 212}, {207, 212}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Graph().Clear();
    auto* a = Class("A", 97, 132);
    auto* b = Class("B", 397, 132);
    auto* link = Make<TAssociation>(&Graph());
    link->Place(152, 142, 452, 142);
    Graph().RedrawAll();
    ASSERT_EQ(link->Points.ToVector(), (Route{{397, 142}, {207, 142}}));
    TJavaClass* moved = c.moveB ? b : a;
    moved->SetSelected(true);
    for (int dy : c.moves) Drag(*moved, 0, dy);
    EXPECT_EQ(link->Points.ToVector(), c.expected);
  }
}
