// The configured Windows resource script compiles with a cross resource
// compiler, and reading the result back shows the icon and every field of the
// version information.

#include "tool_run.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Windres = QStringLiteral("x86_64-w64-mingw32-windres");

} // namespace

class TestWindowsResource : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString readBack;

private slots:
    // windres preprocesses with the host compiler, given the arguments it
    // would give its own cross compiler.
    void initTestCase()
    {
        QVERIFY(work.isValid());
        const QString res = work.filePath(QStringLiteral("lodarix.res"));
        const ToolRun compile = runTool(
            Windres,
            {"--preprocessor=" LODARIX_CXX, "--preprocessor-arg=-E", "--preprocessor-arg=-xc",
             "--preprocessor-arg=-DRC_INVOKED", "-O", "coff", LODARIX_RC, res});
        QVERIFY2(compile.succeeded(), qPrintable(compile.report()));
        const ToolRun read = runTool(Windres, {"-J", "coff", "-i", res, "-O", "rc"});
        QVERIFY2(read.succeeded(), qPrintable(read.report()));
        readBack = QString::fromUtf8(read.output);
    }

    void versionInformation_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("FILEVERSION") << R"(\bFILEVERSION 1, 0, 0, 0\n)";
        QTest::newRow("PRODUCTVERSION") << R"(\bPRODUCTVERSION 1, 0, 0, 0\n)";
        QTest::newRow("string table for US English, Unicode") << R"(BLOCK "040904B0"\n)";
        QTest::newRow("FileVersion") << R"(VALUE "FileVersion", "1\.00"\n)";
        QTest::newRow("ProductVersion") << R"(VALUE "ProductVersion", "1\.00"\n)";
        QTest::newRow("InternalName") << R"(VALUE "InternalName", "Lodarix"\n)";
        QTest::newRow("OriginalFilename") << R"(VALUE "OriginalFilename", "Lodarix\.exe"\n)";
        QTest::newRow("ProductName") << R"(VALUE "ProductName", "Lodarix"\n)";
        QTest::newRow("CompanyName") << R"(VALUE "CompanyName", "The Lodarix developers"\n)";
        QTest::newRow("FileDescription")
            << R"(VALUE "FileDescription", "Lodarix lift simulation"\n)";
        QTest::newRow("LegalCopyright")
            << R"(VALUE "LegalCopyright", "Copyright \(C\) 2026 The Lodarix developers"\n)";
        QTest::newRow("Translation") << R"(VALUE "Translation", 0x409, 1200\n)";
    }

    void versionInformation()
    {
        QFETCH(QString, pattern);
        QVERIFY2(QRegularExpression(pattern).match(readBack).hasMatch(), qPrintable(readBack));
    }

    // The group entry gives the width, height, colour count, planes, bit depth
    // and size of the one image: the .ico less its 6-byte header and 16-byte
    // directory entry.
    void iconIsTheGeneratedOne()
    {
        const qint64 imageBytes = QFileInfo(QStringLiteral(LODARIX_ICO)).size() - 22;
        QVERIFY(imageBytes > 0);
        QVERIFY2(readBack.contains(QStringLiteral("\"IDI_ICON1\" 14 /* RT_GROUP_ICON */")),
                 qPrintable(readBack));
        const QString entry =
            QStringLiteral(R"("\040\040\000\000", 1, 8, 0x%1L)").arg(imageBytes, 0, 16);
        QVERIFY2(readBack.contains(entry), qPrintable(entry + "\n" + readBack));
    }
};

QTEST_APPLESS_MAIN(TestWindowsResource)
#include "tst_windows_resource.moc"
