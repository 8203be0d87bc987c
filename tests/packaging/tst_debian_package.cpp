// The Debian package that CPack makes: its control fields, its files, the
// packaged program starting and naming its version, and lintian finding no
// errors. Without the program target there is nothing to package, and every
// case is skipped.

#include "tool_run.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestDebianPackage : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString deb;
    QString unpacked;

    QByteArray controlField(const QString& field)
    {
        const ToolRun run = runTool(QStringLiteral("dpkg-deb"), {"--field", deb, field});
        return run.succeeded() ? run.output.trimmed() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        const ToolRun cpack = runTool(
            QStringLiteral(LODARIX_CPACK),
            {"-G", "DEB", "--config", LODARIX_BUILD_DIR "/CPackConfig.cmake", "-B", work.path()});
        QVERIFY2(cpack.succeeded(), qPrintable(cpack.report()));
        const QStringList debs = QDir(work.path()).entryList({"*.deb"}, QDir::Files);
        QVERIFY2(debs.size() == 1, qPrintable(debs.join(u' ') + "\n" + cpack.report()));
        deb = work.filePath(debs.first());

        unpacked = work.filePath(QStringLiteral("unpacked"));
        const ToolRun extract = runTool(QStringLiteral("dpkg-deb"), {"-x", deb, unpacked});
        QVERIFY2(extract.succeeded(), qPrintable(extract.report()));
    }

    void fileNameFollowsDebianConvention()
    {
        const ToolRun arch = runTool(QStringLiteral("dpkg"), {"--print-architecture"});
        QVERIFY2(arch.succeeded(), qPrintable(arch.report()));
        const QString architecture = QString::fromUtf8(arch.output.trimmed());
        QCOMPARE(QFileInfo(deb).fileName(),
                 QStringLiteral("lodarix_1.0.0.0_%1.deb").arg(architecture));
    }

    void controlField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("name") << "Package"
                              << "^lodarix$";
        QTest::newRow("version") << "Version"
                                 << R"(^1\.0\.0\.0$)";
        QTest::newRow("section") << "Section"
                                 << "^education$";
        QTest::newRow("maintainer") << "Maintainer"
                                    << "^Lodarix developers <lodarix@example.org>$";
        QTest::newRow("homepage") << "Homepage"
                                  << "^https://lodarix.example.org$";
        QTest::newRow("fonts by hand") << "Depends"
                                       << R"((^|, )fonts-liberation(,|$))";
        QTest::newRow("Qt found by dpkg-shlibdeps") << "Depends"
                                                    << R"(\blibqt6widgets6\b)";
        QTest::newRow("Qt's texts in Bulgarian") << "Recommends"
                                                 << R"(^qt6-translations-l10n$)";
        QTest::newRow("summary and a longer paragraph") << "Description"
                                                        << R"(^lift simulation [^\n]+\n [^\n]+\n)";
    }

    void controlField()
    {
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        const QString value = QString::fromUtf8(controlField(field));
        QVERIFY2(QRegularExpression(pattern).match(value).hasMatch(),
                 qPrintable(field + ": " + value));
    }

    void holds_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("program") << "usr/bin/lodarix";
        QTest::newRow("desktop entry") << "usr/share/applications/org.example.lodarix.desktop";
        QTest::newRow("metainfo") << "usr/share/metainfo/org.example.lodarix.metainfo.xml";
        QTest::newRow("icon") << "usr/share/icons/hicolor/128x128/apps/org.example.lodarix.png";
        QTest::newRow("copyright") << "usr/share/doc/lodarix/copyright";
        QTest::newRow("changelog") << "usr/share/doc/lodarix/changelog.gz";
        QTest::newRow("manual page") << "usr/share/man/man1/lodarix.1.gz";
    }

    void holds()
    {
        QFETCH(QString, path);
        QVERIFY2(QFileInfo(QDir(unpacked).filePath(path)).isFile(), qPrintable(path));
    }

    void packagedProgramNamesItsVersion()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const ToolRun run = runTool(unpacked + "/usr/bin/lodarix", {"--version"}, environment);
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
        QCOMPARE(run.output.trimmed(), QByteArray("Lodarix 1.00"));
    }

    void lintianFindsNoErrorsAndTheManualPage()
    {
        const ToolRun run = runTool(QStringLiteral("lintian"), {"--tag-display-limit", "0", deb});
        const QString said = QString::fromUtf8(run.output + run.errors);
        const QRegularExpression error(QStringLiteral("^E: "), QRegularExpression::MultilineOption);
        QVERIFY2(!error.match(said).hasMatch(), qPrintable(run.report()));
        const QRegularExpression manual(QStringLiteral("(no-manual-page|manpage)"));
        QVERIFY2(!manual.match(said).hasMatch(), qPrintable(run.report()));
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
    }
};

QTEST_APPLESS_MAIN(TestDebianPackage)
#include "tst_debian_package.moc"
