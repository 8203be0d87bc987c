#include "core/motion/graph_path.h"

#include <algorithm>

namespace lodarix::motion {

namespace {

// A step that moved the cabin came after a wait at the row before.
bool cameAfterWait(const Row& before, const Row& step)
{
    return step.timeMs - before.timeMs > step.intervalMs + stepToleranceMs(step.intervalMs);
}

class PathBuilder {
public:
    PathBuilder(std::span<const Row> rows, std::vector<Stretch>& path)
        : rows_(rows)
        , path_(path)
    {
    }

    void rest(std::size_t row, std::int64_t toMs)
    {
        const Row& at = rows_[row];
        const std::int64_t fromMs = path_.empty() ? at.timeMs : path_.back().toMs;
        if (toMs <= fromMs)
            return;
        if (!path_.empty() && path_.back().kind == StretchKind::Rest
            && path_.back().toFloor == at.floor) {
            path_.back().toMs = toMs;
            return;
        }
        path_.push_back({fromMs, toMs, at.floor, at.floor, StretchKind::Rest, row, row});
    }

    // From row to the next row, exactly.
    void transition(std::size_t row)
    {
        const Row& before = rows_[row];
        const std::size_t next = row + 1;
        const Row& after = rows_[next];
        if (isJump(rows_, next)) {
            rest(row, after.timeMs);
            path_.push_back({after.timeMs, after.timeMs, before.floor, after.floor,
                             StretchKind::Jump, next, next});
        } else if (isStep(after.event) && after.floor != before.floor) {
            const std::int64_t startMs =
                cameAfterWait(before, after) ? after.timeMs - after.intervalMs : before.timeMs;
            rest(row, startMs);
            path_.push_back({startMs, after.timeMs, before.floor, after.floor, StretchKind::Motion,
                             next, next});
        } else {
            rest(row, after.timeMs);
        }
    }

    // Straight from row from to row to, standing for the rows after from.
    void dense(std::size_t from, std::size_t to)
    {
        if (rows_[from].timeMs == rows_[to].timeMs && rows_[from].floor == rows_[to].floor)
            return;
        path_.push_back({rows_[from].timeMs, rows_[to].timeMs, rows_[from].floor, rows_[to].floor,
                         StretchKind::Dense, from + 1, to});
    }

    // From the point at row from to the next point, at row to.
    void between(std::size_t from, std::size_t to)
    {
        if (to == from + 1) {
            transition(from);
            return;
        }
        std::size_t widest = from + 1;
        for (std::size_t row = from + 2; row <= to; ++row) {
            if (rows_[row].timeMs - rows_[row - 1].timeMs
                > rows_[widest].timeMs - rows_[widest - 1].timeMs)
                widest = row;
        }
        if (widest - 1 > from)
            dense(from, widest - 1);
        transition(widest - 1);
        if (to > widest)
            dense(widest, to);
    }

private:
    std::span<const Row> rows_;
    std::vector<Stretch>& path_;
};

} // namespace

std::vector<Stretch> graphPath(std::span<const Row> rows, std::span<const PlotPoint> points,
                               std::int64_t untilMs)
{
    std::vector<Stretch> path;
    if (points.empty())
        return path;
    path.reserve(points.size() * 2 + 1);
    PathBuilder builder(rows, path);
    for (std::size_t i = 1; i < points.size(); ++i)
        builder.between(points[i - 1].row, points[i].row);
    // Rows after the last point lie in its column when they lie in the span.
    const std::size_t lastPoint = points.back().row;
    const auto upToNow =
        std::partition_point(rows.begin() + static_cast<std::ptrdiff_t>(lastPoint) + 1, rows.end(),
                             [untilMs](const Row& row) { return row.timeMs <= untilMs; });
    const auto lastRow = static_cast<std::size_t>(upToNow - rows.begin()) - 1;
    if (lastRow > lastPoint)
        builder.between(lastPoint, lastRow);
    builder.rest(lastRow, untilMs);
    return path;
}

std::optional<SpeedRange> speedOver(std::span<const Row> rows, const Stretch& stretch,
                                    StoreyHeight height) noexcept
{
    if (stretch.fromFloor == 0 || stretch.toFloor == 0)
        return std::nullopt;
    switch (stretch.kind) {
    case StretchKind::Rest:
        return SpeedRange{0.0, 0.0, 0.0};
    case StretchKind::Jump:
        return std::nullopt;
    case StretchKind::Motion:
        if (const auto speed = speedEndingAt(rows, stretch.lastRow, height))
            return SpeedRange{*speed, *speed, *speed};
        return std::nullopt;
    case StretchKind::Dense:
        break;
    }
    bool any = false;
    double low = 0;
    double high = 0;
    double last = 0;
    const auto cover = [&any, &low, &high](double speed) {
        low = any ? std::min(low, speed) : speed;
        high = any ? std::max(high, speed) : speed;
        any = true;
    };
    for (std::size_t row = stretch.firstRow; row <= stretch.lastRow; ++row) {
        const auto speed = speedEndingAt(rows, row, height);
        last = speed.value_or(0.0);
        if (!speed)
            continue;
        if (*speed != 0.0 && cameAfterWait(rows[row - 1], rows[row]))
            cover(0.0);
        cover(*speed);
    }
    if (!any)
        return std::nullopt;
    return SpeedRange{low, high, last};
}

} // namespace lodarix::motion
