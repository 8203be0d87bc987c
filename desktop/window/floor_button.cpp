#include "desktop/window/floor_button.h"

#include "core/form/accessible_texts.h"
#include "desktop/window/color_style.h"
#include "desktop/window/qt_text.h"

#include <QAccessible>
#include <QPainter>
#include <QPolygon>

namespace lodarix {

namespace {

constexpr int BorderWidth = 2;

// A raised face with light top-left and dark bottom-right edges; the
// selected (or pressed) button shows them swapped, sunken.
QString styleFor(lift::Color color)
{
    const QColor face = toQColor(color);
    const QString light = face.lighter(170).name();
    const QString dark = face.darker(220).name();
    return QStringLiteral("QPushButton { background-color: %1; color: black; padding: 0;"
                          " border-style: solid; border-width: %4px;"
                          " border-color: %2 %3 %3 %2; outline: none; }"
                          "QPushButton:checked, QPushButton:pressed { border-color: %3 %2 %2 %3; }")
        .arg(face.name().toUpper(), light, dark)
        .arg(BorderWidth);
}

// Every other pixel of the rectangle's edges, in a checkerboard pattern.
QPolygon dottedOutline(const QRect& rect)
{
    QPolygon dots;
    const auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
    return dots;
}

} // namespace

FloorButton::FloorButton(const QString& caption, lift::Color marker, QWidget* parent)
    : QPushButton(caption, parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setAccessibleName(toQString(texts::floorButtonName(caption.toStdString())));
    setMarker(marker);
}

QRect FloorButton::focusRectangle() const
{
    const int inset = BorderWidth + 1;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void FloorButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QColor(Qt::black));
    painter.drawPoints(dottedOutline(focusRectangle()));
}

void FloorButton::setMarker(lift::Color color)
{
    marker_ = color;
    setStyleSheet(styleFor(color));
    setAccessibleDescription(markerMeaning());
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

QString FloorButton::markerMeaning() const
{
    return toQString(texts::markerMeaning(marker_));
}

} // namespace lodarix
