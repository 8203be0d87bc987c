#include "core/motion/speed.h"

#include <stdexcept>

namespace lodarix::motion {

StoreyHeight::StoreyHeight(double metres)
    : metres_(metres)
{
    if (!(metres >= Lowest && metres <= Highest))
        throw std::out_of_range("a storey is 2.5 to 4.0 m high");
}

std::optional<double> speedEndingAt(std::span<const Row> rows, std::size_t row,
                                    StoreyHeight height) noexcept
{
    if (row == 0 || row >= rows.size() || isJump(rows, row))
        return std::nullopt;
    const Row& made = rows[row];
    if (made.floor == 0 || rows[row - 1].floor == 0)
        return std::nullopt;
    if (!isStep(made.event) || made.floor == rows[row - 1].floor)
        return 0.0;
    if (made.intervalMs == 0)
        return std::nullopt;
    const double metresPerMs = height.metres() / static_cast<double>(made.intervalMs);
    return (made.floor > rows[row - 1].floor ? 1000.0 : -1000.0) * metresPerMs;
}

std::optional<double> meanSpeed(const Trip& trip, StoreyHeight height)
{
    if (trip.durationMs <= 0)
        return std::nullopt;
    return trip.floorsTravelled * height.metres() / trip.durationSeconds();
}

} // namespace lodarix::motion
