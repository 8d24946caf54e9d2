#pragma once
// The links of a diagram gathered in one pass: every node's direct supertypes and the edges that
// touch it. The generators ask the same questions of every type; one index serves a whole
// generation run, so a run costs one walk over the graph instead of one per question.
#include <memory>
#include <unordered_map>
#include <vector>

#include "modeller/core/GraphObj.h"

namespace modeller {

class TModelIndex {
 public:
  // A missing graph gives an empty index.
  explicit TModelIndex(const TGraph* graph);

  const TGraph* Graph() const { return graph_; }
  // -1 for an empty object or one that is no node of the graph.
  int IndexOf(const TObj* node) const;

  // The nodes that a link leaving a junction of the subtype reaches, as node indexes in node
  // order, each once: the direct supertypes, classes and interfaces together.
  const std::vector<int>& DirectSupertypes(int sub) const;
  bool IsDirect(int super, int sub) const;
  // A is a direct or indirect supertype of B. Each type is visited once, so a cyclic inheritance
  // read from a file ends too.
  bool IsAncestor(int a, int b) const;

  // The edges of kind E with the node at either end, in edge order, each once.
  template <class E>
  std::vector<const E*> EdgesAt(const TObj* node) const {
    std::vector<const E*> edges;
    int index = IndexOf(node);
    if (index < 0) return edges;
    for (const TEdge* edge : edgesAt_[static_cast<size_t>(index)])
      if (const auto* found = dynamic_cast<const E*>(edge)) edges.push_back(found);
    return edges;
  }

 private:
  bool Names(int index) const { return index >= 0 && index < static_cast<int>(nodes_.size()); }

  const TGraph* graph_;
  std::unordered_map<const TObj*, int> nodes_;
  std::vector<std::vector<int>> supertypes_;          // by node index
  std::vector<std::vector<const TEdge*>> edgesAt_;    // by node index
};

// One generation run over TheGraph: its index is built when the run starts and answers every
// query made until it ends, also those of the runs opened inside it. The graph must not change
// while a run is open.
class TGenerationRun {
 public:
  TGenerationRun();
  ~TGenerationRun();
  TGenerationRun(const TGenerationRun&) = delete;
  TGenerationRun& operator=(const TGenerationRun&) = delete;

  const TModelIndex& Index() const { return *index_; }

 private:
  std::unique_ptr<TModelIndex> own_;
  const TModelIndex* index_;
  const TModelIndex* outer_;
};

// The index of the innermost open run over the graph, or none.
const TModelIndex* RunningIndex(const TGraph* graph);

}  // namespace modeller
