#include "desktop/motion_window/line_painter.h"

#include <QLineF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lodarix {

namespace {

// Each step of the thinned line filled over the pixel columns it crosses
// (the one it stands in, when it stands in one), unsmoothed: the same
// pixels as a line, at a fraction of a stroke's cost.
void fillColumns(QPainter& painter, const motion::DrawnLine& line, double column, const QPen& pen)
{
    const double half = pen.widthF() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    std::size_t begin = 0;
    for (const std::size_t end : line.ends) {
        for (std::size_t i = begin + 1; i < end; ++i) {
            const motion::LinePoint& from = line.points[i - 1];
            const motion::LinePoint& to = line.points[i];
            double left = std::min(from.x, to.x);
            double width = std::abs(to.x - from.x);
            if (width < column) {
                left += (width - column) / 2;
                width = column;
            }
            painter.fillRect(QRectF(left, std::min(from.y, to.y) - half, width,
                                    std::abs(to.y - from.y) + 2 * half),
                             pen.color());
        }
        begin = end;
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
