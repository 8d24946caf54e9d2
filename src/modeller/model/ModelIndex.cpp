#include "modeller/model/ModelIndex.h"

#include <algorithm>

#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"

namespace modeller {

namespace {

const TModelIndex* innermostRun = nullptr;

}  // namespace

TModelIndex::TModelIndex(const TGraph* graph) : graph_(graph) {
  if (graph == nullptr) return;
  const size_t nodeCount = static_cast<size_t>(graph->NodeCount());
  nodes_.reserve(nodeCount);
  for (int i = 0; i < graph->NodeCount(); ++i) nodes_.emplace(graph->Nodes(i), i);
  supertypes_.resize(nodeCount);
  edgesAt_.resize(nodeCount);

  std::vector<std::vector<int>> leaving(nodeCount);  // the ToNode of every edge leaving a node
  std::vector<const TEdge*> subclassings;
  for (int i = 0; i < graph->EdgeCount(); ++i) {
    const TEdge* edge = graph->Edges(i);
    int from = edge->FromNode(), to = edge->ToNode();
    if (Names(from)) edgesAt_[static_cast<size_t>(from)].push_back(edge);
    if (Names(to) && to != from) edgesAt_[static_cast<size_t>(to)].push_back(edge);
    if (!Names(from) || !Names(to)) continue;
    leaving[static_cast<size_t>(from)].push_back(to);
    if (dynamic_cast<const TSubClassing*>(edge) != nullptr) subclassings.push_back(edge);
  }
  for (const TEdge* subclassing : subclassings) {
    const auto& fromJunction = leaving[static_cast<size_t>(subclassing->ToNode())];
    auto& supertypes = supertypes_[static_cast<size_t>(subclassing->FromNode())];
    supertypes.insert(supertypes.end(), fromJunction.begin(), fromJunction.end());
  }
  for (auto& supertypes : supertypes_) {
    std::sort(supertypes.begin(), supertypes.end());
    supertypes.erase(std::unique(supertypes.begin(), supertypes.end()), supertypes.end());
  }
}

int TModelIndex::IndexOf(const TObj* node) const {
  auto found = nodes_.find(node);
  return found != nodes_.end() ? found->second : -1;
}

const std::vector<int>& TModelIndex::DirectSupertypes(int sub) const {
  static const std::vector<int> none;
  return Names(sub) ? supertypes_[static_cast<size_t>(sub)] : none;
}

bool TModelIndex::IsDirect(int super, int sub) const {
  const auto& supertypes = DirectSupertypes(sub);
  return std::binary_search(supertypes.begin(), supertypes.end(), super);
}

bool TModelIndex::IsAncestor(int a, int b) const {
  std::vector<bool> visited(supertypes_.size(), false);
  std::vector<int> pending{b};
  while (!pending.empty()) {
    int type = pending.back();
    pending.pop_back();
    for (int super : DirectSupertypes(type)) {
      if (super == a) return true;
      if (visited[static_cast<size_t>(super)]) continue;
      visited[static_cast<size_t>(super)] = true;
      pending.push_back(super);
    }
  }
  return false;
}

TGenerationRun::TGenerationRun() : index_(innermostRun), outer_(innermostRun) {
  if (index_ != nullptr && index_->Graph() == TheGraph.get()) return;
  own_ = std::make_unique<TModelIndex>(TheGraph.get());
  index_ = own_.get();
  innermostRun = index_;
}

TGenerationRun::~TGenerationRun() { innermostRun = outer_; }

const TModelIndex* RunningIndex(const TGraph* graph) {
  return innermostRun != nullptr && innermostRun->Graph() == graph ? innermostRun : nullptr;
}

}  // namespace modeller
