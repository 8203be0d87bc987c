// A graph of the record as plain numbers, for a face that draws it from
// arrays of numbers (the page): a header, then each stretch of the path
// (graph_path.h), then each step point the position graph marks, every one a
// fixed count of fields in the order below, and apart from them the line
// through the path in the face's plot. The page reads the fields by the
// names its build-time facts give it, so the order is kept here alone.
#pragma once

#include "core/motion/graph_frame.h"
#include "core/motion/motion_row.h"
#include "core/motion/speed.h"
#include "core/motion/trip_log.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lodarix::motion::path_numbers {

// The header: how many stretches and points follow; the running trip's
// final stop (0 for none) and the time of its pick, from which its level is
// drawn to the present; the fastest speed the speed graph must reach (0
// without speeds).
enum Header { StretchCount, PointCount, FinalStop, FinalStopFromMs, Fastest, HeaderSize };
// A stretch: its times and floors, its StretchKind, whether it has speeds
// (1 or 0), and its lowest, highest and last speed in m/s (SpeedRange).
enum StretchField {
    FromMs,
    ToMs,
    FromFloor,
    ToFloor,
    Kind,
    HasSpeed,
    Low,
    High,
    Last,
    StretchSize
};
// A step point: its time and floor.
enum PointField { PointMs, PointFloor, PointSize };

// Where the face draws the graph's line: the plot's rectangle in the face's
// units, y down, and the device pixels a unit spans.
struct PlotArea {
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
    double ratio = 1;
};

struct Request {
    TimeSpan span;
    int columns;          // the plot's width in the face's pixel columns, at least 1
    std::int64_t untilMs; // the present, to which the path runs on
    // The storey height for the speeds; none for the position graph, which
    // has none and marks the step points instead.
    std::optional<StoreyHeight> speedsAt;
    int intervalMs; // the step interval in force
    PlotArea plot = {};
};

// The path laid out as above, and the graph's line in request.plot
// (graph_line.h) laid out as lineNumbers (column_line.h) says.
struct Numbers {
    std::vector<double> path;
    std::vector<double> line;
};

Numbers pathNumbers(std::span<const Row> rows, const std::vector<Trip>& trips,
                    const Request& request);

} // namespace lodarix::motion::path_numbers
