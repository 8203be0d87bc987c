// The program's command line: --version and --help answer without a window,
// anything unknown is an error before the window opens.

#include <QProcess>
#include <QTest>

namespace {

struct Result {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

Result runLodarix(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LODARIX_PROGRAM), arguments);
    Result result;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return result; // it opened the window instead of answering
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void versionIsTheOneShownToPeople()
    {
        const Result result = runLodarix({QStringLiteral("--version")});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.output, QByteArray("Lodarix 1.00\n"));
    }

    void helpListsTheOptions()
    {
        const Result result = runLodarix({QStringLiteral("--help")});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.output.contains("--version"));
        QVERIFY(result.output.contains("--help-all"));
    }

    void anythingElseIsAnErrorWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unknown option")
            << QStringList{"--floors=12"} << QByteArray("Unknown option 'floors'");
        QTest::newRow("stray argument")
            << QStringList{"script.txt"} << QByteArray("unexpected argument 'script.txt'");
    }

    void anythingElseIsAnErrorWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        const Result result = runLodarix(arguments);
        QVERIFY(result.exitCode > 0);
        QVERIFY(result.output.isEmpty());
        QVERIFY2(result.errors.contains(message), result.errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
