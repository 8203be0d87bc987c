// The rows of a record that fall in a span of time, found by binary search,
// so that a graph of a short window reads only its own rows.
#pragma once

#include "core/motion/motion_row.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace lodarix::motion {

// The positions first to last (last excluded) of rows in a record.
struct RowRange {
    std::size_t first = 0;
    std::size_t last = 0;

    bool empty() const { return first == last; }
    std::size_t size() const { return last - first; }

    friend bool operator==(const RowRange&, const RowRange&) = default;
};

// The rows with fromMs <= time <= toMs; rows must be in time order. Empty
// (at the position where such rows would be) when no row is in the span,
// and when fromMs > toMs.
RowRange rowsInTime(std::span<const Row> rows, std::int64_t fromMs, std::int64_t toMs);

} // namespace lodarix::motion
