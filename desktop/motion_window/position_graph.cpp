#include "desktop/motion_window/position_graph.h"

#include "core/lift/floor_table.h"
#include "core/motion/decimation.h"
#include "core/motion/graph_path.h"
#include "core/texts/motion_window_texts.h"
#include "desktop/motion_window/line_painter.h"
#include "desktop/window/color_style.h"
#include "desktop/window/qt_text.h"

#include <QLineF>
#include <QPainter>

#include <vector>

namespace lodarix {

namespace {

const QColor JumpColor = toQColor(motion::graph_colors::PositionJump);
const QColor TargetColor = toQColor(motion::graph_colors::Target);

} // namespace

const QColor PositionGraph::PathColor = toQColor(motion::graph_colors::Position);

PositionGraph::PositionGraph(const motion::MotionRecorder& record, QWidget* parent)
    : TimeGraph(record, parent)
{
    setAccessibleName(toQString(motion_texts::PositionGraphName));
}

TimeGraph::ValueAxis PositionGraph::paintValues(QPainter& painter, const QRectF& plot)
{
    const ValueAxis axis{motion::floorAxis(), toQString(motion_texts::FloorAxis)};
    drawValueGrid(painter, plot, axis);
    const auto rows = record().rows();
    if (rows.empty())
        return axis;
    const auto y = [&plot, &axis](double floor) {
        return yOf(floor, axis.axis.low, axis.axis.high, plot);
    };
    const std::int64_t presentMs = record().nowMs();
    const double line = motion::graph_sizes::Line * scale();

    const auto& trips = record().trips();
    if (!trips.empty() && trips.back().running) {
        const motion::Trip& trip = trips.back();
        painter.setPen(QPen(TargetColor, line, Qt::DashLine));
        const double target = y(trip.finalStop);
        painter.drawLine(QPointF(xOf(rows[trip.pickRow].timeMs, plot), target),
                         QPointF(xOf(presentMs, plot), target));
    }

    const int columns = std::max(1, static_cast<int>(plot.width()));
    const auto points = motion::decimate(rows, span().fromMs, span().toMs, columns);
    const auto path = motion::graphPath(rows, points, presentMs);
    std::vector<QLineF> jumps;
    for (const motion::Stretch& stretch : path) {
        if (stretch.kind == motion::StretchKind::Jump)
            jumps.emplace_back(xOf(stretch.fromMs, plot), y(stretch.fromFloor),
                               xOf(stretch.toMs, plot), y(stretch.toFloor));
    }
    drawGraphLine(painter, motion::positionLine(path, scaleOf(plot, axis.axis)), plot,
                  QPen(PathColor, line, Qt::SolidLine, Qt::RoundCap));
    painter.setPen(QPen(JumpColor, line, Qt::DashLine));
    painter.drawLines(jumps.data(), static_cast<int>(jumps.size()));

    painter.setPen(Qt::NoPen);
    painter.setBrush(PathColor);
    const double radius = motion::graph_sizes::StepPoint * scale();
    for (const motion::PlotPoint& point : motion::markedSteps(rows, points, columns))
        painter.drawEllipse(QPointF(xOf(point.timeMs, plot), y(point.floor)), radius, radius);
    return axis;
}

} // namespace lodarix
