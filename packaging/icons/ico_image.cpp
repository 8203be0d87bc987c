// Layout: ICONDIR, one ICONDIRENTRY, then a BMP without its file header: a
// BITMAPINFOHEADER whose height counts the colour rows and the mask rows, the
// palette as BGRA quads, the colour rows and the 1-bit mask rows, both bottom
// up and padded to 4 bytes. Palette entry 0 is black and is what transparent
// pixels hold, so that the colour XORed onto the screen under the mask is none.

#include "packaging/icons/ico_image.h"

#include <QHash>
#include <QList>

#include <cstdint>

namespace lodarix {

namespace {

constexpr int PaletteSize = 256;
constexpr int DirectorySize = 6;
constexpr int EntrySize = 16;
constexpr int InfoHeaderSize = 40;

class LittleEndian {
public:
    explicit LittleEndian(QByteArray& out)
        : out_(out)
    {
    }
    void u8(int value) { out_.append(static_cast<char>(value & 0xFF)); }
    void u16(int value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value)
    {
        u16(static_cast<int>(value & 0xFFFF));
        u16(static_cast<int>(value >> 16));
    }

private:
    QByteArray& out_;
};

int paddedTo4(int bytes)
{
    return (bytes + 3) / 4 * 4;
}

} // namespace

QByteArray icoFromImage(const QImage& source, QString* why)
{
    const auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return QByteArray();
    };
    if (source.isNull())
        return fail(QStringLiteral("the image is empty"));
    const int width = source.width();
    const int height = source.height();
    if (width > 256 || height > 256)
        return fail(QStringLiteral("the image is %1 x %2, more than 256 pixels a side")
                        .arg(width)
                        .arg(height));

    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> palette{qRgb(0, 0, 0)};
    QHash<QRgb, int> indexOf{{qRgb(0, 0, 0), 0}};
    QList<std::uint8_t> indices(static_cast<qsizetype>(width) * height, 0);
    QList<bool> transparent(static_cast<qsizetype>(width) * height, false);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const qsizetype at = static_cast<qsizetype>(y) * width + x;
            if (qAlpha(pixel) == 0) {
                transparent[at] = true;
                continue;
            }
            if (qAlpha(pixel) != 255)
                return fail(QStringLiteral("pixel (%1, %2) is partly transparent").arg(x).arg(y));
            const QRgb colour = pixel | 0xFF000000u;
            auto found = indexOf.constFind(colour);
            if (found == indexOf.constEnd()) {
                if (palette.size() == PaletteSize)
                    return fail(QStringLiteral("the image has more than %1 colours besides black")
                                    .arg(PaletteSize - 1));
                found = indexOf.insert(colour, static_cast<int>(palette.size()));
                palette.append(colour);
            }
            indices[at] = static_cast<std::uint8_t>(found.value());
        }
    }

    const int colourStride = paddedTo4(width);
    const int maskStride = paddedTo4((width + 7) / 8);
    const int bitmapSize = InfoHeaderSize + PaletteSize * 4 + (colourStride + maskStride) * height;

    QByteArray out;
    out.reserve(DirectorySize + EntrySize + bitmapSize);
    LittleEndian le(out);

    le.u16(0); // reserved
    le.u16(1); // type: icon
    le.u16(1); // image count

    le.u8(width == 256 ? 0 : width);
    le.u8(height == 256 ? 0 : height);
    le.u8(0);  // colour count: 0 stands for 256
    le.u8(0);  // reserved
    le.u16(1); // planes
    le.u16(8); // bits per pixel
    le.u32(static_cast<std::uint32_t>(bitmapSize));
    le.u32(DirectorySize + EntrySize);

    le.u32(InfoHeaderSize);
    le.u32(static_cast<std::uint32_t>(width));
    le.u32(static_cast<std::uint32_t>(height * 2));
    le.u16(1); // planes
    le.u16(8); // bits per pixel
    le.u32(0); // no compression
    le.u32(static_cast<std::uint32_t>((colourStride + maskStride) * height));
    le.u32(0); // horizontal resolution
    le.u32(0); // vertical resolution
    le.u32(PaletteSize);
    le.u32(0); // all colours important

    for (int i = 0; i < PaletteSize; ++i) {
        const QRgb colour = i < palette.size() ? palette.at(i) : qRgb(0, 0, 0);
        le.u8(qBlue(colour));
        le.u8(qGreen(colour));
        le.u8(qRed(colour));
        le.u8(0);
    }

    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            le.u8(indices.at(static_cast<qsizetype>(y) * width + x));
        for (int x = width; x < colourStride; ++x)
            le.u8(0);
    }

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (transparent.at(static_cast<qsizetype>(y) * width + x))
                row[x / 8] = static_cast<char>(row.at(x / 8) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace lodarix
