#include "desktop/events_window/window_sketch_view.h"

#include "core/texts/events_view_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/sketch_style.h"
#include "desktop/window/color_style.h"
#include "desktop/window/qt_text.h"

#include <QPainter>

#include <algorithm>

namespace lodarix {

namespace {

using Kind = trace::SketchShape::Kind;
namespace style = trace::sketch_style;

// A raised face, or a pressed one.
void drawBevel(QPainter& painter, const QRectF& rect, const trace::SketchShape& shape, double scale)
{
    const QColor lit = toQColor(shape.selected ? shape.shaded : shape.lit);
    const QColor shaded = toQColor(shape.selected ? shape.lit : shape.shaded);
    painter.setPen(QPen(lit, style::BevelWidth * scale));
    painter.drawPolyline(QPolygonF({rect.bottomLeft(), rect.topLeft(), rect.topRight()}));
    painter.setPen(QPen(shaded, style::BevelWidth * scale));
    painter.drawPolyline(QPolygonF({rect.topRight(), rect.bottomRight(), rect.bottomLeft()}));
}

} // namespace

WindowSketchView::WindowSketchView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setMinimumSize(230, 160);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setSketch(std::nullopt);
}

void WindowSketchView::setSketch(std::optional<trace::WindowSketch> sketch, std::size_t row)
{
    sketch_ = std::move(sketch);
    setAccessibleName(sketch_
                          ? toQString(texts::fill(events_texts::Drawing, {std::to_string(row + 1)}))
                          : toQString(events_texts::DrawingOfNone));
    setAccessibleDescription(sketch_ ? toQString(sketch_->description) : QString());
    update();
}

QSize WindowSketchView::sizeHint() const
{
    return QSize(360, 270);
}

double WindowSketchView::scale() const
{
    if (!sketch_)
        return 1;
    return std::min(width() / double(sketch_->width), height() / double(sketch_->height));
}

QPointF WindowSketchView::origin() const
{
    if (!sketch_)
        return {};
    const double s = scale();
    return {(width() - sketch_->width * s) / 2, (height() - sketch_->height * s) / 2};
}

QRectF WindowSketchView::placed(const trace::SketchShape& shape) const
{
    const double s = scale();
    return QRectF(origin() + QPointF(shape.left * s, shape.top * s),
                  QSizeF(shape.width * s, shape.height * s));
}

void WindowSketchView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!sketch_)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = scale();
    const QRectF form(origin(), QSizeF(sketch_->width * s, sketch_->height * s));
    painter.fillRect(form, toQColor(sketch_->background));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(std::max(6, int(style::FontPx * s)));
    painter.setFont(font);
    for (const trace::SketchShape& shape : sketch_->shapes) {
        const QRectF box = placed(shape);
        const QColor face = toQColor(shape.fill);
        const QColor ink = toQColor(style::Ink);
        painter.save();
        // The form's client area clips its controls, as on the screen.
        painter.setClipRect(box.adjusted(-1, -1, 1, 1).intersected(form));
        switch (shape.kind) {
        case Kind::Frame:
            painter.fillRect(box, face);
            painter.setPen(QPen(toQColor(shape.edge), style::EdgeWidth * s));
            painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
            break;
        case Kind::Label:
            painter.fillRect(box, face);
            painter.setPen(ink);
            painter.drawText(box, Qt::AlignCenter, toQString(shape.text));
            break;
        case Kind::FloorButton: {
            const double inset = style::BevelInset * s;
            painter.fillRect(box, face);
            drawBevel(painter, box.adjusted(inset, inset, -inset, -inset), shape, s);
            painter.setPen(ink);
            painter.drawText(box, Qt::AlignCenter, toQString(shape.text));
            break;
        }
        case Kind::RadioButton: {
            painter.fillRect(box, face);
            const double d = std::min(box.height() * style::MarkShare, style::MarkWidth * s);
            const QRectF mark(box.left() + style::MarkLeft * s, box.center().y() - d / 2, d, d);
            painter.setPen(QPen(ink, style::EdgeWidth * s));
            painter.setBrush(toQColor(style::MarkFill));
            painter.drawEllipse(mark);
            if (shape.selected) {
                painter.setBrush(ink);
                painter.drawEllipse(mark.adjusted(d / 4, d / 4, -d / 4, -d / 4));
            }
            painter.drawText(box.adjusted(mark.right() - box.left() + style::MarkGap * s, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter, toQString(shape.text));
            break;
        }
        case Kind::TextBox: {
            painter.fillRect(box, face);
            painter.setPen(QPen(toQColor(shape.edge), style::EdgeWidth * s));
            painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
            painter.setPen(ink);
            // From the top while it fits; else its end, as a box scrolled
            // to its last line shows it.
            QString text =
                toQString(shape.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (text.endsWith(QLatin1Char('\n')))
                text.chop(1);
            const double padding = style::TextPadding * s;
            const QRectF inside = box.adjusted(padding, 1 * s, -padding, -1 * s);
            const QRectF needed =
                painter.boundingRect(inside, Qt::AlignLeft | Qt::TextWordWrap, text);
            const Qt::Alignment from =
                needed.height() > inside.height() ? Qt::AlignBottom : Qt::AlignTop;
            painter.drawText(inside, Qt::AlignLeft | from | Qt::TextWordWrap, text);
            break;
        }
        }
        painter.restore();
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

} // namespace lodarix
