#include "core/motion/graph_frame.h"

#include "core/lift/floor_table.h"
#include "core/texts/number_texts.h"

#include <algorithm>
#include <cmath>

namespace lodarix::motion {

TimeSpan followingSpan(std::int64_t nowMs)
{
    const std::int64_t toMs = std::max(nowMs, FollowedMs);
    return {toMs - FollowedMs, toMs};
}

TimeSpan wholeSessionSpan(std::int64_t nowMs)
{
    return {0, std::max<std::int64_t>(nowMs, 1000)};
}

TimeSpan shownSpan(std::int64_t nowMs, bool wholeSession)
{
    return wholeSession ? wholeSessionSpan(nowMs) : followingSpan(nowMs);
}

std::vector<Tick> ticks(const Axis& axis)
{
    std::vector<Tick> all;
    const double first = std::ceil(axis.low / axis.tickStep - 1e-9) * axis.tickStep;
    for (double value = first; value <= axis.high + 1e-9 * axis.tickStep; value += axis.tickStep) {
        const double shown = value / axis.labelUnit;
        all.push_back({value, texts::decimal(std::abs(shown) < 1e-9 ? 0.0 : shown, axis.decimals)});
    }
    return all;
}

double niceStep(double roughly)
{
    if (!(roughly > 0 && roughly < 1e300))
        return 1;
    // The power of ten at or below roughly, found without the math library's
    // logarithms, which the page would have to carry.
    double power = 1;
    while (power > roughly)
        power /= 10;
    while (power * 10 <= roughly)
        power *= 10;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= roughly)
            return factor * power;
    }
    return 10 * power;
}

Axis floorAxis()
{
    return {0.5, lift::FloorTable::Count + 0.5, 1, 0};
}

Axis speedAxis(double fastestMetresPerSecond)
{
    const double fastest = std::max(fastestMetresPerSecond, 1.0);
    const double step = niceStep(fastest / 4);
    const double top = std::ceil(fastest / step - 1e-9) * step;
    return {-top, top, step, step < 1 ? 1 : 0};
}

double fastestShown(std::span<const Stretch> path,
                    std::span<const std::optional<SpeedRange>> speeds, TimeSpan span,
                    StoreyHeight height, int intervalMs)
{
    double fastest = height.metres() * 1000.0 / intervalMs;
    for (std::size_t i = 0; i < path.size() && i < speeds.size(); ++i) {
        if (speeds[i] && path[i].toMs >= span.fromMs && path[i].fromMs <= span.toMs)
            fastest = std::max({fastest, std::abs(speeds[i]->low), std::abs(speeds[i]->high)});
    }
    return fastest;
}

Axis timeAxis(TimeSpan span, double plotWidth, double labelWidth)
{
    const double spanS = static_cast<double>(span.toMs - span.fromMs) / 1000.0;
    const double labels = std::max(1.0, plotWidth / (labelWidth * TimeLabelSpacing));
    const double stepS = niceStep(spanS / labels);
    const auto stepMs = std::max<std::int64_t>(1, std::llround(stepS * 1000));
    return {static_cast<double>(span.fromMs), static_cast<double>(span.toMs),
            static_cast<double>(stepMs), stepS < 1 ? 1 : 0, 1000};
}

std::vector<PlotPoint> markedSteps(std::span<const Row> rows, std::span<const PlotPoint> points,
                                   int columns)
{
    std::vector<PlotPoint> marked;
    if (static_cast<std::int64_t>(points.size()) * ColumnsPerStepPoint > columns)
        return marked;
    for (const PlotPoint& point : points) {
        if (isStep(rows[point.row].event) && point.floor != 0)
            marked.push_back(point);
    }
    return marked;
}

} // namespace lodarix::motion
