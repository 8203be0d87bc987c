#include "desktop/window/color_style.h"

namespace lodarix {

QColor toQColor(lift::Color color)
{
    return toQColor(lift::toRgb(color));
}

QColor toQColor(lift::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString flatFill(const char* widgetClass, lift::Color background, const QString& border)
{
    return QStringLiteral("%1 { background-color: %2; border: %3; }")
        .arg(QLatin1String(widgetClass), QString::fromStdString(lift::toHexRgb(background)),
             border);
}

} // namespace lodarix
