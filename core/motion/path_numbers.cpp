#include "core/motion/path_numbers.h"

#include "core/motion/column_line.h"
#include "core/motion/decimation.h"
#include "core/motion/graph_line.h"
#include "core/motion/graph_path.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace lodarix::motion::path_numbers {

Numbers pathNumbers(std::span<const Row> rows, const std::vector<Trip>& trips,
                    const Request& request)
{
    const int columns = std::max(1, request.columns);
    const auto points = decimate(rows, request.span.fromMs, request.span.toMs, columns);
    const auto stretches = graphPath(rows, points, request.untilMs);
    std::vector<std::optional<SpeedRange>> speeds(stretches.size());
    if (request.speedsAt) {
        for (std::size_t i = 0; i < stretches.size(); ++i)
            speeds[i] = speedOver(rows, stretches[i], *request.speedsAt);
    }
    const std::vector<PlotPoint> marked =
        request.speedsAt ? std::vector<PlotPoint>() : markedSteps(rows, points, columns);

    std::vector<double> numbers(HeaderSize + stretches.size() * StretchSize
                                + marked.size() * PointSize);
    numbers[StretchCount] = static_cast<double>(stretches.size());
    numbers[PointCount] = static_cast<double>(marked.size());
    if (!trips.empty() && trips.back().running && !rows.empty()) {
        numbers[FinalStop] = trips.back().finalStop;
        numbers[FinalStopFromMs] = static_cast<double>(rows[trips.back().pickRow].timeMs);
    }
    if (request.speedsAt)
        numbers[Fastest] =
            fastestShown(stretches, speeds, request.span, *request.speedsAt, request.intervalMs);
    auto field = numbers.begin() + HeaderSize;
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const Stretch& stretch = stretches[i];
        const std::optional<SpeedRange>& speed = speeds[i];
        const double fields[StretchSize] = {static_cast<double>(stretch.fromMs),
                                            static_cast<double>(stretch.toMs),
                                            static_cast<double>(stretch.fromFloor),
                                            static_cast<double>(stretch.toFloor),
                                            static_cast<double>(stretch.kind),
                                            speed ? 1.0 : 0.0,
                                            speed ? speed->low : 0,
                                            speed ? speed->high : 0,
                                            speed ? speed->last : 0};
        field = std::copy(std::begin(fields), std::end(fields), field);
    }
    for (const PlotPoint& point : marked) {
        *field++ = static_cast<double>(point.timeMs);
        *field++ = point.floor;
    }

    const PlotArea& plot = request.plot;
    const Axis values = request.speedsAt ? speedAxis(numbers[Fastest]) : floorAxis();
    const PlotScale scale{plot.left,    plot.top,   plot.width, plot.height,
                          request.span, values.low, values.high};
    const std::vector<LineSegment> segments =
        request.speedsAt ? speedLine(stretches, speeds, scale) : positionLine(stretches, scale);
    return {std::move(numbers),
            lineNumbers(columnLine(segments, {plot.left, plot.width, plot.ratio}))};
}

} // namespace lodarix::motion::path_numbers
