#include "desktop/motion_window/speed_graph.h"

#include "core/motion/decimation.h"
#include "core/motion/graph_path.h"
#include "core/texts/motion_window_texts.h"
#include "desktop/motion_window/trace_painter.h"
#include "desktop/window/qt_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace lodarix {

namespace {

const QColor SpeedColor(170, 40, 40);
const QColor ZeroColor(120, 120, 120);
const QColor JumpColor(230, 130, 0);

// At most about five ticks either side of 0, never fewer than 1 m/s each way.
double axisTop(double fastest, double& step)
{
    step = niceStep(std::max(fastest, 1.0) / 4);
    return std::ceil(std::max(fastest, 1.0) / step - 1e-9) * step;
}

} // namespace

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
    // At least the speed of a step at the interval now in force, so that the
    // axis stands still from one trip to the next.
    double fastest = height_.metres() * 1000.0 / record().stepInterval();
    for (const motion::Stretch& stretch : path) {
        speeds.push_back(motion::speedOver(rows, stretch, height_));
        if (speeds.back() && stretch.toMs >= span().fromMs && stretch.fromMs <= span().toMs)
            fastest =
                std::max({fastest, std::abs(speeds.back()->low), std::abs(speeds.back()->high)});
    }
    double step = 1;
    const double top = axisTop(fastest, step);
    const ValueAxis axis{-top, top, step, step < 1 ? 1 : 0, toQString(motion_texts::SpeedAxis)};
    drawValueGrid(painter, plot, axis);
    const auto y = [&plot, top](double speed) { return yOf(speed, -top, top, plot); };
    const double line = 2 * scale();
    painter.setPen(QPen(ZeroColor, 1));
    painter.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));

    // The trace runs through the stretches' ends, vertically where the
    // speed changes; a jump breaks it. A dense stretch, a column or two wide,
    // spans its speeds where it begins and runs on at the speed it ends at,
    // so that a trip's level goes on through it.
    std::vector<QLineF> segments;
    segments.reserve(2 * path.size());
    std::vector<QPointF> jumps;
    std::optional<QPointF> last;
    const auto to = [&segments, &last](QPointF point) {
        if (last)
            segments.emplace_back(*last, point);
        last = point;
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        const motion::Stretch& stretch = path[i];
        const double fromX = xOf(stretch.fromMs, plot);
        const double toX = xOf(stretch.toMs, plot);
        if (!speeds[i]) {
            if (stretch.kind == motion::StretchKind::Jump)
                jumps.emplace_back(fromX, y(0));
            last.reset();
            continue;
        }
        const motion::SpeedRange range = *speeds[i];
        to(QPointF(fromX, y(range.low)));
        if (stretch.kind == motion::StretchKind::Dense) {
            to(QPointF(fromX, y(range.high)));
            to(QPointF(fromX, y(range.last)));
        }
        to(QPointF(toX, y(range.last)));
    }
    drawTrace(painter, segments, plot, QPen(SpeedColor, line, Qt::SolidLine, Qt::FlatCap));

    painter.setPen(QPen(JumpColor, line));
    painter.setBrush(Qt::white);
    const double radius = 4 * scale();
    for (const QPointF& jump : jumps)
        painter.drawEllipse(jump, radius, radius);
    return axis;
}

} // namespace lodarix
