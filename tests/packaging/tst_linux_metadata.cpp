// The desktop entry, the AppStream metadata and the manual pages pass the
// validators that distributions run on them, with nothing to warn about; and
// each manual page's OPTIONS are the options its program's --help prints.

#include "tool_run.h"

#include <QFile>
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

// The options that --help prints: each line of its "Options:" block that
// starts an entry, up to two blanks ("-h, --help", "--xlsx WORKBOOK").
QStringList optionsInHelp(const QByteArray& help)
{
    QStringList options;
    bool inOptions = false;
    for (const QString& line : QString::fromUtf8(help).split(u'\n')) {
        if (!line.startsWith(u' '))
            inOptions = line == QLatin1String("Options:");
        else if (inOptions && line.trimmed().startsWith(u'-')) {
            for (const QString& entry :
                 line.trimmed().section(QLatin1String("  "), 0, 0).split(u','))
                options << entry.trimmed().section(u' ', 0, 0);
        }
    }
    options.sort();
    return options;
}

// The options that a manual page's OPTIONS section names: the tags of its
// tagged paragraphs (.TP), with roff's \- read as a hyphen.
QStringList optionsInManual(const QString& page)
{
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no manual page)")};
    const QRegularExpression option(QStringLiteral(R"((?:\\-){1,2}[A-Za-z?][A-Za-z0-9-]*)"));
    QStringList options;
    bool inOptions = false;
    bool tag = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String(".SH ")))
            inOptions = line == QLatin1String(".SH OPTIONS");
        else if (inOptions && tag) {
            for (const auto& match : option.globalMatch(line))
                options << match.captured().remove(u'\\');
        }
        tag = line == QLatin1String(".TP");
    }
    options.sort();
    return options;
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

    void manualPagesNameTheOptionsOfHelp_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("page");
        QTest::newRow("lodarix") << QStringLiteral(LODARIX_PROGRAM)
                                 << QStringLiteral(LODARIX_MANUALS "/lodarix.1");
        QTest::newRow("lodarix-replay") << QStringLiteral(LODARIX_REPLAY_PROGRAM)
                                        << QStringLiteral(LODARIX_MANUALS "/lodarix-replay.1");
    }

    void manualPagesNameTheOptionsOfHelp()
    {
        QFETCH(QString, program);
        QFETCH(QString, page);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const ToolRun run = runTool(program, {QStringLiteral("--help")}, environment);
        QVERIFY2(run.succeeded(), qPrintable(run.report()));
        const QStringList printed = optionsInHelp(run.output);
        QVERIFY2(!printed.isEmpty(), qPrintable(run.report()));
        QCOMPARE(optionsInManual(page), printed);
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
