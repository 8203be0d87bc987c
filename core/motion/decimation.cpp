#include "core/motion/decimation.h"

#include "core/motion/time_range.h"

#include <algorithm>
#include <array>

namespace lodarix::motion {

namespace {

// No screen is wider; it keeps the bucket arithmetic within 64 bits.
constexpr std::uint64_t MostColumns = 1 << 16;
constexpr std::uint64_t LongestExactSpan = std::uint64_t{1} << 46;

// The bucket of a time offsetMs into a span of spanMs (0 meaning 2^64) cut
// into columns. It is called for every row; noexcept lets a build with
// exceptions in script (the page's) call it directly.
std::uint64_t bucketOf(std::uint64_t offsetMs, std::uint64_t spanMs, std::uint64_t columns) noexcept
{
    if (spanMs != 0 && spanMs <= LongestExactSpan)
        return offsetMs * columns / spanMs;
    const long double whole =
        spanMs != 0 ? static_cast<long double>(spanMs) : 18446744073709551616.0L;
    const auto bucket = static_cast<std::uint64_t>(static_cast<long double>(offsetMs) / whole
                                                   * static_cast<long double>(columns));
    return std::min(bucket, columns - 1);
}

class Reducer {
public:
    Reducer(std::span<const Row> rows, std::vector<PlotPoint>& points)
        : rows_(rows)
        , points_(points)
    {
    }

    void add(std::size_t row)
    {
        if (!open_) {
            lowest_ = highest_ = row;
            jump_ = None;
            open_ = true;
        }
        if (rows_[row].floor < rows_[lowest_].floor)
            lowest_ = row;
        if (rows_[row].floor > rows_[highest_].floor)
            highest_ = row;
        if (isJump(rows_, row))
            jump_ = row;
    }

    void flush()
    {
        if (!open_)
            return;
        open_ = false;
        std::array<std::size_t, 3> kept{lowest_, highest_, jump_};
        std::sort(kept.begin(), kept.end());
        std::size_t previous = None;
        for (const std::size_t row : kept) {
            if (row != None && row != previous)
                point(row);
            previous = row;
        }
    }

    void point(std::size_t row)
    {
        const Row& made = rows_[row];
        points_.push_back({made.timeMs, made.floor, isJump(rows_, row), row});
    }

private:
    static constexpr std::size_t None = static_cast<std::size_t>(-1);

    std::span<const Row> rows_;
    std::vector<PlotPoint>& points_;
    bool open_ = false;
    std::size_t lowest_ = None;
    std::size_t highest_ = None;
    std::size_t jump_ = None;
};

} // namespace

std::vector<PlotPoint> decimate(std::span<const Row> rows, std::int64_t fromMs, std::int64_t toMs,
                                int columns)
{
    std::vector<PlotPoint> points;
    if (columns < 1 || fromMs > toMs)
        return points;
    const RowRange range = rowsInTime(rows, fromMs, toMs);
    const std::uint64_t buckets = std::min(static_cast<std::uint64_t>(columns), MostColumns);
    points.reserve(std::min<std::size_t>(range.size(), 2 * buckets) + 2);

    Reducer reducer(rows, points);
    if (range.first > 0)
        reducer.point(range.first - 1);
    // Differences of times taken modulo 2^64 are exact for any fromMs <= toMs.
    const std::uint64_t spanMs =
        static_cast<std::uint64_t>(toMs) - static_cast<std::uint64_t>(fromMs) + 1;
    std::uint64_t bucket = 0;
    for (std::size_t row = range.first; row < range.last; ++row) {
        const std::uint64_t offsetMs =
            static_cast<std::uint64_t>(rows[row].timeMs) - static_cast<std::uint64_t>(fromMs);
        const std::uint64_t rowBucket = bucketOf(offsetMs, spanMs, buckets);
        if (rowBucket != bucket) {
            reducer.flush();
            bucket = rowBucket;
        }
        reducer.add(row);
    }
    reducer.flush();
    if (range.last < rows.size())
        reducer.point(range.last);
    return points;
}

} // namespace lodarix::motion
