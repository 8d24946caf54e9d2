// Hit testing, selection, removal, moving, and copy and paste through the diagram clipboard.
#include "DiagramFixture.h"
#include "platform/StringList.h"

using namespace modeller;

class GraphEdit : public DiagramTest {
 protected:
  // Every node's attached edges are the edges with an end at it, in the order of the edge list.
  static void ExpectEdgesAttached(const TGraph& graph, const std::string& after) {
    for (int n = 0; n < graph.NodeCount(); ++n) {
      std::vector<const TEdge*> expected;
      for (int e = 0; e < graph.EdgeCount(); ++e)
        if (graph.Edges(e)->ToNode() == n || graph.Edges(e)->FromNode() == n) expected.push_back(graph.Edges(e));
      const auto& attached = graph.Nodes(n)->AttachedEdges();
      EXPECT_EQ(std::vector<const TEdge*>(attached.begin(), attached.end()), expected) << after << ", node " << n;
    }
  }
  TOrthogonalEdge* Linked(int to, int from) {
    auto* edge = Make<TOrthogonalEdge>(&graph_);
    edge->SetToNode(to);
    edge->SetFromNode(from);
    return edge;
  }
};

TEST_F(GraphEdit, EveryNodeKnowsItsEdgesThroughEveryChangeOfTheDiagram) {
  for (int i = 0; i < 4; ++i) Box(2 + 100 * i, 2, 22 + 100 * i, 22);
  auto* first = Linked(1, 0);
  Linked(2, 2);  // a node linked to itself holds the edge once
  Linked(0, 3);
  Link(12, 12, 312, 12);  // placed by the mouse: from node 0 to node 3
  Linked(3, 1);
  ExpectEdgesAttached(graph_, "made");
  first->SetToNode(3);
  first->SetFromNode(2);
  ExpectEdgesAttached(graph_, "ends moved");

  graph_.RemoveNode(graph_.Nodes(1));
  ExpectEdgesAttached(graph_, "a node removed");
  graph_.RemoveEdge(graph_.Edges(0));
  ExpectEdgesAttached(graph_, "an edge removed");

  std::unique_ptr<TGraph> loaded = GraphFrom(TextOf(graph_));
  ASSERT_NE(loaded, nullptr);
  ExpectEdgesAttached(*loaded, "loaded");

  graph_.SelectAll();
  graph_.CopySelection();
  graph_.PasteClipboard();
  ExpectEdgesAttached(graph_, "pasted");

  graph_.DeselectAll();
  graph_.Nodes(1)->SetSelected(true);
  graph_.CopySelection();  // the box linked to itself, with its link
  TOrthogonalEdge broken;  // names node -1: the paste is taken back after the link joined
  ClipBoardRider().WriteObject(&broken);
  const int nodes = graph_.NodeCount();
  EXPECT_THROW(graph_.PasteClipboard(), ERiderReadError);
  EXPECT_EQ(graph_.NodeCount(), nodes);
  ExpectEdgesAttached(graph_, "a paste taken back");
  graph_.Clear();
  ExpectEdgesAttached(graph_, "cleared");
}

TEST_F(GraphEdit, HitTestingTakesNodesFirstThenTheEarliestInListOrder) {
  auto* link = Link(102, 32, 302, 32);  // no nodes under it: a plain route
  auto* lower = Box(52, 52, 152, 102);
  auto* upper = Box(82, 22, 202, 72);
  EXPECT_EQ(graph_.ObjectAt(92, 62), lower) << "overlapping boxes yield the earliest made";
  EXPECT_EQ(graph_.ObjectAt(102, 32), upper) << "a box over a link wins";
  EXPECT_EQ(graph_.ObjectAt(252, 32), link);
  EXPECT_EQ(graph_.ObjectAt(252, 31), link) << "one pixel above a horizontal segment still hits";
  EXPECT_EQ(graph_.ObjectAt(252, 33), nullptr);
  EXPECT_EQ(graph_.ObjectAt(152, 102), lower) << "border lines belong to the box";
  EXPECT_EQ(graph_.ObjectAt(153, 102), nullptr);
}

TEST_F(GraphEdit, RubberBandSelectsWhatItTouchesExceptAlongRightAndBottomBorders) {
  auto* node = Box(52, 52, 152, 102);
  graph_.SelectInRect(2, 2, 52, 52);
  EXPECT_TRUE(node->Selected()) << "touching the top-left corner";
  graph_.DeselectAll();
  graph_.SelectInRect(152, 60, 200, 80);
  EXPECT_FALSE(node->Selected()) << "along the right border";
  graph_.SelectInRect(60, 102, 80, 200);
  EXPECT_FALSE(node->Selected()) << "along the bottom border";
  graph_.SelectInRect(151, 101, 200, 200);
  EXPECT_TRUE(node->Selected());

  auto* link = Link(302, 202, 402, 202);
  graph_.DeselectAll();
  graph_.SelectInRect(350, 150, 360, 201);
  EXPECT_TRUE(link->Selected()) << "reaching the band around a segment";
  EXPECT_EQ(graph_.SelectedCount(), 1);
}

TEST_F(GraphEdit, RemovingANodeRemovesItsEdgesAndRenumbersTheRest) {
  Box(2, 2, 22, 22);
  Box(102, 2, 122, 22);
  Box(202, 2, 222, 22);
  auto link = [&](int to, int from) {
    auto* edge = Make<TOrthogonalEdge>(&graph_);
    edge->SetToNode(to);
    edge->SetFromNode(from);
    return edge;
  };
  link(1, 0);
  link(2, 1);
  link(0, 2);
  link(1, 2);
  graph_.Modified = false;
  graph_.RemoveNode(graph_.Nodes(0));
  EXPECT_TRUE(graph_.Modified);
  ASSERT_EQ(graph_.EdgeCount(), 2);
  EXPECT_EQ(graph_.Edges(0)->ToNode(), 1);
  EXPECT_EQ(graph_.Edges(0)->FromNode(), 0);
  EXPECT_EQ(graph_.Edges(1)->ToNode(), 0);
  EXPECT_EQ(graph_.Edges(1)->FromNode(), 1);

  EXPECT_EQ(ErrorOf<EEdgeError>([&] { graph_.Edges(0)->SetToNode(2); }), "Index out of Nodes Bounds");
  EXPECT_EQ(ErrorOf<EEdgeError>([&] { graph_.Edges(0)->SetFromNode(-1); }), "Index out of Nodes Bounds");
  TRectangularNode stranger;
  EXPECT_EQ(ErrorOf<EGraphError>([&] { graph_.RemoveNode(&stranger); }), "Can not remove a Node");
  TOrthogonalEdge lost;
  EXPECT_EQ(ErrorOf<EGraphError>([&] { graph_.RemoveEdge(&lost); }), "Can not remove a Edge");
  EXPECT_EQ(ErrorOf<EGraphError>([&] { graph_.AddNode(graph_.Nodes(0)); }), "Can not add a Node");
}

TEST_F(GraphEdit, DeletingTheSelectionTakesSelectedNodesWithTheirEdgesThenSelectedEdges) {
  auto* a = Box(52, 52, 152, 102);
  Box(252, 152, 352, 252);
  auto* c = Box(52, 302, 152, 352);
  Link(102, 77, 302, 202);   // a to b
  auto* bc = Link(102, 327, 302, 227);  // c to b
  a->SetSelected(true);
  bc->SetSelected(true);
  graph_.DeleteSelection();
  EXPECT_EQ(graph_.NodeCount(), 2);
  EXPECT_EQ(graph_.EdgeCount(), 0);
  EXPECT_EQ(graph_.Nodes(1), c);
}

TEST_F(GraphEdit, CopyTakesSelectedNodesAndTheEdgesBetweenThemWithIndexesAmongTheCopies) {
  for (int i = 0; i < 4; ++i) Box(2 + 100 * i, 2, 52 + 100 * i, 52);
  auto edge = [&](int to, int from) {
    auto* made = Make<TOrthogonalEdge>(&graph_);
    made->SetToNode(to);
    made->SetFromNode(from);
    made->Points.Add({2 + 100 * to, 52});
    made->Points.Add({2 + 100 * from, 52});
    return made;
  };
  edge(3, 1);
  auto* notCopied = edge(1, 0);
  edge(2, 3);
  graph_.Nodes(1)->SetSelected(true);
  graph_.Nodes(3)->SetSelected(true);
  notCopied->SetSelected(true);
  graph_.CopySelection();

  TClipBoardRider& clipboard = ClipBoardRider();
  EXPECT_EQ(clipboard.Count(), 3);
  platform::TStringList lines;
  lines.SetText(clipboard.Rider().Text());
  EXPECT_EQ(lines[2], "TRectangularNode");
  EXPECT_EQ(lines[4], "102") << "node 1 first";
  EXPECT_EQ(lines[15], "302") << "then node 3";
  EXPECT_EQ(lines[24], "TOrthogonalEdge");
  EXPECT_EQ(lines[26], "1") << "ToNode 3 is the second copied node";
  EXPECT_EQ(lines[28], "0") << "FromNode 1 is the first";
  EXPECT_EQ(lines.Count(), 39);
  EXPECT_EQ(graph_.Edges(0)->ToNode(), 3) << "the diagram keeps its own indexes";

  TGraph target;
  for (int i = 0; i < 10; ++i) Box(target, 2, 2 + 10 * i, 7, 7 + 10 * i);
  target.Nodes(0)->SetSelected(true);
  target.SetPaintBox(paintBox_.get());
  target.PasteClipboard();
  target.PasteClipboard();
  ASSERT_EQ(target.NodeCount(), 14);
  ASSERT_EQ(target.EdgeCount(), 2);
  EXPECT_EQ(target.Edges(0)->ToNode(), 11);
  EXPECT_EQ(target.Edges(0)->FromNode(), 10);
  EXPECT_EQ(target.Edges(1)->ToNode(), 13);
  EXPECT_EQ(target.Edges(1)->FromNode(), 12);
  EXPECT_EQ(target.Nodes(12)->GetBounds(), graph_.Nodes(1)->GetBounds()) << "pasted where it was copied";
  EXPECT_EQ(target.SelectedCount(), 3) << "only the last paste stays selected";
  EXPECT_TRUE(target.Modified);
  graph_.SetPaintBox(paintBox_.get());

  graph_.CutSelection();
  EXPECT_EQ(graph_.NodeCount(), 2);
  EXPECT_EQ(graph_.EdgeCount(), 0) << "every edge touched a cut node";
  EXPECT_EQ(ClipBoardRider().Count(), 3);
}

TEST_F(GraphEdit, CopyRefusesMoreThan256SelectedObjectsAndKeepsTheClipboard) {
  for (int i = 0; i < 256; ++i) Box(2 + 10 * (i % 50), 2 + 10 * (i / 50), 7 + 10 * (i % 50), 7 + 10 * (i / 50));
  graph_.SelectAll();
  graph_.CopySelection();
  EXPECT_EQ(ClipBoardRider().Count(), 256);

  Box(2, 302, 7, 307)->SetSelected(true);
  EXPECT_EQ(ErrorOf<EGraphError>([&] { graph_.CopySelection(); }), "Too many objects are selected!");
  EXPECT_EQ(ClipBoardRider().Count(), 256);
}

TEST_F(GraphEdit, AFailedPasteTakesBackWhatItAdded) {
  Box(2, 2, 22, 22);
  TRectangularNode node;
  node.Place(52, 52, 72, 72);
  TOrthogonalEdge edge;
  edge.Points.Add({52, 52});
  TClipBoardRider& clipboard = ClipBoardRider();
  clipboard.Clear();
  clipboard.WriteObject(&node);
  clipboard.WriteObject(&node);
  clipboard.WriteObject(&edge);  // names node -1
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { graph_.PasteClipboard(); }), "Edge refers to a missing node!");
  EXPECT_EQ(graph_.NodeCount(), 1);
  EXPECT_EQ(graph_.EdgeCount(), 0);
  EXPECT_EQ(Canvas().Pixels(52, 52), platform::clWhite) << "the taken-back boxes are gone from the screen";
  EXPECT_EQ(Canvas().Pixels(2, 2), platform::clBlack);
}

TEST_F(GraphEdit, MovingTheSelectionCarriesEdgesWhoseEndsAreBothSelected) {
  auto* a = Box(52, 52, 152, 102);
  auto* b = Box(252, 152, 352, 252);
  auto* link = Link(102, 77, 302, 202);
  auto* lone = Box(402, 302, 452, 352);
  auto* loneLink = Link(427, 327, 427, 327);  // from the lone box to itself
  loneLink->SetSelected(true);
  a->SetSelected(true);
  b->SetSelected(true);
  TRect loneLinkBounds = loneLink->GetBounds();
  link->Points.SetPoint(1, {102, 203});  // off the grid: all points move, none is normalised away
  graph_.Modified = false;
  graph_.MoveSelection(10, -20);
  EXPECT_EQ(a->GetBounds(), (TRect{62, 32, 162, 82}));
  EXPECT_EQ(Route(*link), (std::vector<platform::TPoint>{{262, 182}, {112, 182}, {112, 82}}));
  EXPECT_EQ(lone->GetBounds(), (TRect{402, 302, 452, 352}));
  EXPECT_EQ(loneLink->GetBounds(), loneLinkBounds) << "a selected edge between unselected nodes stays";
  EXPECT_TRUE(graph_.Modified);
}
