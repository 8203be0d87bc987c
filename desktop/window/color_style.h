// Colours of the description shown as flat fills. A style sheet that sets
// both a background and a border makes every style draw the exact colour,
// where a palette alone may be drawn as a tinted gradient.
#pragma once

#include "core/lift/colors.h"

#include <QColor>
#include <QString>

namespace lodarix {

QColor toQColor(lift::Color color);
QColor toQColor(lift::Rgb rgb);

// A rule for the widget's own class, e.g. "QLabel { background-color: #FFC080; ... }".
QString flatFill(const char* widgetClass, lift::Color background, const QString& border);

} // namespace lodarix
