#include "core/motion/column_line.h"

#include <algorithm>
#include <cmath>

namespace lodarix::motion {

namespace {

// The values the line reaches in one column, in the order it reaches them.
class Column {
public:
    void start(int column, double y)
    {
        column_ = column;
        low_ = high_ = y;
        highFirst_ = false;
    }
    void reach(double y)
    {
        if (y < low_) {
            low_ = y;
            highFirst_ = true;
        } else if (y > high_) {
            high_ = y;
            highFirst_ = false;
        }
    }
    int column() const { return column_; }

    // The column's edges, or those of the part of it within the plot.
    double left(const PlotColumns& plot) const { return plot.left + column_ / plot.ratio; }
    double right(const PlotColumns& plot) const
    {
        return plot.left + std::min(column_ + 1.0, plot.width * plot.ratio) / plot.ratio;
    }

    void appendTo(std::vector<LinePoint>& points, const PlotColumns& plot) const
    {
        const double x = (left(plot) + right(plot)) / 2;
        const double first = highFirst_ ? high_ : low_;
        const double second = highFirst_ ? low_ : high_;
        points.push_back({x, first});
        if (second != first)
            points.push_back({x, second});
    }

private:
    int column_ = -1;
    double low_ = 0;
    double high_ = 0;
    bool highFirst_ = false; // the highest value was reached before the lowest
};

class Thinning {
public:
    Thinning(const PlotColumns& plot, DrawnLine& line)
        : plot_(plot)
        , columns_(columnCount(plot))
        , line_(line)
    {
        line_.thinned = true;
        line_.points.reserve(2 * static_cast<std::size_t>(columns_));
    }

    void add(const LineSegment& segment, bool joined)
    {
        const double fromX = columnsAt(segment.from.x);
        const double toX = columnsAt(segment.to.x);
        const double from = std::max(fromX, 0.0);
        const double to = std::min(toX, static_cast<double>(columns_));
        if (!(from <= to))
            return;
        const int first = columnOf(from);
        if (!joined && open_ && first > column_.column())
            endPolyline();
        if (toX == fromX) {
            reach(first, segment.from.y);
            reach(first, segment.to.y);
            return;
        }
        const double slope = (segment.to.y - segment.from.y) / (toX - fromX);
        const auto yAt = [&segment, fromX, slope](double x) {
            return segment.from.y + (x - fromX) * slope;
        };
        const int last = columnOf(to);
        for (int column = first; column <= last; ++column) {
            reach(column, yAt(std::max(from, double(column))));
            reach(column, yAt(std::min(to, double(column + 1))));
        }
    }

    void finish()
    {
        if (open_)
            endPolyline();
    }

private:
    double columnsAt(double x) const { return (x - plot_.left) * plot_.ratio; }
    int columnOf(double columns) const
    {
        return std::clamp(static_cast<int>(std::floor(columns)), 0, columns_ - 1);
    }

    // Columns come in time order; one before the open column joins it.
    void reach(int column, double y)
    {
        if (!open_) {
            column_.start(column, y);
            open_ = true;
        } else if (column > column_.column()) {
            column_.appendTo(line_.points, plot_);
            column_.start(column, y);
        } else {
            column_.reach(y);
        }
    }

    void endPolyline()
    {
        column_.appendTo(line_.points, plot_);
        const std::size_t begin = line_.ends.empty() ? 0 : line_.ends.back();
        if (line_.points.size() == begin + 1) {
            line_.points.back().x = column_.left(plot_);
            line_.points.push_back({column_.right(plot_), line_.points.back().y});
        }
        line_.ends.push_back(line_.points.size());
        open_ = false;
    }

    const PlotColumns& plot_;
    int columns_;
    DrawnLine& line_;
    Column column_;
    bool open_ = false;
};

} // namespace

int columnCount(const PlotColumns& plot)
{
    return std::max(1, static_cast<int>(std::ceil(plot.width * plot.ratio)));
}

DrawnLine columnLine(std::span<const LineSegment> segments, const PlotColumns& plot)
{
    const auto joined = [segments](std::size_t i) {
        return i > 0 && segments[i].from == segments[i - 1].to;
    };
    DrawnLine line;
    if (segments.size() > static_cast<std::size_t>(columnCount(plot))) {
        Thinning thinning(plot, line);
        for (std::size_t i = 0; i < segments.size(); ++i)
            thinning.add(segments[i], joined(i));
        thinning.finish();
        return line;
    }
    line.points.reserve(segments.size() * 2);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (!joined(i)) {
            if (i > 0)
                line.ends.push_back(line.points.size());
            line.points.push_back(segments[i].from);
        }
        line.points.push_back(segments[i].to);
    }
    if (!segments.empty())
        line.ends.push_back(line.points.size());
    return line;
}

std::vector<double> lineNumbers(const DrawnLine& line)
{
    std::vector<double> numbers;
    numbers.reserve(1 + line.ends.size() + 2 * line.points.size());
    numbers.push_back(line.thinned ? 1 : 0);
    std::size_t begin = 0;
    for (const std::size_t end : line.ends) {
        numbers.push_back(static_cast<double>(end - begin));
        for (std::size_t i = begin; i < end; ++i) {
            numbers.push_back(line.points[i].x);
            numbers.push_back(line.points[i].y);
        }
        begin = end;
    }
    return numbers;
}

} // namespace lodarix::motion
