#pragma once
// The model the benchmarks work on, generated as the drawing tools and inspectors leave one: per
// class 1/10 interface, 1/10 inheritance junction and 1/40 comment, so 10,000 classes make 12,250
// nodes and 11,250 edges, with members, inheritance, associations, instantiations and comment links.

namespace modeller {

// Makes it the current model (a new TheGraph and design values).
void BuildModel(int classCount);

}  // namespace modeller
