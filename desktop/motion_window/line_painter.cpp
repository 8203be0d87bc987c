#include "desktop/motion_window/line_painter.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace lodarix {

namespace {

// The thinned line one column at a time, each filled over its values,
// unsmoothed: the same pixels as its polylines at a fraction of a stroke's cost.
void fillColumns(QPainter& painter, const motion::DrawnLine& line, double column, const QPen& pen)
{
    const double half = pen.widthF() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t i = 0; i < line.points.size();) {
        const double x = line.points[i].x;
        double top = line.points[i].y;
        double bottom = top;
        for (++i; i < line.points.size() && line.points[i].x == x; ++i) {
            top = std::min(top, line.points[i].y);
            bottom = std::max(bottom, line.points[i].y);
        }
        painter.fillRect(QRectF(x - column / 2, top - half, column, bottom - top + 2 * half),
                         pen.color());
    }
    painter.restore();
}

} // namespace

void drawGraphLine(QPainter& painter, std::span<const motion::LineSegment> segments,
                   const QRectF& plot, const QPen& pen)
{
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const motion::DrawnLine line = motion::columnLine(segments, {plot.left(), plot.width(), ratio});
    if (line.thinned) {
        fillColumns(painter, line, 1 / ratio, pen);
        return;
    }
    std::vector<QLineF> lines;
    lines.reserve(line.points.size());
    std::size_t begin = 0;
    for (const std::size_t end : line.ends) {
        for (std::size_t i = begin + 1; i < end; ++i)
            lines.emplace_back(line.points[i - 1].x, line.points[i - 1].y, line.points[i].x,
                               line.points[i].y);
        begin = end;
    }
    painter.setPen(pen);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

} // namespace lodarix
