#include "core/motion/graph_line.h"

#include <algorithm>

namespace lodarix::motion {

double PlotScale::x(std::int64_t ms) const
{
    const auto spanMs = static_cast<double>(std::max<std::int64_t>(1, span.toMs - span.fromMs));
    return left + static_cast<double>(ms - span.fromMs) / spanMs * width;
}

double PlotScale::y(double value) const
{
    return top + (high - value) / (high - low) * height;
}

std::vector<LineSegment> positionLine(std::span<const Stretch> path, const PlotScale& scale)
{
    std::vector<LineSegment> segments;
    segments.reserve(path.size());
    for (const Stretch& stretch : path) {
        // A floor of 0 is none: the line leaves a gap there.
        if (stretch.kind != StretchKind::Jump && stretch.fromFloor != 0 && stretch.toFloor != 0)
            segments.push_back({{scale.x(stretch.fromMs), scale.y(stretch.fromFloor)},
                                {scale.x(stretch.toMs), scale.y(stretch.toFloor)}});
    }
    return segments;
}

std::vector<LineSegment> speedLine(std::span<const Stretch> path,
                                   std::span<const std::optional<SpeedRange>> speeds,
                                   const PlotScale& scale)
{
    std::vector<LineSegment> segments;
    segments.reserve(2 * path.size());
    std::optional<LinePoint> last;
    const auto to = [&segments, &last](LinePoint point) {
        if (last)
            segments.push_back({*last, point});
        last = point;
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!speeds[i]) {
            last.reset();
            continue;
        }
        const SpeedRange range = *speeds[i];
        const double fromX = scale.x(path[i].fromMs);
        to({fromX, scale.y(range.low)});
        if (path[i].kind == StretchKind::Dense) {
            to({fromX, scale.y(range.high)});
            to({fromX, scale.y(range.last)});
        }
        to({scale.x(path[i].toMs), scale.y(range.last)});
    }
    return segments;
}

} // namespace lodarix::motion
