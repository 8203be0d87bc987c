// Scripts run for the events view against lodarix-replay itself: for the
// project's scripts, the guide's examples and seeded random scripts, what
// the view offers to save is byte for byte what the tool writes; each row
// of the script's trace is the tool's state line after the command that
// made it, and a command that runs no code makes none; a bad line stops
// the run where the tool stops, told in Bulgarian with its number and word.

#include "core/trace/example_scripts.h"
#include "core/trace/script_run.h"
#include "core/trace/trace_texts.h"
#include "tests/support/replay_run.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <random>

using namespace lodarix;
using test_support::runReplay;
using test_support::stateLines;

namespace {

QByteArray bytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Blank lines, comments, blanks around commands, CR LF line ends, and now
// and then a line the tool does not understand.
std::string randomScript(std::mt19937& random, int lines)
{
    std::uniform_int_distribution<int> kind(0, 99);
    std::uniform_int_distribution<int> floor(1, 11);
    std::string script;
    for (int line = 0; line < lines; ++line) {
        const int k = kind(random);
        if (k < 15)
            script += "close";
        else if (k < 20)
            script += "open";
        else if (k < 40)
            script += "pick " + std::to_string(floor(random));
        else if (k < 90)
            script += k % 7 ? "tick" : "  tick\t";
        else if (k < 94)
            script += "# бележка";
        else if (k < 97)
            script += k % 2 ? "" : "tick\r";
        else if (line > lines / 2)
            script += std::array{"pick 12", "tik", "close 3"}[static_cast<std::size_t>(k - 97)];
        else
            script += "tick";
        script += '\n';
    }
    if (script.size() % 3 == 0)
        script.pop_back(); // no line feed after the last line
    return script;
}

// What is wrong with the row against the tool's state line.
QString rowError(const trace::EventTrace& trace, std::size_t row, const QJsonObject& state)
{
    const trace::TraceRow& at = trace.rows()[row];
    QStringList wrong;
    if (at.current != state["current"].toInt() || at.target != state["target"].toInt())
        wrong << QStringLiteral("floors");
    if (at.timerOn() != state["timer"].toBool())
        wrong << QStringLiteral("timer");
    const char* grille = at.grille() == trace::GrilleState::Closed ? "closed"
        : at.grille() == trace::GrilleState::Open                  ? "open"
                                                                   : "none";
    if (state["grille"].toString() != QLatin1String(grille))
        wrong << QStringLiteral("grille");
    if (at.selectedFloor != state["selectedFloor"].toInt(-1))
        wrong << QStringLiteral("selected floor");
    const QJsonArray colors = state["colors"].toArray();
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor) {
        if (QString::fromStdString(lift::toHexRgb(trace.color(at, floor))) != colors[floor])
            wrong << QStringLiteral("colour of floor %1").arg(floor + 1);
    }
    if (QString::fromStdString(trace.statusAfter(row)) != state["status"].toString())
        wrong << QStringLiteral("status");
    return wrong.join(QStringLiteral(", "));
}

} // namespace

class TestScriptRun : public QObject {
    Q_OBJECT

private slots:
    void whatTheViewSavesIsWhatTheToolWrites_data()
    {
        QTest::addColumn<QByteArray>("script");
        for (const QString& name : QDir(QStringLiteral(LODARIX_SCRIPTS)).entryList({"*.txt"})) {
            QFile file(QStringLiteral(LODARIX_SCRIPTS "/") + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << file.readAll();
        }
        for (const trace::ExampleScript& example : trace::exampleScripts())
            QTest::newRow(example.fileName.data()) << bytes(std::string(example.text));
        std::mt19937 random(27);
        for (int i = 0; i < 16; ++i)
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(i)))
                << bytes(randomScript(random, 150));
        QTest::newRow("empty") << QByteArray();
    }

    void whatTheViewSavesIsWhatTheToolWrites()
    {
        QFETCH(QByteArray, script);
        const std::string text = script.toStdString();
        const trace::ScriptRun run(text);

        const test_support::ReplayRun states = runReplay({}, script);
        QCOMPARE(bytes(trace::jsonLines(text)), states.output);
        QCOMPARE(bytes(run.motionCsv()), runReplay({QStringLiteral("--motion")}, script).output);
        if (run.stop()) {
            QCOMPARE(states.exitCode, 2);
            QVERIFY(states.errors.startsWith(
                QStringLiteral("lodarix-replay: line %1: ").arg(run.stop()->line).toUtf8()));
            QVERIFY(!run.workbook());
        } else {
            QCOMPARE(states.exitCode, 0);
            QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("run.xlsx"));
            QCOMPARE(runReplay({QStringLiteral("--xlsx"), path}, script).exitCode, 0);
            QFile workbook(path);
            QVERIFY(workbook.open(QIODevice::ReadOnly));
            QCOMPARE(bytes(*run.workbook()), workbook.readAll());
        }

        // Row by row against the state lines: a row exactly where the
        // command ran code or changed the grille.
        const QList<QJsonObject> lines = stateLines(states.output);
        const trace::EventTrace& trace = run.trace();
        std::size_t row = 0;
        for (qsizetype at = 0; at < lines.size(); ++at) {
            const QJsonObject& state = lines[at];
            const QString command = state["command"].toString();
            bool makesRow = true;
            if (command == QLatin1String("tick"))
                makesRow = lines[at - 1]["timer"].toBool();
            else if (command == QLatin1String("close") || command == QLatin1String("open"))
                makesRow = state["grille"] != lines[at - 1]["grille"];
            if (!makesRow)
                continue;
            QVERIFY2(row < trace.size(), qPrintable(QStringLiteral("no row for line %1").arg(at)));
            const QString wrong = rowError(trace, row, state);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("row %1 (%2): %3").arg(row).arg(command, wrong)));
            ++row;
        }
        QCOMPARE(trace.size(), row);
    }

    void aBadLineIsToldInBulgarianWithItsNumberAndWord_data()
    {
        QTest::addColumn<QString>("badLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown")
            << QStringLiteral("  пик 4")
            << QStringLiteral(
                   "Ред 4: непозната команда „пик“ (очаква се close, open, pick N или tick). "
                   "Изпълнението спря на този ред.");
        QTest::newRow("argument") << QStringLiteral("tick 2")
                                  << QStringLiteral("Ред 4: „tick“ е без аргумент, а след нея "
                                                    "стои „2“. Изпълнението спря на този ред.");
        QTest::newRow("no floor") << QStringLiteral("pick")
                                  << QStringLiteral("Ред 4: след „pick“ липсва номер на етаж от 1 "
                                                    "до 11. Изпълнението спря на този ред.");
        QTest::newRow("two floors") << QStringLiteral("pick 3 4")
                                    << QStringLiteral("Ред 4: „pick“ иска един номер на етаж, а "
                                                      "има и „4“. Изпълнението спря на този ред.");
        QTest::newRow("not a floor") << QStringLiteral("pick 12")
                                     << QStringLiteral("Ред 4: „12“ не е номер на етаж от 1 до "
                                                       "11. Изпълнението спря на този ред.");
        QTest::newRow("control character") << QStringLiteral("pick \x01")
                                           << QStringLiteral("Ред 4: „\\x01“ не е номер на етаж "
                                                             "от 1 до 11. Изпълнението спря на "
                                                             "този ред.");
    }

    void aBadLineIsToldInBulgarianWithItsNumberAndWord()
    {
        QFETCH(QString, badLine);
        QFETCH(QString, message);
        const std::string script =
            "close\n# бележка\npick 3\n" + badLine.toStdString() + "\ntick\ntick\n";
        const trace::ScriptRun run(script);
        QVERIFY(run.stop());
        QCOMPARE(run.stop()->line, 4);
        QCOMPARE(QString::fromStdString(run.stop()->message), message);
        QCOMPARE(run.commandsRun(), 2);
        QCOMPARE(run.trace().size(), std::size_t(3)); // the load, the grille, the pick
    }

    // The guide shows each example as the view offers it, as a block of its own.
    void theGuidesExamplesAreTheViews()
    {
        QFile guide(QStringLiteral(LODARIX_GUIDE));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(guide.readAll());
        for (const trace::ExampleScript& example : trace::exampleScripts()) {
            QString block =
                QString::fromUtf8(example.text.data(), static_cast<qsizetype>(example.text.size()));
            block.replace(
                QRegularExpression(QStringLiteral("^(?=.)"), QRegularExpression::MultilineOption),
                QStringLiteral("    "));
            QVERIFY2(text.contains(QStringLiteral("\n\n") + block + QLatin1Char('\n')),
                     example.fileName.data());
            QVERIFY2(text.contains(QString::fromUtf8(example.name.data(),
                                                     static_cast<qsizetype>(example.name.size()))),
                     example.fileName.data());
        }
    }
};

QTEST_GUILESS_MAIN(TestScriptRun)
#include "tst_script_run.moc"
