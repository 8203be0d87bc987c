// How the graphs draw the cabin through the points of a record (decimation.h):
// stretches of rest, motion and jumps, in time order. A step that moved the
// cabin and came on time, no later after the row before than its interval and
// the timer's tolerance (stepToleranceMs), moves it from that row on at the
// speed of its interval, so the stretches of a trip join end to end however
// late or early the timer delivers its steps. A step that came later followed
// a wait (the program held up, or the period begun anew on continuing after a
// pause or on a change of interval): the cabin rests at the floor of the row
// before, then moves during the step's own interval, which ends at the step
// row. The rows keep their measured times; only the drawing reads them so.
//
// Where decimation left rows out between two points (many rows to a pixel
// column), the longest gap among them is drawn exactly, so that a rest across
// empty columns stays level, and the rows on either side of it, which lie
// within a column or two of a point, are joined straight as one dense stretch.
#pragma once

#include "core/motion/decimation.h"
#include "core/motion/motion_row.h"
#include "core/motion/speed.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lodarix::motion {

enum class StretchKind : std::uint8_t {
    Rest,   // the cabin stays at fromFloor (== toFloor)
    Motion, // one step's motion from fromFloor to toFloor
    Jump,   // a jump at one moment (fromMs == toMs): no motion, no speed
    Dense,  // several rows joined straight, within a column or two
};

// How much later than its interval after the row before a step may come and
// still belong to the motion: a quarter of the interval, 50 to 500 ms at the
// intervals the teacher can set. A timer delivers a step a fraction of a
// millisecond to a few milliseconds late or early, more on a busy core; a
// quarter leaves room for a hiccup of a frame or two even at the shortest
// interval, and a wait drawn as rest is still a quarter of a step or longer,
// which reads as a stop.
constexpr std::int64_t stepToleranceMs(std::uint16_t intervalMs)
{
    return intervalMs / 4;
}

struct Stretch {
    std::int64_t fromMs;
    std::int64_t toMs;
    std::int8_t fromFloor;
    std::int8_t toFloor;
    StretchKind kind;
    // The rows whose events the stretch shows, first to last: the step row of
    // a motion, the pick row of a jump, the rows joined by a dense stretch;
    // for a rest, the row it begins at (both).
    std::size_t firstRow;
    std::size_t lastRow;

    friend bool operator==(const Stretch&, const Stretch&) = default;
};

// The stretches through points (in row order, as decimate gives them) and on
// through the rows after the last point made by untilMs (which decimation
// may leave out of the last column), then a rest up to untilMs when that is
// later. Empty for no points.
std::vector<Stretch> graphPath(std::span<const Row> rows, std::span<const PlotPoint> points,
                               std::int64_t untilMs);

// Speeds in m/s over a stretch, up positive: the lowest, the highest, and the
// one it ends at, where the next stretch joins it.
struct SpeedRange {
    double low;
    double high;
    double last;

    friend bool operator==(const SpeedRange&, const SpeedRange&) = default;
};

// 0 for a rest, the step's speed for a motion (speedEndingAt); for a dense
// stretch the lowest and highest speed of the rows it joins, 0 among them
// where one came after a wait, and the speed of its last row (0 for a jump);
// none for a jump, and for a dense stretch of jumps only.
std::optional<SpeedRange> speedOver(std::span<const Row> rows, const Stretch& stretch,
                                    StoreyHeight height) noexcept;

} // namespace lodarix::motion
