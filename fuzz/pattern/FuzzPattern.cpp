// Feeds arbitrary bytes as a design pattern file inserted into a diagram that already holds a
// model, so every edge read must be moved past the nodes already there. A refused pattern must
// leave the diagram as it was; an inserted one must keep the old objects as they were, join its
// edges to nodes of its own, and store and read back to the same text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "platform/SysUtils.h"

using namespace modeller;

namespace {

std::string TextOf(const TGraph& graph) {
  TRider rider;
  rider.WriteObject(&graph);
  return rider.Text();
}

// The text of the first objects only: what was there before the insert.
std::string TextOfFirst(const TGraph& graph, int nodes, int edges) {
  TRider rider;
  for (int i = 0; i < nodes; ++i) rider.WriteObject(graph.Nodes(i));
  for (int i = 0; i < edges; ++i) rider.WriteObject(graph.Edges(i));
  return rider.Text();
}

void RequireWhole(const TGraph& graph, int nodesBefore, int edgesBefore) {
  for (int i = 0; i < graph.EdgeCount(); ++i) {
    const TEdge* edge = graph.Edges(i);
    Require(edge->ToNodeObject() != nullptr && edge->FromNodeObject() != nullptr, "edge names a missing node");
    Require(edge->EndsFit(*edge->ToNodeObject(), *edge->FromNodeObject()), "edge joins nodes of its kinds");
    bool inserted = i >= edgesBefore;
    Require((edge->ToNode() >= nodesBefore) == inserted && (edge->FromNode() >= nodesBefore) == inserted,
            "an edge joins nodes of its own file");
    Require(edge->Selected() == inserted, "exactly the inserted objects are selected");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterConceptClasses(), true);
  (void)registered;
  static const std::string base = platform::ReadFileBytes(BASE_MODEL);
  TRider baseRider;
  baseRider.SetText(base);
  LoadModel(baseRider, BASE_MODEL);
  TGraph& graph = *TheGraph;
  const int nodes = graph.NodeCount();
  const int edges = graph.EdgeCount();
  // The same model loads the same diagram every time: its texts are taken once.
  static const std::string before = TextOf(graph);
  static const std::string old = TextOfFirst(graph, nodes, edges);

  TRider input;
  input.SetText(std::string(reinterpret_cast<const char*>(data), size));
  try {
    graph.InsertDesignPattern(input);
  } catch (const platform::Exception& failure) {
    // Without a paint box, an insert that did its work ends in the refresh.
    if (failure.Message() != "PaintBox property is not assigned") {
      Require(TextOf(graph) == before, "a refused pattern leaves the diagram as it was");
      return 0;
    }
  }
  Require(TextOfFirst(graph, nodes, edges) == old, "the objects already there stay as they were");
  RequireWhole(graph, nodes, edges);
  std::string stored = TextOf(graph);
  TRider rider;
  rider.SetText(stored);
  std::unique_ptr<TStorable> read(rider.ReadObject());
  auto* again = dynamic_cast<TGraph*>(read.get());
  Require(again != nullptr && TextOf(*again) == stored, "an inserted diagram stores and reads back the same");
  return 0;
}
