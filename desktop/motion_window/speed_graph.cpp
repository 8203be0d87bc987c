#include "desktop/motion_window/speed_graph.h"

#include "core/motion/decimation.h"
#include "core/motion/graph_path.h"
#include "core/texts/motion_window_texts.h"
#include "desktop/motion_window/line_painter.h"
#include "desktop/window/color_style.h"
#include "desktop/window/qt_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace lodarix {

SpeedGraph::SpeedGraph(const motion::MotionRecorder& record, QWidget* parent)
    : TimeGraph(record, parent)
{
    setAccessibleName(toQString(motion_texts::SpeedGraphName));
}

void SpeedGraph::setStoreyHeight(motion::StoreyHeight height)
{
    height_ = height;
    update();
}

TimeGraph::ValueAxis SpeedGraph::paintValues(QPainter& painter, const QRectF& plot)
{
    const auto rows = record().rows();
    const int columns = std::max(1, static_cast<int>(plot.width()));
    const auto points = motion::decimate(rows, span().fromMs, span().toMs, columns);
    const auto path = motion::graphPath(rows, points, record().nowMs());
    std::vector<std::optional<motion::SpeedRange>> speeds;
    speeds.reserve(path.size());
    for (const motion::Stretch& stretch : path)
        speeds.push_back(motion::speedOver(rows, stretch, height_));
    const double fastest =
        motion::fastestShown(path, speeds, span(), height_, record().stepInterval());
    const ValueAxis axis{motion::speedAxis(fastest), toQString(motion_texts::SpeedAxis)};
    drawValueGrid(painter, plot, axis);
    const auto y = [&plot, &axis](double speed) {
        return yOf(speed, axis.axis.low, axis.axis.high, plot);
    };
    const double line = motion::graph_sizes::Line * scale();
    painter.setPen(QPen(toQColor(motion::graph_colors::Zero), motion::graph_sizes::Rule));
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));

    drawGraphLine(painter, motion::speedLine(path, speeds, scaleOf(plot, axis.axis)), plot,
                  QPen(toQColor(motion::graph_colors::Speed), line, Qt::SolidLine, Qt::FlatCap));

    painter.setPen(QPen(toQColor(motion::graph_colors::SpeedJump), line));
    painter.setBrush(toQColor(motion::graph_colors::Ground));
    const double radius = motion::graph_sizes::JumpRing * scale();
    for (const motion::Stretch& stretch : path) {
        if (stretch.kind == motion::StretchKind::Jump)
            painter.drawEllipse(QPointF(xOf(stretch.fromMs, plot), y(0)), radius, radius);
    }
    return axis;
}

} // namespace lodarix
