// The program where Qt's translations are not installed: the window opens as
// usual, closes with status 0, and nothing is said on standard error. A
// qt.conf beside a copy of the program points Qt's translations folder at a
// folder that does not exist; the other folders stay Qt's own.

#include "x_server.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString TitleText = QStringLiteral("Физика - движение на асансьор");

bool writeQtConf(const QString& path, const QString& translations)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString text = QStringLiteral("[Paths]\nPrefix=%1\nPlugins=%2\nTranslations=%3\n")
                             .arg(QLibraryInfo::path(QLibraryInfo::PrefixPath),
                                  QLibraryInfo::path(QLibraryInfo::PluginsPath), translations);
    return file.write(text.toUtf8()) > 0;
}

} // namespace

class TestMissingTranslationEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void theWindowOpensSilently()
    {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString program = work.filePath(QStringLiteral("lodarix"));
        QVERIFY(QFile::copy(QStringLiteral(LODARIX_PROGRAM), program));
        QVERIFY(writeQtConf(work.filePath(QStringLiteral("qt.conf")),
                            work.filePath(QStringLiteral("no-translations"))));

        XServer x;
        QVERIFY2(x.start(QSize(800, 600)), "Xvfb did not start");
        QProcess lodarix;
        lodarix.setProcessEnvironment(x.environment());
        lodarix.start(program, {});
        QVERIFY(lodarix.waitForStarted());
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = x.findWindow(TitleText)).isEmpty(), 20000);
        QCOMPARE(lodarix.state(), QProcess::Running);

        // Without a window manager a close request is now and then let pass
        // unnoticed; it is sent again, as a person would click again.
        bool finished = false;
        for (int attempt = 0; attempt < 5 && !finished; ++attempt) {
            QVERIFY(x.close(window));
            finished = lodarix.waitForFinished(4000);
        }
        QVERIFY2(finished, "the program went on after its window was closed");
        QCOMPARE(lodarix.exitStatus(), QProcess::NormalExit);
        QCOMPARE(lodarix.exitCode(), 0);
        QCOMPARE(lodarix.readAllStandardError(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestMissingTranslationEndToEnd)
#include "tst_missing_translation_e2e.moc"
