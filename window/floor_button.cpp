#include "window/floor_button.h"

#include "window/color_style.h"

#include <QAccessible>

namespace lodarix {

namespace {

// A raised face with light top-left and dark bottom-right edges; the
// selected (or pressed) button shows them swapped, sunken.
QString styleFor(lift::Color color)
{
    const QColor face = toQColor(color);
    const QString light = face.lighter(170).name();
    const QString dark = face.darker(220).name();
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black; padding: 0;"
               " border-style: solid; border-width: 2px;"
               " border-color: %2 %3 %3 %2; }"
               "QPushButton:checked, QPushButton:pressed { border-color: %3 %2 %2 %3; }"
               "QPushButton:focus { color: #000060; text-decoration: underline; outline: none; }")
        .arg(face.name().toUpper(), light, dark);
}

} // namespace

FloorButton::FloorButton(const QString& caption, lift::Color marker, QWidget* parent)
    : QPushButton(caption, parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setAccessibleName(QStringLiteral("Етаж %1").arg(caption));
    setMarker(marker);
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
    switch (marker_) {
    case lift::ColorCabin:
        return QStringLiteral("кабината е тук");
    case lift::ColorTarget:
        return QStringLiteral("крайна спирка");
    default:
        return QStringLiteral("свободен");
    }
}

} // namespace lodarix
