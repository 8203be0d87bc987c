// Speeds from the motion record. The cabin passes one storey per step, so a
// step that moved it stands for a speed of one storey height per step
// interval, up positive; a step that did not move it, and the wait before a
// pick, is rest. A jump is no motion and has no speed.
#pragma once

#include "core/motion/motion_row.h"
#include "core/motion/trip_log.h"

#include <cstddef>
#include <optional>
#include <span>

namespace lodarix::motion {

// The height of one storey in metres, 2.5 to 4.0; 3.0 unless chosen.
class StoreyHeight {
public:
    static constexpr double Lowest = 2.5;
    static constexpr double Highest = 4.0;
    static constexpr double Default = 3.0;

    constexpr StoreyHeight() = default;
    // Throws std::out_of_range outside Lowest to Highest (NaN included).
    explicit StoreyHeight(double metres);

    double metres() const { return metres_; }

private:
    double metres_ = Default;
};

// The speed in m/s during the interval that ends at rows[row] (the time from
// the row before to it): ±height / interval for a step that moved the cabin,
// 0 for a step that did not and for a pick that found the cabin where it
// was; none for the start row, for a jump and for a position past the end.
std::optional<double> speedEndingAt(std::span<const Row> rows, std::size_t row,
                                    StoreyHeight height) noexcept;

// Floors travelled × height / duration, in m/s; none while the duration is 0.
std::optional<double> meanSpeed(const Trip& trip, StoreyHeight height);

} // namespace lodarix::motion
