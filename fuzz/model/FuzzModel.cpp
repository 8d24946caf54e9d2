// Feeds arbitrary bytes to the model file reader. Every failure must be one of the program's
// exceptions and leave the current model as it was; a model that loads must hold together: links
// join nodes of their kinds, members belong to their boxes, saving and loading again gives the same
// bytes, the inheritance queries end on every pair of nodes, and copying and pasting keep it whole.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"

using namespace modeller;

namespace {

void RequireWhole(const TGraph& graph) {
  for (int i = 0; i < graph.EdgeCount(); ++i) {
    const TEdge* edge = graph.Edges(i);
    Require(edge->ToNodeObject() != nullptr && edge->FromNodeObject() != nullptr, "edge names a missing node");
    Require(edge->EndsFit(*edge->ToNodeObject(), *edge->FromNodeObject()), "edge joins nodes of its kinds");
  }
  for (int i = 0; i < graph.NodeCount(); ++i) {
    auto* type = dynamic_cast<const TGenericType*>(graph.Nodes(i));
    if (type == nullptr) continue;
    for (int a = 0; a < type->AttributeCount(); ++a) Require(type->Attributes(a)->Owner() == type, "attribute owner");
    for (int m = 0; m < type->MethodCount(); ++m) {
      const TGenericMethod* method = type->Methods(m);
      Require(method->Owner() == type, "method owner");
      for (int g = 0; g < method->ArgumentCount(); ++g) Require(method->Arguments(g)->Owner() == method, "argument owner");
    }
  }
}

void RequireQueriesEnd(const TGraph& graph) {
  int count = std::min(graph.NodeCount(), 24);
  for (int a = 0; a < count; ++a) {
    Require(SuperclassCount(graph.Nodes(a)) <= graph.NodeCount(), "supertype count");
    for (int b = 0; b < count; ++b)
      if (IsDirectSuperclass(graph.Nodes(a), graph.Nodes(b))) Require(IsAncestor(graph.Nodes(a), graph.Nodes(b)), "a direct supertype is an ancestor");
  }
}

// Through the rider's text, as a save to a file and a load from it would go.
void RequireRoundTrip() {
  TRider first;
  WriteModel(first);
  TRider reread;
  reread.SetText(first.Text());
  LoadModel(reread, "first.zel");
  TRider second;
  WriteModel(second);
  Require(first.Text() == second.Text(), "saving a loaded model gives the same bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterConceptClasses(), true);
  (void)registered;
  TRider input;
  input.SetText(std::string(reinterpret_cast<const char*>(data), size));

  TheGraph = std::make_unique<TGraph>();
  DesignTitle = "before";
  ModelFileName = "before.zel";
  TGraph* before = TheGraph.get();
  try {
    LoadModel(input, "input.zel");
  } catch (const platform::Exception&) {
    Require(TheGraph.get() == before && DesignTitle == "before" && ModelFileName == "before.zel",
            "a failed load keeps the current model");
    return 0;
  }
  RequireWhole(*TheGraph);
  RequireQueriesEnd(*TheGraph);
  RequireRoundTrip();
  TheGraph->SelectAll();
  try {
    TheGraph->CopySelection();
    TheGraph->PasteClipboard();
  } catch (const EGraphError&) {
    // Too many objects to copy, or no paint box to refresh after a paste that did its work.
  }
  RequireWhole(*TheGraph);
  return 0;
}
