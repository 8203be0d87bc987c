// Windows icon files of one image, 8 bits per pixel with a 256-colour palette,
// written byte by byte so that the result does not depend on the platform's
// image plug-ins.

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lodarix {

// The bytes of an .ico holding IMAGE alone, or empty with WHY set when IMAGE
// does not fit: more than 256 pixels a side, more than 255 opaque colours
// besides black, or pixels neither opaque nor fully transparent.
QByteArray icoFromImage(const QImage& image, QString* why);

} // namespace lodarix
