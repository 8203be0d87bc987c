// Draws a graph's line as the core lays it out (core/motion/column_line.h)
// from segments in the plot's pixels: the segments as they are while they
// are few, else the line thinned to the plot's device pixel columns.
#pragma once

#include "core/motion/column_line.h"

#include <QPen>
#include <QRectF>

#include <span>

class QPainter;

namespace lodarix {

void drawGraphLine(QPainter& painter, std::span<const motion::LineSegment> segments,
                   const QRectF& plot, const QPen& pen);

} // namespace lodarix
