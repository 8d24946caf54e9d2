#pragma once
// The order a reader takes the controls of a window in: rows from top to bottom, each row from left
// to right. Free of Qt.
#include <cstddef>
#include <vector>

#include "platform/Graphics.h"

namespace platform {

// The indexes of `places` in reading order. A place joins the row of the place above it when it
// starts above that place's middle, or its own middle lies above that place's bottom, so a label,
// an edit and a check box drawn a few pixels apart share a row, and the fields beside a tall list
// share the list's row.
std::vector<std::size_t> ReadingOrder(const std::vector<TRect>& places);

}  // namespace platform
