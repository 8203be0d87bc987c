// The desktop entry, the AppStream metadata and the manual pages pass the
// validators that distributions run on them, with nothing to warn about.

#include "tool_run.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The lines of OUTPUT that match PATTERN, joined for a failure message.
QString linesMatching(const QByteArray& output, const QRegularExpression& pattern)
{
    QStringList found;
    for (const QString& line : QString::fromUtf8(output).split(u'\n')) {
        if (pattern.match(line).hasMatch())
            found << line;
    }
    return found.join(u'\n');
}

} // namespace

class TestLinuxMetadata : public QObject {
    Q_OBJECT

private slots:
    void desktopEntryIsValidWithNothingToSay()
    {
        const ToolRun run = runTool(QStringLiteral("desktop-file-validate"), {LODARIX_DESKTOP});
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
        QVERIFY2((run.output + run.errors).isEmpty(), qPrintable(run.report()));
    }

    void manualPagesRenderWithoutWarnings_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("lodarix(1)") << QStringLiteral(LODARIX_MANUALS "/lodarix.1");
        QTest::newRow("lodarix-replay(1)") << QStringLiteral(LODARIX_MANUALS "/lodarix-replay.1");
    }

    void manualPagesRenderWithoutWarnings()
    {
        QFETCH(QString, page);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        const ToolRun run = runTool(QStringLiteral("man"), {"--warnings", "-l", page}, environment);
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
        QVERIFY2(run.errors.isEmpty(), qPrintable(run.report()));
        QVERIFY2(run.output.contains("EXIT STATUS"), qPrintable(run.report()));
    }

    void metainfoIsValidWithoutWarnings()
    {
        const ToolRun run =
            runTool(QStringLiteral("appstreamcli"),
                    {"validate", "--no-net", "--pedantic", "--no-color", LODARIX_METAINFO});
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
        const QString issues = linesMatching(run.output + run.errors,
                                             QRegularExpression(QStringLiteral("^\\s*[EWIP]: ")));
        QVERIFY2(issues.isEmpty(), qPrintable(run.report()));
        QVERIFY2(run.output.contains("Validation was successful"), qPrintable(run.report()));
    }

    void metainfoCarriesTheDisplayVersion()
    {
        QFile file(QStringLiteral(LODARIX_METAINFO));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(R"(<release version="1.00" date="2026-12-08"/>)"));
    }
};

QTEST_APPLESS_MAIN(TestLinuxMetadata)
#include "tst_linux_metadata.moc"
