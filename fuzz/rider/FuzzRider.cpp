// Feeds arbitrary text to the rider as a stored diagram. Every failure must be one of the
// program's exceptions; whatever is read must hold together: edges name existing nodes, the text
// stored again reads back to the same text, redrawing settles at once, and moving, dragging,
// resizing, copying and pasting keep it whole.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "modeller/core/GraphObj.h"

using namespace modeller;

namespace {

std::string TextOf(const TGraph& graph) {
  TRider rider;
  rider.WriteObject(&graph);
  return rider.Text();
}

void RequireWhole(const TGraph& graph) {
  for (int i = 0; i < graph.EdgeCount(); ++i) {
    const TEdge* edge = graph.Edges(i);
    Require(edge->ToNodeObject() != nullptr && edge->FromNodeObject() != nullptr, "edge names a missing node");
    if (auto* orthogonal = dynamic_cast<const TOrthogonalEdge*>(edge))
      Require(orthogonal->PointCount() >= 0 && orthogonal->PointCount() <= TPoints::Capacity, "point count");
  }
}

void RequireRoundTrip(const TGraph& graph) {
  std::string text = TextOf(graph);
  TRider rider;
  rider.SetText(text);
  std::unique_ptr<TStorable> read(rider.ReadObject());
  auto* again = dynamic_cast<TGraph*>(read.get());
  Require(again != nullptr, "stored graph reads back as a graph");
  Require(TextOf(*again) == text, "stored text reads back to the same text");
}

// Edits driven by the input's own bytes, so the fuzzer steers them too.
void Edit(TGraph& graph, const std::string& input) {
  auto byte = [&](size_t i) { return input.empty() ? 0 : static_cast<unsigned char>(input[i % input.size()]); };
  int dx = (byte(1) - 128) * 5;
  int dy = (byte(2) - 128) * 5;

  graph.RedrawAll();
  std::string settled = TextOf(graph);
  graph.RedrawAll();
  Require(TextOf(graph) == settled, "redrawing settles at once");

  for (int i = 0; i < graph.NodeCount(); ++i) graph.Nodes(i)->SetSelected(byte(3 + i) & 1);
  graph.MoveSelection(dx, dy);
  RequireWhole(graph);

  if (graph.EdgeCount() > 0) {
    auto* edge = dynamic_cast<TOrthogonalEdge*>(graph.Edges(byte(4) % graph.EdgeCount()));
    if (edge != nullptr && edge->PointCount() > 1) {
      TPoint on = edge->Points.Point(byte(5) % edge->PointCount());
      auto manipulator = edge->CreateManipulator();
      BeginManipulation(*manipulator, *edge, on.X, on.Y);
      TrackManipulation(*manipulator, *edge, on.X + dy, on.Y + dx);
      EndManipulation(*manipulator, *edge);
    }
  }
  if (graph.NodeCount() > 0) {
    auto* node = dynamic_cast<TRectangularNode*>(graph.Nodes(byte(6) % graph.NodeCount()));
    if (node != nullptr) node->SetBounds(node->Left, node->Top, node->Right + dx, node->Bottom + dy);
  }
  RequireWhole(graph);
  RequireRoundTrip(graph);

  int nodes = graph.NodeCount();
  try {
    graph.CopySelection();
    graph.PasteClipboard();
  } catch (const EGraphError&) {
    // Too many objects to copy, or no paint box to refresh after a paste that did its work.
  }
  Require(graph.NodeCount() >= nodes, "pasting takes nothing away");
  RequireWhole(graph);
  RequireRoundTrip(graph);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterGraphClasses(), true);
  (void)registered;
  std::string input(reinterpret_cast<const char*>(data), size);

  TRider rider;
  rider.SetText(input);
  std::unique_ptr<TStorable> read;
  try {
    read.reset(rider.ReadObject());
  } catch (const platform::Exception&) {
    // Damaged text is refused with the rider's errors.
  }
  if (auto* graph = dynamic_cast<TGraph*>(read.get())) {
    RequireWhole(*graph);
    RequireRoundTrip(*graph);
    Edit(*graph, input);
  }

  // The same text as a graph's body, read into a graph that already holds a box.
  TGraph graph;
  Make<TRectangularNode>(&graph)->Place(2, 2, 52, 52);
  rider.Reset();
  try {
    graph.Load(rider);
  } catch (const platform::Exception&) {
  }
  RequireWhole(graph);
  Edit(graph, input);
  return 0;
}
