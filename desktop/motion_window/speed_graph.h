// The cabin's speed over time, in m/s, up positive: one storey height over
// the step's interval while a step moves the cabin, 0 at rest (core/motion/graph_path.h's
// graph path and speeds). A jump has no speed: the line passes it at rest and
// a ring marks it. The value axis fits the fastest speed shown, and at least
// the speed of a step at the interval in force.
#pragma once

#include "core/motion/speed.h"
#include "desktop/motion_window/time_graph.h"

namespace lodarix {

class SpeedGraph : public TimeGraph {
    Q_OBJECT

public:
    SpeedGraph(const motion::MotionRecorder& record, QWidget* parent = nullptr);

    void setStoreyHeight(motion::StoreyHeight height);

    QSize sizeHint() const override { return {720, 200}; }
    QSize minimumSizeHint() const override { return {320, 110}; }

protected:
    ValueAxis paintValues(QPainter& painter, const QRectF& plot) override;

private:
    motion::StoreyHeight height_;
};

} // namespace lodarix
