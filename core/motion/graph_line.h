// A graph's line in a face's plot, ready for column_line: the plot's scale
// (where a time and a value fall in the face's units) and the segments the
// line joins through the path (graph_path.h), in time order. The position
// graph's line runs through each stretch but the jumps, from its floor where
// it begins to its floor where it ends. The speed graph's runs through the
// stretches' ends, vertically where the speed changes, and breaks at a
// stretch without speeds (a jump); a dense stretch, a column or two wide,
// spans its speeds where it begins and runs on at the speed it ends at, so
// that a trip's level goes on through it.
#pragma once

#include "core/motion/column_line.h"
#include "core/motion/graph_frame.h"
#include "core/motion/graph_path.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lodarix::motion {

// The plot's rectangle in the face's units, y down, with the span across it
// and the values low to high up it.
struct PlotScale {
    double left;
    double top;
    double width;
    double height;
    TimeSpan span;
    double low;
    double high;

    double x(std::int64_t ms) const;
    double y(double value) const;
};

std::vector<LineSegment> positionLine(std::span<const Stretch> path, const PlotScale& scale);
// speeds: speedOver of each stretch of path.
std::vector<LineSegment> speedLine(std::span<const Stretch> path,
                                   std::span<const std::optional<SpeedRange>> speeds,
                                   const PlotScale& scale);

} // namespace lodarix::motion
