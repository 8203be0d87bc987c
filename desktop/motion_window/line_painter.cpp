#include "desktop/motion_window/line_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lodarix {

namespace {

struct Span {
    double top = std::numeric_limits<double>::max();
    double bottom = std::numeric_limits<double>::lowest();

    void cover(double y)
    {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    bool empty() const { return top > bottom; }
};

// Each column's span of the segments, columns counted from the plot's left.
std::vector<Span> columnSpans(const std::vector<QLineF>& segments, const QRectF& plot)
{
    const int columns = std::max(1, static_cast<int>(std::ceil(plot.width())));
    std::vector<Span> spans(static_cast<std::size_t>(columns));
    for (QLineF segment : segments) {
        if (segment.x1() > segment.x2())
            segment = QLineF(segment.p2(), segment.p1());
        const double from = std::max(segment.x1() - plot.left(), 0.0);
        const double to = std::min(segment.x2() - plot.left(), plot.width());
        if (from > to)
            continue;
        const double dx = segment.x2() - segment.x1();
        const auto yAt = [&segment, &plot, dx](double x) {
            return dx <= 0 ? segment.y1()
                           : segment.y1() + (x + plot.left() - segment.x1()) / dx * segment.dy();
        };
        const int first = std::min(static_cast<int>(from), columns - 1);
        const int last = std::min(static_cast<int>(to), columns - 1);
        for (int column = first; column <= last; ++column) {
            Span& span = spans[static_cast<std::size_t>(column)];
            if (dx <= 0) {
                span.cover(segment.y1());
                span.cover(segment.y2());
                continue;
            }
            span.cover(yAt(std::max(from, double(column))));
            span.cover(yAt(std::min(to, double(column + 1))));
        }
    }
    return spans;
}

} // namespace

void drawGraphLine(QPainter& painter, const std::vector<QLineF>& segments, const QRectF& plot,
                   const QPen& pen)
{
    if (segments.size() <= static_cast<std::size_t>(plot.width())) {
        painter.setPen(pen);
        painter.drawLines(segments.data(), static_cast<int>(segments.size()));
        return;
    }
    const std::vector<Span> spans = columnSpans(segments, plot);
    const double half = pen.widthF() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t column = 0; column < spans.size(); ++column) {
        const Span& span = spans[column];
        if (span.empty())
            continue;
        painter.fillRect(QRectF(plot.left() + static_cast<double>(column), span.top - half, 1,
                                span.bottom - span.top + 2 * half),
                         pen.color());
    }
    painter.restore();
}

} // namespace lodarix
