// A record of very many rows reduced to what a graph of the cabin's floor over
// time can show: the time span is cut into as many buckets as the graph has
// pixel columns, and each bucket keeps only its lowest and its highest floor,
// so that a trip drawn within one column still spans its floors. A bucket
// where a jump lands keeps the jump row too, so that no jump gets lost.
//
// The painter joins the points in order. A point marked jump is reached by a
// jump, not by motion: draw the level of the point before it up to its time,
// then a jump mark. After the last point the cabin rests at its floor.
// Cost: one binary search, then one pass over the rows of the span.
#pragma once

#include "core/motion/motion_row.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lodarix::motion {

struct PlotPoint {
    std::int64_t timeMs;
    std::int8_t floor; // 1 to 11
    bool jump;         // the row is a jump (see isJump)
    std::size_t row;   // the position of the row in the record

    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// The points to draw for the rows with fromMs <= time <= toMs on a graph
// columns pixels wide: in time order, at most two a column (three where a
// jump lands among more rows), each an actual row. The last row before the
// span and the first after it come too, when there are such, so that the
// line runs to both edges. Empty for columns < 1 or fromMs > toMs. rows must
// be in time order.
std::vector<PlotPoint> decimate(std::span<const Row> rows, std::int64_t fromMs, std::int64_t toMs,
                                int columns);

} // namespace lodarix::motion
