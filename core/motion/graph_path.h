// How the graphs draw the cabin through the points of a record (decimation.h):
// stretches of rest, motion and jumps, in time order. A step that moved the
// cabin moves it during the step's own interval, which ends at the step row;
// until then the cabin rests at the floor of the row before. So after a pause,
// or when the interval changed, the cabin waits and then moves at the step's
// speed; in steady running the stretches of motion join end to end.
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

namespace motion {

enum class StretchKind : std::uint8_t {
    Rest,   // the cabin stays at fromFloor (== toFloor)
    Motion, // one step's motion from fromFloor to toFloor
    Jump,   // a jump at one moment (fromMs == toMs): no motion, no speed
    Dense,  // several rows joined straight, within a column or two
};

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

// Speeds in m/s over a stretch, up positive.
struct SpeedRange {
    double low;
    double high;

    friend bool operator==(const SpeedRange&, const SpeedRange&) = default;
};

// 0 for a rest, the step's speed for a motion (speedEndingAt), the lowest and
// highest speed of the rows a dense stretch joins; none for a jump, and for
// a dense stretch of jumps only.
std::optional<SpeedRange> speedOver(std::span<const Row> rows, const Stretch& stretch,
                                    StoreyHeight height);

} // namespace motion
