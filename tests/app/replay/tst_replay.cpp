// lodarix-replay end to end: a script in, JSON Lines or with --motion CSV out,
// or with --xlsx a workbook written whole; bad input stops the run with one
// line on standard error and status 2, and writes no workbook. With
// --program the form's code runs the events; its errors are status 1.

#include "core/replay/motion_session.h"
#include "core/replay/script.h"
#include "core/workbook/motion_workbook.h"
#include "tests/support/replay_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run : test_support::ReplayRun {
    QList<QJsonObject> lines;
};

Run replay(const QStringList& arguments, const QByteArray& input = {})
{
    Run run{test_support::runReplay(arguments, input), {}};
    run.lines = test_support::stateLines(run.output);
    return run;
}

QJsonArray colors(std::initializer_list<const char*> hex)
{
    QJsonArray array;
    for (const char* value : hex)
        array.append(QString::fromLatin1(value));
    return array;
}

const QString WorkedExample = QStringLiteral(LODARIX_SCRIPTS "/worked_example.txt");
const QString Programs = QStringLiteral(LODARIX_PROGRAMS);
const QByteArray MidTripScript = "close\npick 1\ntick\nclose\npick 11\ntick\npick 3\ntick\nopen\n";

} // namespace

class TestReplay : public QObject {
    Q_OBJECT

private slots:
    void theWorkedExampleLineByLine()
    {
        const Run run = replay({WorkedExample});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.errors.isEmpty());
        QCOMPARE(run.lines.size(), 6);

        const QJsonObject load = run.lines.first();
        QCOMPARE(load.keys(),
                 (QStringList{"colors", "command", "current", "grille", "listVisible",
                              "selectedFloor", "status", "target", "timer"}));
        QCOMPARE(load["command"].toString(), QStringLiteral("load"));
        QCOMPARE(load["grille"].toString(), QStringLiteral("open"));
        QVERIFY(load["selectedFloor"].isNull());
        QCOMPARE(load["listVisible"].toBool(true), false);
        QCOMPARE(load["timer"].toBool(true), false);
        QVERIFY(load["status"].toString().startsWith(QStringLiteral("Най-често срещаните")));
        QCOMPARE(load["status"].toString().size(), 904);

        const QJsonObject pick = run.lines.at(2);
        QCOMPARE(pick["command"].toString(), QStringLiteral("pick 4"));
        QCOMPARE(pick["current"].toInt(-1), 0);
        QCOMPARE(pick["target"].toInt(-1), 3);
        QCOMPARE(pick["timer"].toBool(false), true);
        QCOMPARE(pick["grille"].toString(), QStringLiteral("closed"));
        QCOMPARE(pick["selectedFloor"].toInt(-1), 3);
        QCOMPARE(pick["colors"].toArray(),
                 colors({"#FF8080", "#00FF00", "#00FF00", "#8080FF", "#00FF00", "#00FF00",
                         "#00FF00", "#00FF00", "#00FF00", "#00FF00", "#00FF00"}));
        QCOMPARE(pick["status"].toString(), QStringLiteral("Асансьорът се качва!\r\nЕтаж I\r\n"));

        QCOMPARE(run.lines.at(3)["command"].toString(), QStringLiteral("tick"));
        const QJsonObject arrival = run.lines.last();
        QCOMPARE(arrival["current"].toInt(-1), 3);
        QCOMPARE(arrival["timer"].toBool(true), false);
        QCOMPARE(arrival["grille"].toString(), QStringLiteral("open"));
        QCOMPARE(arrival["colors"].toArray(),
                 colors({"#00FF00", "#00FF00", "#00FF00", "#FF8080", "#00FF00", "#00FF00",
                         "#00FF00", "#00FF00", "#00FF00", "#00FF00", "#00FF00"}));
        QCOMPARE(arrival["status"].toString(),
                 QStringLiteral("Асансьорът се качва!\r\nЕтаж I\r\nЕтаж II\r\nЕтаж III\r\n"
                                "Етаж IV\r\nПоследна спирка!\r\n"));
    }

    void standardInputGivesTheSameLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList{};
        QTest::newRow("dash") << QStringList{"-"};
    }

    void standardInputGivesTheSameLines()
    {
        QFETCH(QStringList, arguments);
        QFile script(WorkedExample);
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QByteArray content = script.readAll();
        const Run fromFile = replay({WorkedExample});
        const Run fromStdin = replay(arguments, content);
        QCOMPARE(fromStdin.exitCode, 0);
        QCOMPARE(fromStdin.output, fromFile.output);
    }

    void badInputStopsAtTheLine_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("linesPrinted");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("unknown command")
            << QByteArray("close\nfly\ntick\n") << 2
            << QByteArray("lodarix-replay: line 2: unknown command \"fly\" (expected close, open, "
                          "pick N or tick)\n");
        QTest::newRow("missing argument")
            << QByteArray("# start\n\npick\n") << 1
            << QByteArray("lodarix-replay: line 3: \"pick\" needs a floor number from 1 to 11\n");
        QTest::newRow("extra argument")
            << QByteArray("close\r\nopen now\r\n") << 2
            << QByteArray("lodarix-replay: line 2: \"open\" takes no argument, but got \"now\"\n");
        QTest::newRow("floor outside the building")
            << QByteArray("close\npick 4\npick 12\n") << 3
            << QByteArray(
                   "lodarix-replay: line 3: floor \"12\" is not a floor number from 1 to 11\n");
    }

    void badInputStopsAtTheLine()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, linesPrinted);
        QFETCH(QByteArray, error);
        const Run run = replay({}, script);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.lines.size(), linesPrinted);
        QCOMPARE(run.errors, error);
    }

    void theFormsOwnCodeGivesTheBuiltInRulesOutput_data()
    {
        QTest::addColumn<QStringList>("mode");
        QTest::newRow("states") << QStringList{};
        QTest::newRow("motion") << QStringList{"--motion"};
    }

    void theFormsOwnCodeGivesTheBuiltInRulesOutput()
    {
        QFETCH(QStringList, mode);
        QTemporaryDir dir;
        const QString code = dir.filePath("form_code.bas");
        QVERIFY(QFile::copy(QStringLiteral(LODARIX_FORM_CODE), code));
        const Run rules = replay(mode, MidTripScript);
        const Run program = replay(mode + QStringList{"--program", code}, MidTripScript);
        QCOMPARE(program.exitCode, 0);
        QCOMPARE(program.output, rules.output);
    }

    void linesFollowThePickStatementByStatement()
    {
        const Run run = replay({"--lines"}, "close\npick 2\n");
        QCOMPARE(run.exitCode, 0);
        QList<int> lines;
        for (const QJsonObject& line : run.lines) {
            if (line["procedure"].toString() != "Form_Load")
                lines.append(line["line"].toInt());
        }
        // The grille's test; the pick's statements, the upward test with its
        // message on the same line; then the log's one.
        QCOMPARE(lines, (QList<int>{21, 25, 26, 27, 28, 29, 30, 31, 31, 32, 33, 17}));
        const QJsonObject last = run.lines.last();
        QCOMPARE(last["event"].toInt(), 3);
        QCOMPARE(last["variables"].toObject()["TargetFloor"].toInt(), 1);
        QCOMPARE(last["state"].toObject()["status"].toString(),
                 QString::fromUtf8("Асансьорът се качва!\r\nЕтаж I\r\n"));
    }

    void aTimerOfAnotherPeriodFiresEachTimeItPasses()
    {
        const Run run = replay({"--motion", "--program", Programs + "/half_period.bas"},
                               "close\npick 3\ntick\n");
        QCOMPARE(run.output,
                 QByteArray("time_s,floor,target,event\n0.000,1,1,start\n"
                            "0.000,1,3,pick\n0.400,2,3,step\n0.800,3,3,arrive\n"));
    }

    // The code starts the timer at its load, and sets CurrentFloor only at
    // the first step: till then the floor is none, null in the state and an
    // empty field in the record; its steps are rows all the same.
    void aTimerStartedWithNoPickStepsAllTheSame()
    {
        const QString program = Programs + "/timer_at_load.bas";
        const Run run = replay({"--motion", "--program", program}, "tick\ntick\ntick\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.output,
                 QByteArray("time_s,floor,target,event\n0.000,,3,start\n"
                            "0.800,2,3,step\n1.600,3,3,arrive\n"));
        const Run states = replay({"--program", program}, "tick\n");
        QCOMPARE(states.lines.size(), 2);
        QVERIFY(states.lines[0].value("current").isNull());
        QCOMPARE(states.lines[1].value("current").toInt(), 1);
    }

    void errorsInTheFormsCodeStopTheRun_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("linesPrinted");
        QTest::addColumn<QString>("error");
        const auto row = [](const char* program, int printed, const char* error) {
            QTest::newRow(program)
                << QString::fromLatin1(program) << printed << QString::fromUtf8(error);
        };
        row("subscript_out_of_range", 5,
            "Грешка 9 в Option1_Click, ред 5: Индексът е извън обхвата");
        row("type_mismatch", 2, "Грешка 13 в Option1_Click, ред 5: Несъвместими типове");
        row("overflow", 5, "Грешка 6 в Option1_Click, ред 6: Препълване");
        row("division_by_zero", 2, "Грешка 11 в Option1_Click, ред 5: Деление на нула");
        row("invalid_call", 2, "Грешка 5 в Option1_Click, ред 3: Невалидно извикване или аргумент");
        row("no_such_property", 2, "Грешка 438 в Option1_Click, ред 5: Обектът няма това свойство");
        row("value_out_of_range", 0,
            "Грешка 380 в Form_Load, ред 3: Невалидна стойност на свойство");
        row("endless_loop", 2,
            "Грешка 18 в Option1_Click, ред 5: Събитието не свърши за 10 000 реда и беше спряно");
        row("too_deep", 2, "Грешка 28 в Down, ред 3: Повече от 200 вложени извиквания");
        row("reading_error", 0,
            "Грешка при четене, ред 5, колона 15: няма дробни числа: за деление с цяло частно "
            "пишете \\");
    }

    void errorsInTheFormsCodeStopTheRun()
    {
        QFETCH(QString, program);
        QFETCH(int, linesPrinted);
        QFETCH(QString, error);
        const QString path = Programs + "/" + program + ".bas";
        const Run run = replay({"--program", path}, MidTripScript);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.lines.size(), linesPrinted);
        QCOMPARE(QString::fromUtf8(run.errors), "lodarix-replay: " + path + ": " + error + "\n");
    }

    void unreadableScripts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << QStringLiteral("no-such-script.txt");
        QTest::newRow("a folder") << QStringLiteral(".");
    }

    void unreadableScripts()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const Run run = replay({dir.filePath(name)});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.output.isEmpty());
        QVERIFY(run.errors.startsWith("lodarix-replay: cannot read "));
        QCOMPARE(run.errors.count('\n'), 1);
    }

    void helpDescribesTheScript()
    {
        const Run run = replay({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.output.contains("pick N"));
        QVERIFY(run.output.contains("FILE"));
        QVERIFY(run.output.contains("--motion"));
    }

    void motionOfTheWorkedExample_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QFile script(WorkedExample);
        QVERIFY(script.open(QIODevice::ReadOnly));
        QTest::newRow("from the file") << QStringList{"--motion", WorkedExample} << QByteArray();
        QTest::newRow("from standard input") << QStringList{"--motion", "-"} << script.readAll();
    }

    void motionOfTheWorkedExample()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        const Run run = replay(arguments, input);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.errors.isEmpty());
        QCOMPARE(run.output,
                 QByteArray("time_s,floor,target,event\n"
                            "0.000,1,1,start\n"
                            "0.000,1,4,pick\n"
                            "0.800,2,4,step\n"
                            "1.600,3,4,step\n"
                            "2.400,4,4,arrive\n"));
    }

    void motionRowsStandBeforeABadLine()
    {
        const Run run = replay({QStringLiteral("--motion")}, "close\npick 3\ntick\nfly\ntick\n");
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.output,
                 QByteArray("time_s,floor,target,event\n"
                            "0.000,1,1,start\n"
                            "0.000,1,3,pick\n"
                            "0.800,2,3,step\n"));
        QCOMPARE(run.errors,
                 QByteArray("lodarix-replay: line 4: unknown command \"fly\" (expected "
                            "close, open, pick N or tick)\n"));
    }

    void theWorkbookIsTheSessionsRecord_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("after the option") << QStringList{"--xlsx", "@"};
        QTest::newRow("joined to the option") << QStringList{"--xlsx=@"};
        QTest::newRow("with the script as a file") << QStringList{"--xlsx", "@", WorkedExample};
    }
    void theWorkbookIsTheSessionsRecord()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lesson.xlsx"));
        arguments.replaceInStrings(QStringLiteral("@"), path);
        QFile script(WorkedExample);
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QByteArray commands = script.readAll();
        const Run run =
            replay(arguments, arguments.contains(WorkedExample) ? QByteArray() : commands);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.output.isEmpty() && run.errors.isEmpty());

        lodarix::replay::MotionSession session;
        for (const QByteArray& line : commands.split('\n')) {
            const auto parsed = lodarix::replay::parseLine(line.toStdString());
            if (const auto* command = std::get_if<lodarix::replay::Command>(&parsed))
                session.run(*command);
        }
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(),
                 lodarix::workbook::motionWorkbook(session.recorder().rows(),
                                                   session.recorder().trips(),
                                                   lodarix::motion::StoreyHeight()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"lesson.xlsx"});
    }

    void aWorkbookIsWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("a bad line") << "lesson.xlsx" << QByteArray("close\nfly\n") << 2
                                    << QByteArray("line 2: unknown command");
        QTest::newRow("a folder that does not exist")
            << "missing/lesson.xlsx" << QByteArray("tick\n") << 1 << QByteArray("cannot write");
        QTest::newRow("a folder in the way")
            << "." << QByteArray("tick\n") << 1 << QByteArray("cannot write");
    }
    void aWorkbookIsWrittenWholeOrNotAtAll()
    {
        QFETCH(QString, where);
        QFETCH(QByteArray, script);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, error);
        QTemporaryDir folder;
        const QString path = where == QLatin1String(".") ? folder.path() : folder.filePath(where);
        const Run run = replay({QStringLiteral("--xlsx"), path}, script);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(error), run.errors.constData());
        QCOMPARE(run.errors.count('\n'), 1);
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    }

    void theWorkbookAndTheCsvAreOneOrTheOther()
    {
        QTemporaryDir folder;
        const Run run = replay({"--motion", "--xlsx", folder.filePath("lesson.xlsx")}, "tick\n");
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.output.isEmpty());
        QVERIFY(!QFileInfo::exists(folder.filePath("lesson.xlsx")));
    }
};

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
