// lodarix-icons SOURCE ICO [SIZE:PNG]...
// Reads the icon drawn as SOURCE (any format QImage reads; the project's is an
// XPM) and writes it as a Windows icon to ICO and, for each SIZE:PNG, as a PNG
// of SIZE x SIZE pixels scaled by a whole factor, nearest neighbour.

#include "packaging/icons/ico_image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

int failure(const QString& message)
{
    std::fprintf(stderr, "lodarix-icons: %s\n", qPrintable(message));
    return 1;
}

bool makeParent(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return failure(QStringLiteral("usage: lodarix-icons SOURCE ICO [SIZE:PNG]..."));

    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QImage source(sourcePath);
    if (source.isNull())
        return failure(QStringLiteral("cannot read %1").arg(sourcePath));
    if (source.width() != source.height())
        return failure(QStringLiteral("%1 is not square").arg(sourcePath));

    const QString icoPath = QString::fromLocal8Bit(argv[2]);
    QString why;
    const QByteArray ico = lodarix::icoFromImage(source, &why);
    if (ico.isEmpty())
        return failure(QStringLiteral("%1: %2").arg(sourcePath, why));
    QFile icoFile(icoPath);
    if (!makeParent(icoPath) || !icoFile.open(QIODevice::WriteOnly)
        || icoFile.write(ico) != ico.size() || !icoFile.flush())
        return failure(QStringLiteral("cannot write %1").arg(icoPath));

    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    for (int i = 3; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype colon = argument.indexOf(u':');
        bool isNumber = false;
        const int size = argument.left(colon).toInt(&isNumber);
        if (colon < 0 || !isNumber || size <= 0 || size % source.width() != 0)
            return failure(QStringLiteral("%1: expected SIZE:PNG with SIZE a multiple of %2")
                               .arg(argument)
                               .arg(source.width()));
        const QString pngPath = argument.mid(colon + 1);
        const QImage scaled =
            argb.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!makeParent(pngPath) || !scaled.save(pngPath, "PNG"))
            return failure(QStringLiteral("cannot write %1").arg(pngPath));
    }
    return 0;
}
