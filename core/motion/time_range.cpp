#include "core/motion/time_range.h"

#include <algorithm>

namespace lodarix::motion {

RowRange rowsInTime(std::span<const Row> rows, std::int64_t fromMs, std::int64_t toMs)
{
    const auto first = std::partition_point(
        rows.begin(), rows.end(), [fromMs](const Row& row) { return row.timeMs < fromMs; });
    auto last = first;
    if (fromMs <= toMs)
        last = std::partition_point(first, rows.end(),
                                    [toMs](const Row& row) { return row.timeMs <= toMs; });
    return {static_cast<std::size_t>(first - rows.begin()),
            static_cast<std::size_t>(last - rows.begin())};
}

} // namespace lodarix::motion
