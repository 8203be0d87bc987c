// `cmake --install` puts every file where desktops and software centres look
// for it, and `appstreamcli compose` on the installed tree finds the icon.

#include "tool_run.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestInstallTree : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString stage;

private slots:
    void initTestCase()
    {
        QVERIFY(work.isValid());
        stage = work.filePath(QStringLiteral("stage"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), stage);
        const ToolRun run =
            runTool(QStringLiteral(LODARIX_CMAKE),
                    {"--install", LODARIX_BUILD_DIR, "--prefix", "/usr"}, environment);
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
    }

    void installs_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::newRow("program") << "usr/bin/lodarix" << true;
        QTest::newRow("replay tool") << "usr/bin/lodarix-replay" << true;
        QTest::newRow("desktop entry")
            << "usr/share/applications/" LODARIX_APP_ID ".desktop" << false;
        QTest::newRow("metainfo") << "usr/share/metainfo/" LODARIX_APP_ID ".metainfo.xml" << false;
        QTest::newRow("icon 32 px")
            << "usr/share/icons/hicolor/32x32/apps/" LODARIX_APP_ID ".png" << false;
        QTest::newRow("icon 64 px")
            << "usr/share/icons/hicolor/64x64/apps/" LODARIX_APP_ID ".png" << false;
        QTest::newRow("icon 128 px")
            << "usr/share/icons/hicolor/128x128/apps/" LODARIX_APP_ID ".png" << false;
        QTest::newRow("copyright") << "usr/share/doc/lodarix/copyright" << false;
        QTest::newRow("changelog") << "usr/share/doc/lodarix/changelog.gz" << false;
        QTest::newRow("manual page") << "usr/share/man/man1/lodarix.1.gz" << false;
        QTest::newRow("replay tool's manual page")
            << "usr/share/man/man1/lodarix-replay.1.gz" << false;
    }

    void installs()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo file(QDir(stage).filePath(path));
        QVERIFY2(file.isFile(), qPrintable(file.filePath()));
        QCOMPARE(file.isExecutable(), executable);
    }

    void composeFindsTheIcon()
    {
        const QString result = work.filePath(QStringLiteral("catalog"));
        const ToolRun run =
            runTool(QStringLiteral("appstreamcli"),
                    {"compose", "--no-net", "--no-color", "--print-report=full", "--prefix=/usr",
                     "--origin=lodarix", "--result-root=" + result, stage});
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
        QVERIFY2(!(run.output + run.errors).contains("icon-not-found"), qPrintable(run.report()));
        for (const QString& size : {QStringLiteral("64x64"), QStringLiteral("128x128")}) {
            const QString icon =
                QStringLiteral("%1/usr/share/swcatalog/icons/lodarix/%2/" LODARIX_APP_ID ".png")
                    .arg(result, size);
            QVERIFY2(QFileInfo(icon).isFile(), qPrintable(icon + "\n" + run.report()));
        }
    }
};

QTEST_APPLESS_MAIN(TestInstallTree)
#include "tst_install_tree.moc"
