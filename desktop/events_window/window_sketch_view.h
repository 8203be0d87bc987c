// The small drawing of the window after a row of the trace
// (core/trace/window_sketch.h): the form, its frames, the floor buttons in
// their colours, the grille buttons and the status box with the end of its
// text, scaled to the widget. A screen reader hears what it shows as its
// description.
#pragma once

#include "core/trace/window_sketch.h"

#include <QWidget>

#include <optional>

namespace lodarix {

class WindowSketchView : public QWidget {
    Q_OBJECT

public:
    explicit WindowSketchView(QWidget* parent = nullptr);

    // The drawing of the row (counted from 0), or of none.
    void setSketch(std::optional<trace::WindowSketch> sketch, std::size_t row = 0);
    const std::optional<trace::WindowSketch>& sketch() const { return sketch_; }
    // Where a shape of the sketch lands in the widget.
    QRectF placed(const trace::SketchShape& shape) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double scale() const;
    QPointF origin() const;

    std::optional<trace::WindowSketch> sketch_;
};

} // namespace lodarix
