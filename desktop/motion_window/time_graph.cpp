#include "desktop/motion_window/time_graph.h"

#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
#include "desktop/window/color_style.h"
#include "desktop/window/qt_text.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lodarix {

namespace {

const QColor GridColor = toQColor(motion::graph_colors::Grid);
const QColor AxisColor = toQColor(motion::graph_colors::Axis);
const QColor TextColor = toQColor(motion::graph_colors::Text);

} // namespace

TimeGraph::TimeGraph(const motion::MotionRecorder& record, QWidget* parent)
    : QWidget(parent)
    , record_(record)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TimeGraph::setSpan(TimeSpan span)
{
    if (span.toMs <= span.fromMs)
        span.toMs = span.fromMs + 1;
    span_ = span;
    update();
}

double TimeGraph::scale() const
{
    return std::clamp(std::min(width() / 720.0, window()->height() / 600.0), 1.0, 4.0);
}

motion::PlotScale TimeGraph::scaleOf(const QRectF& plot, const motion::Axis& axis) const
{
    return {plot.left(), plot.top(), plot.width(), plot.height(), span_, axis.low, axis.high};
}

double TimeGraph::xOf(std::int64_t ms, const QRectF& plot) const
{
    return scaleOf(plot, {0, 1, 1, 0}).x(ms);
}

double TimeGraph::yOf(double value, double low, double high, const QRectF& plot)
{
    return motion::PlotScale{plot.left(), plot.top(), plot.width(), plot.height(), {}, low, high}.y(
        value);
}

QFont TimeGraph::axisFont() const
{
    QFont font = this->font();
    font.setPixelSize(static_cast<int>(std::lround(13 * scale())));
    return font;
}

QRectF TimeGraph::plotArea(const QFontMetricsF& metrics) const
{
    const double left = metrics.horizontalAdvance(QStringLiteral("−00,00")) + metrics.height();
    const double top = metrics.height() * 1.5;
    const double bottom = metrics.height() * 1.8;
    const double right = metrics.horizontalAdvance(QStringLiteral("00,0"));
    return QRectF(QPointF(left, top), QPointF(width() - right, height() - bottom));
}

void TimeGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QFont font = axisFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QRectF plot = plotArea(metrics);
    if (plot.width() < 10 || plot.height() < 10)
        return;
    painter.fillRect(plot, toQColor(motion::graph_colors::Ground));
    drawTimeAxis(painter, plot, metrics);

    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    const ValueAxis axis = paintValues(painter, plot);
    painter.restore();

    drawValueAxis(painter, plot, metrics, axis);
    painter.setPen(QPen(AxisColor, motion::graph_sizes::Rule));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 2 * scale(), Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void TimeGraph::drawTimeAxis(QPainter& painter, const QRectF& plot,
                             const QFontMetricsF& metrics) const
{
    const motion::Axis axis =
        motion::timeAxis(span_, plot.width(),
                         metrics.horizontalAdvance(QString::fromLatin1(motion::TimeLabelSample)));
    // The unit stands at the right end of the labels' row, in place of the
    // labels it would cover.
    const QString title = toQString(motion_texts::TimeAxis);
    const double titleLeft = plot.right() - metrics.horizontalAdvance(title);
    const double labelY = plot.bottom() + metrics.ascent() + metrics.height() * 0.3;
    painter.setPen(TextColor);
    painter.drawText(QPointF(titleLeft, labelY), title);
    for (const motion::Tick& tick : motion::ticks(axis)) {
        const double x = xOf(static_cast<std::int64_t>(tick.value), plot);
        painter.setPen(QPen(GridColor, motion::graph_sizes::Rule));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const QString label = toQString(tick.label);
        const double half = metrics.horizontalAdvance(label) / 2;
        if (x + half > titleLeft - metrics.height() * 0.5)
            continue;
        painter.setPen(TextColor);
        painter.drawText(QPointF(std::max(x - half, 0.0), labelY), label);
    }
}

void TimeGraph::drawValueGrid(QPainter& painter, const QRectF& plot, const ValueAxis& axis) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(GridColor, motion::graph_sizes::Rule));
    for (const motion::Tick& tick : motion::ticks(axis.axis)) {
        const double y = yOf(tick.value, axis.axis.low, axis.axis.high, plot);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.restore();
}

void TimeGraph::drawValueAxis(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics,
                              const ValueAxis& axis) const
{
    painter.setPen(TextColor);
    for (const motion::Tick& tick : motion::ticks(axis.axis)) {
        const double y = yOf(tick.value, axis.axis.low, axis.axis.high, plot);
        const QString label = toQString(tick.label);
        painter.drawText(
            QPointF(plot.left() - metrics.horizontalAdvance(label) - metrics.height() * 0.3,
                    y + metrics.ascent() / 2 - metrics.descent() / 2),
            label);
    }
    painter.drawText(QPointF(metrics.height() * 0.3, metrics.ascent() + metrics.height() * 0.1),
                     axis.title);
}

} // namespace lodarix
