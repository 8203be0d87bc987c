// The program's command line: --version and --help answer at once, with no
// display and nothing on standard error; anything else is ignored with one
// line of warning, and the window opens as usual.

#include "x_server.h"

#include "tests/support/program_environment.h"

#include <QProcess>
#include <QTest>

namespace {

const QString TitleText = QStringLiteral("Физика - движение на асансьор");

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answersNeedNoDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("--version") << QStringList{"--version"} << QByteArray("Lodarix 1.00\n");
        QTest::newRow("-v") << QStringList{"-v"} << QByteArray("Lodarix 1.00\n");
        QTest::newRow("--help") << QStringList{"--help"} << QByteArray("Usage: ");
        QTest::newRow("-h after a toolkit option")
            << QStringList{"-reverse", "-h"} << QByteArray("Usage: ");
    }

    void answersNeedNoDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        // As in a root session on a machine with no desktop at all.
        QProcessEnvironment environment = test_support::programEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(LODARIX_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardError(), QByteArray());
        const QByteArray output = program.readAllStandardOutput();
        QVERIFY2(output.startsWith(expected), output.constData());
        if (expected.startsWith("Usage"))
            QVERIFY(output.contains("--version"));
        else
            QCOMPARE(output, expected);
    }

    void otherArgumentsAreIgnoredAndTheWindowOpens_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("a file from a launcher") << QStringList{"lesson.txt"};
        QTest::newRow("a URL") << QStringList{"file:///home/student/lesson.txt"};
        QTest::newRow("an unknown option") << QStringList{"--floors=12"};
        QTest::newRow("several") << QStringList{"--floors=12", "a", "b"};
    }

    void otherArgumentsAreIgnoredAndTheWindowOpens()
    {
        QFETCH(QStringList, arguments);
        XServer x;
        QVERIFY2(x.start(QSize(800, 600)), "Xvfb did not start");
        QProcess program;
        program.setProcessEnvironment(x.environment());
        program.start(QStringLiteral(LODARIX_PROGRAM), arguments);
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!x.findWindow(TitleText).isEmpty(), 20000);
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));

        const QList<QByteArray> warnings = program.readAllStandardError().trimmed().split('\n');
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains("ignored"), warnings.first().constData());
        QVERIFY2(warnings.first().contains(arguments.last().toUtf8()),
                 warnings.first().constData());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
