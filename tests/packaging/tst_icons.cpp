// The icons derived from lodarix.xpm: hicolor PNGs that are the drawing scaled
// by whole factors, nearest neighbour, and a Windows icon of one 32 x 32 image
// with a 256-colour palette whose pixels and transparency are the drawing's.

#include "packaging/icons/ico_image.h"
#include "tool_run.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage drawing()
{
    return QImage(QStringLiteral(LODARIX_XPM)).convertToFormat(QImage::Format_ARGB32);
}

bool samePixel(QRgb a, QRgb b)
{
    return a == b || (qAlpha(a) == 0 && qAlpha(b) == 0);
}

// Empty when ACTUAL is EXPECTED scaled up FACTOR times, else the first pixel
// that differs.
QString differenceFromScaled(const QImage& expected, const QImage& actual, int factor)
{
    if (actual.size() != expected.size() * factor)
        return QStringLiteral("size %1 x %2").arg(actual.width()).arg(actual.height());
    const QImage argb = actual.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb want = expected.pixel(x / factor, y / factor);
            const QRgb got = argb.pixel(x, y);
            if (!samePixel(want, got))
                return QStringLiteral("pixel (%1, %2) is #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(got, 8, 16, QLatin1Char('0'))
                    .arg(want, 8, 16, QLatin1Char('0'));
        }
    }
    return {};
}

// The images icotool extracts from the icon file at PATH.
QList<QImage> extracted(const QString& path, QString* why)
{
    QTemporaryDir out;
    const ToolRun run = runTool(QStringLiteral("icotool"), {"-x", "-o", out.path(), path});
    if (!run.succeeded()) {
        *why = run.report();
        return {};
    }
    QList<QImage> images;
    const QDir dir(out.path());
    for (const QString& name : dir.entryList({"*.png"}, QDir::Files, QDir::Name))
        images << QImage(dir.filePath(name));
    return images;
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QImage source = drawing();
        QCOMPARE(source.size(), QSize(32, 32));
    }

    void pngIsTheDrawingScaled_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("32 px") << 32;
        QTest::newRow("64 px") << 64;
        QTest::newRow("128 px") << 128;
    }

    void pngIsTheDrawingScaled()
    {
        QFETCH(int, size);
        const QString path =
            QStringLiteral(LODARIX_HICOLOR "/%1x%1/apps/" LODARIX_APP_ID ".png").arg(size);
        const QImage png(path);
        QVERIFY2(!png.isNull(), qPrintable(path));
        QCOMPARE(png.size(), QSize(size, size));
        const QString difference = differenceFromScaled(drawing(), png, size / 32);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void icotoolSeesOneEightBitImage()
    {
        const ToolRun run = runTool(QStringLiteral("icotool"), {"-l", LODARIX_ICO});
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
        QCOMPARE(run.output.trimmed(),
                 QByteArray("--icon --index=1 --width=32 --height=32 --bit-depth=8 "
                            "--palette-size=256"));
    }

    void icoShowsTheDrawing()
    {
        QString why;
        const QList<QImage> images = extracted(QStringLiteral(LODARIX_ICO), &why);
        QVERIFY2(images.size() == 1, qPrintable(why));
        const QString difference = differenceFromScaled(drawing(), images.first(), 1);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void icoRoundTrip_data()
    {
        QTest::addColumn<QImage>("image");

        QImage odd = filled(7, 5, qRgba(0, 0, 0, 0));
        for (int y = 0; y < odd.height(); ++y)
            for (int x = (y + 1) % 2; x < odd.width(); x += 2)
                odd.setPixel(x, y, qRgb(40 * x, 50 * y, 200));
        QTest::newRow("odd width pads colour and mask rows") << odd;

        QImage black = filled(9, 9, qRgba(0, 0, 0, 0));
        for (int i = 0; i < 9; ++i)
            black.setPixel(i, i, qRgb(0, 0, 0));
        black.setPixel(8, 0, qRgb(255, 255, 255));
        QTest::newRow("opaque black beside transparency") << black;

        QImage full = filled(16, 16, qRgb(0, 0, 0));
        for (int i = 1; i < 256; ++i)
            full.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
        QTest::newRow("255 colours besides black") << full;

        QTest::newRow("all transparent") << filled(4, 4, qRgba(0, 0, 0, 0));
        QTest::newRow("256 px wide") << filled(256, 2, qRgb(10, 20, 30));
    }

    void icoRoundTrip()
    {
        QFETCH(QImage, image);
        QString why;
        const QByteArray bytes = lodarix::icoFromImage(image, &why);
        QVERIFY2(!bytes.isEmpty(), qPrintable(why));

        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("round-trip.ico")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        const QList<QImage> images = extracted(file.fileName(), &why);
        QVERIFY2(images.size() == 1, qPrintable(why));
        const QString difference = differenceFromScaled(image, images.first(), 1);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void icoRefuses_data()
    {
        QTest::addColumn<QImage>("image");

        QImage crowded = filled(16, 17, qRgb(0, 0, 0));
        for (int i = 0; i < 256; ++i)
            crowded.setPixel(i % 16, i / 16, qRgb(i, 1, 1));
        QTest::newRow("256 colours besides black") << crowded;

        QImage halfSeen = filled(4, 4, qRgb(0, 0, 0));
        halfSeen.setPixel(1, 1, qRgba(0, 0, 0, 128));
        QTest::newRow("partly transparent pixel") << halfSeen;

        QTest::newRow("257 px high") << filled(1, 257, qRgb(0, 0, 0));
        QTest::newRow("no image") << QImage();
    }

    void icoRefuses()
    {
        QFETCH(QImage, image);
        QString why;
        QVERIFY(lodarix::icoFromImage(image, &why).isEmpty());
        QVERIFY(!why.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestIcons)
#include "tst_icons.moc"
