// Draws a graph's line, given as line segments in the plot's pixels. While
// the segments are few they are drawn as smooth lines; when there are more
// than the plot has pixel columns (a long record seen whole) each column is
// filled over the span the segments cover in it, which costs the same
// however many rows lie behind a column and looks the same at that density.
#pragma once

#include <QLineF>
#include <QPen>
#include <QRectF>

#include <vector>

class QPainter;

namespace lodarix {

void drawGraphLine(QPainter& painter, const std::vector<QLineF>& segments, const QRectF& plot,
                   const QPen& pen);

} // namespace lodarix
