// The colour that covers most of an area of a picture: how the tests read a
// control's colour as drawn, whatever the style adds around it.
#pragma once

#include "core/lift/colors.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>

namespace test_support {

inline QColor dominantColor(const QImage& picture, const QRect& area)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRect inside = area.intersected(image.rect());
    QHash<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb best = 0;
    int bestCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return QColor(best);
}

// The colour as the window description writes it, 0x00BBGGRR.
inline lodarix::lift::Color asDescribed(const QColor& color)
{
    return lodarix::lift::Color(color.red()) | lodarix::lift::Color(color.green()) << 8
        | lodarix::lift::Color(color.blue()) << 16;
}

} // namespace test_support
