#include "desktop/motion_window/time_graph.h"

#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
#include "desktop/window/qt_text.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lodarix {

namespace {

const QColor GridColor(225, 225, 225);
const QColor AxisColor(90, 90, 90);
const QColor TextColor(30, 30, 30);

} // namespace

TimeSpan followingSpan(std::int64_t nowMs)
{
    const std::int64_t toMs = std::max(nowMs, FollowedMs);
    return {toMs - FollowedMs, toMs};
}

TimeSpan wholeSessionSpan(std::int64_t nowMs)
{
    return {0, std::max<std::int64_t>(nowMs, 1000)};
}

double niceStep(double roughly)
{
    if (!(roughly > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(roughly)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= roughly)
            return factor * power;
    }
    return 10 * power;
}

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

double TimeGraph::xOf(std::int64_t ms, const QRectF& plot) const
{
    const double part =
        static_cast<double>(ms - span_.fromMs) / static_cast<double>(span_.toMs - span_.fromMs);
    return plot.left() + part * plot.width();
}

double TimeGraph::yOf(double value, double low, double high, const QRectF& plot)
{
    return plot.bottom() - (value - low) / (high - low) * plot.height();
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
    painter.fillRect(plot, Qt::white);
    drawTimeAxis(painter, plot, metrics);

    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    const ValueAxis axis = paintValues(painter, plot);
    painter.restore();

    drawValueAxis(painter, plot, metrics, axis);
    painter.setPen(QPen(AxisColor, 1));
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
    const double spanS = static_cast<double>(span_.toMs - span_.fromMs) / 1000.0;
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("0000,0")) * 1.6;
    const double stepS = niceStep(spanS / std::max(1.0, plot.width() / labelWidth));
    const int decimals = stepS < 1 ? 1 : 0;
    const auto stepMs = std::max<std::int64_t>(1, std::llround(stepS * 1000));
    const std::int64_t firstMs = (span_.fromMs + stepMs - 1) / stepMs * stepMs;
    // The unit stands at the right end of the labels' row, in place of the
    // labels it would cover.
    const QString title = toQString(motion_texts::TimeAxis);
    const double titleLeft = plot.right() - metrics.horizontalAdvance(title);
    const double labelY = plot.bottom() + metrics.ascent() + metrics.height() * 0.3;
    painter.setPen(TextColor);
    painter.drawText(QPointF(titleLeft, labelY), title);
    for (std::int64_t ms = std::max<std::int64_t>(firstMs, 0); ms <= span_.toMs; ms += stepMs) {
        const double x = xOf(ms, plot);
        painter.setPen(QPen(GridColor, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const QString label = toQString(texts::decimal(static_cast<double>(ms) / 1000.0, decimals));
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
    painter.setPen(QPen(GridColor, 1));
    const double first = std::ceil(axis.low / axis.tickStep - 1e-9) * axis.tickStep;
    for (double value = first; value <= axis.high + 1e-9; value += axis.tickStep) {
        const double y = yOf(value, axis.low, axis.high, plot);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.restore();
}

void TimeGraph::drawValueAxis(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics,
                              const ValueAxis& axis) const
{
    painter.setPen(TextColor);
    const double first = std::ceil(axis.low / axis.tickStep - 1e-9) * axis.tickStep;
    for (double value = first; value <= axis.high + 1e-9; value += axis.tickStep) {
        const double y = yOf(value, axis.low, axis.high, plot);
        const QString label =
            toQString(texts::decimal(std::abs(value) < 1e-9 ? 0.0 : value, axis.decimals));
        painter.drawText(
            QPointF(plot.left() - metrics.horizontalAdvance(label) - metrics.height() * 0.3,
                    y + metrics.ascent() / 2 - metrics.descent() / 2),
            label);
    }
    painter.drawText(QPointF(metrics.height() * 0.3, metrics.ascent() + metrics.height() * 0.1),
                     axis.title);
}

} // namespace lodarix
