#include "platform/ReadingOrder.h"

#include <algorithm>
#include <numeric>

namespace platform {

namespace {

int Middle(const TRect& place) { return (place.Top + place.Bottom) / 2; }

// `lower` starts no higher than `first`, the first place of a row.
bool SameRow(const TRect& first, const TRect& lower) {
  return lower.Top < Middle(first) || Middle(lower) < first.Bottom;
}

}  // namespace

std::vector<std::size_t> ReadingOrder(const std::vector<TRect>& places) {
  std::vector<std::size_t> order(places.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return places[a].Top != places[b].Top ? places[a].Top < places[b].Top : places[a].Left < places[b].Left;
  });
  auto byLeft = [&](std::size_t a, std::size_t b) { return places[a].Left < places[b].Left; };
  for (auto row = order.begin(); row != order.end();) {
    auto end = std::find_if(row + 1, order.end(), [&](std::size_t i) { return !SameRow(places[*row], places[i]); });
    std::stable_sort(row, end, byLeft);
    row = end;
  }
  return order;
}

}  // namespace platform
