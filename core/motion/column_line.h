// A graph's line as every face draws it: polylines in the plot's pixels, made
// from the segments the line joins, in time order. While there are no more
// segments than the plot has pixel columns, the polylines are the segments
// themselves, those that meet end to end joined into one. When there are
// more (a long record seen whole), the line is thinned to the plot's device
// pixel columns: each column it crosses keeps only the lowest and the
// highest value the segments reach in it (a segment over several columns
// reaches each at its heights where it enters and leaves it), the two drawn
// at the column's middle in the order the line reached them, and each column
// is joined to the next, so that no peak is lost and the line stays whole
// while it costs the same however many segments lie behind a column. A break
// in the segments (one that starts elsewhere than where the one before
// ended) ends a polyline, unless it falls within one column; a polyline of
// one column at one value is drawn as a level across that column. A
// column's values take in where the line crosses its edges, so that each
// join lies within the spans of the two columns it joins: a face may draw a
// thinned line as one vertical a column, over its values, at a fraction of
// the cost of stroking its joins, and show the same pixels.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace lodarix::motion {

struct LinePoint {
    double x;
    double y;

    friend bool operator==(const LinePoint&, const LinePoint&) = default;
};

struct LineSegment {
    LinePoint from;
    LinePoint to;
};

// The plot's place across, in the units of the segments, and the device
// pixels a unit spans.
struct PlotColumns {
    double left;
    double width;
    double ratio = 1;
};

struct DrawnLine {
    std::vector<LinePoint> points;
    // Where each polyline ends in points, in order; each begins where the
    // one before ends.
    std::vector<std::size_t> ends;
    bool thinned = false; // drawn a pixel column at a time
};

// The plot's device pixel columns: its width at the ratio, rounded up, at least 1.
int columnCount(const PlotColumns& plot);

// The line through segments, in time order (x never decreasing along them),
// within plot; empty for no segments. A segment wholly outside plot adds nothing.
DrawnLine columnLine(std::span<const LineSegment> segments, const PlotColumns& plot);

// The line as plain numbers, for a face that reads one array (the page):
// whether it is thinned (1 or 0), then for each polyline its count of
// points, then each point's x and y.
std::vector<double> lineNumbers(const DrawnLine& line);

} // namespace lodarix::motion
