// The cabin's floor over time: its path through the record as straight
// stretches (core/motion/graph_path.h), a point at each step while points are
// far enough apart to show, a jump as a dashed vertical line, and the target
// of a trip under way as a dashed horizontal line up to the present.
#pragma once

#include "desktop/motion_window/time_graph.h"

namespace lodarix {

class PositionGraph : public TimeGraph {
    Q_OBJECT

public:
    PositionGraph(const motion::MotionRecorder& record, QWidget* parent = nullptr);

    static const QColor PathColor;

protected:
    ValueAxis paintValues(QPainter& painter, const QRectF& plot) override;
};

} // namespace lodarix
