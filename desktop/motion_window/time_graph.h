// A graph of the motion record over time: a white plot area with its grid,
// the time axis in seconds below it and a value axis left of it; what is
// plotted comes from the subclass. The axes, their ticks and the colours are
// the core's (core/motion/graph_frame.h); fonts and lines scale with the
// widget, so that a graph reads on a projector. The time span is set from
// outside and every graph keeps the same left margin, so that graphs stacked
// in one column share their time axis.
#pragma once

#include "core/motion/graph_frame.h"
#include "core/motion/graph_line.h"
#include "core/motion/motion_recorder.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QPainter;

namespace lodarix {

using motion::TimeSpan;

class TimeGraph : public QWidget {
    Q_OBJECT

public:
    void setSpan(TimeSpan span);
    TimeSpan span() const { return span_; }

    QSize sizeHint() const override { return {720, 280}; }
    QSize minimumSizeHint() const override { return {320, 140}; }

protected:
    // The record must outlive the graph.
    TimeGraph(const motion::MotionRecorder& record, QWidget* parent);

    // A value axis of the core's, and its title.
    struct ValueAxis {
        motion::Axis axis;
        QString title;
    };

    void paintEvent(QPaintEvent* event) final;
    // Draws the values into plot (the painter clips to it); returns the
    // value axis to draw, which the subclass may derive from what it drew.
    virtual ValueAxis paintValues(QPainter& painter, const QRectF& plot) = 0;

    const motion::MotionRecorder& record() const { return record_; }
    // The core's scale of plot over the span and the axis's values.
    motion::PlotScale scaleOf(const QRectF& plot, const motion::Axis& axis) const;
    double xOf(std::int64_t ms, const QRectF& plot) const;
    static double yOf(double value, double low, double high, const QRectF& plot);
    // The light lines at the axis's ticks, for paintValues to draw first.
    void drawValueGrid(QPainter& painter, const QRectF& plot, const ValueAxis& axis) const;
    // 1 at the default size, growing with the widget and its window alike
    // for every graph of a window.
    double scale() const;

private:
    QFont axisFont() const;
    QRectF plotArea(const QFontMetricsF& metrics) const;
    void drawTimeAxis(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics) const;
    void drawValueAxis(QPainter& painter, const QRectF& plot, const QFontMetricsF& metrics,
                       const ValueAxis& axis) const;

    const motion::MotionRecorder& record_;
    TimeSpan span_;
};

} // namespace lodarix
