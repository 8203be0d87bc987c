// lodarix-replay --compare and --check end to end: where a program parts
// from a reference, the exit status that says so, the class's CSV table
// with a row for every program (unreadable and endless ones among them),
// and the guide's exercises against the form's code and against themselves.

#include "tests/support/replay_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString FormCode = QStringLiteral(LODARIX_FORM_CODE);
const QString Exercises = QStringLiteral(LODARIX_EXERCISES);
const QByteArray Trip = "close\npick 4\ntick\ntick\ntick\n";
const QStringList ExerciseNames = {"arrival_message", "passed_yellow", "refuse_own_floor",
                                   "return_to_first", "twice_as_fast"};

QByteArray formCode()
{
    QFile file(FormCode);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the form's code");
    return file.readAll();
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

QByteArray withTimerStepPainted(const QByteArray& color)
{
    QByteArray code = formCode();
    const qsizetype timer = code.indexOf("Private Sub Timer1_Timer()");
    const qsizetype paint = code.indexOf("&HFF00&", timer);
    return code.replace(paint, 7, color);
}

QStringList scriptsOf(const QStringList& names)
{
    QStringList arguments;
    for (const QString& name : names)
        arguments << "--script" << Exercises + "/" + name + ".txt";
    return arguments;
}

// The table's rows without the header, each split into its columns.
QList<QStringList> rowsOf(const QByteArray& csv)
{
    QList<QStringList> rows;
    const QList<QByteArray> lines = csv.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        QStringList columns;
        QString field;
        bool quoted = false;
        for (const QChar c : QString::fromUtf8(lines[i]).chopped(1)) {
            if (c == '"')
                quoted = !quoted;
            else if (c == ',' && !quoted)
                columns << std::exchange(field, {});
            else
                field += c;
        }
        rows << (columns << field);
    }
    return rows;
}

} // namespace

class TestReplayCompare : public QObject {
    Q_OBJECT

private slots:
    void compareSaysWhereTheProgramParts_data()
    {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QByteArray bomAndCrLf = "\xEF\xBB\xBF" + formCode();
        bomAndCrLf.replace("\n", "\r\n");
        QTest::newRow("the form's own code") << formCode() << 0 << "Няма разлика с оригинала.\n"
                                             << QString();
        QTest::newRow("with a mark and CR LF ends")
            << bomAndCrLf << 0 << "Няма разлика с оригинала.\n"
            << QString();
        QTest::newRow("a step paints yellow")
            << withTimerStepPainted("&HFFFF&") << 1
            << "Събитие 4, Timer1_Timer: Option1(0).BackColor е &HFFFF& (ред 37), а в "
               "оригинала &HFF00& (ред 37)\n"
            << QString();
        QTest::newRow("an endless step")
            << withTimerStepPainted("&HFF00&\n    Do While True\n    Loop") << 1
            << "Събитие 4, Timer1_Timer: програмата спря: Грешка 18 в Timer1_Timer, ред 38: "
               "Събитието не свърши за 10 000 реда и беше спряно\n"
            << QString();
        QTest::newRow("a reading error")
            << formCode().replace("CurrentFloor + 1", "CurrentFloor / 1") << 2 << QString()
            << "Грешка при четене, ред 38, колона 68: няма дробни числа";
        QTest::newRow("not text") << QByteArray("\x00\xFF\xFE", 3) << 2 << QString()
                                  << "Файлът не е текст в UTF-8";
        QTest::newRow("10 MB") << QByteArray(10 << 20, 'x') << 2 << QString()
                               << "Файлът е по-голям от 64 KB";
    }

    void compareSaysWhereTheProgramParts()
    {
        QFETCH(QByteArray, program);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = write(dir, "pupil.bas", program);
        const auto run = test_support::runReplay({"--compare", FormCode, "--program", path}, Trip);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(QString::fromUtf8(run.output), output);
        QVERIFY2(QString::fromUtf8(run.errors).contains(error), run.errors.constData());
        QCOMPARE(run.errors.isEmpty(), error.isEmpty());
    }

    void theExercisesPartFromTheFormsCodeWhereTheirTaskBegins()
    {
        QStringList programs;
        for (const QString& name : ExerciseNames)
            programs << Exercises + "/" + name + ".bas";
        const auto run = test_support::runReplay(QStringList{"--check", FormCode}
                                                 + scriptsOf(ExerciseNames) + programs);
        QCOMPARE(run.exitCode, 1);
        const QList<QStringList> rows = rowsOf(run.output);
        QCOMPARE(rows.size(), 5);
        // file, result, script, event, line: each where its task first shows.
        const QStringList expected[] = {
            {"arrival_message", "arrival_message", "5", "43"},
            {"passed_yellow", "arrival_message", "4", "35"},
            {"refuse_own_floor", "refuse_own_floor", "3", "24"},
            {"return_to_first", "arrival_message", "5", "42"},
            {"twice_as_fast", "arrival_message", "1", "13"},
        };
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][0], Exercises + "/" + expected[i][0] + ".bas");
            QCOMPARE(rows[i][1], QStringLiteral("различно"));
            QCOMPARE(rows[i][2], Exercises + "/" + expected[i][1] + ".txt");
            QCOMPARE(rows[i].mid(3, 2), expected[i].mid(2));
        }
    }

    void eachExerciseEqualsItself()
    {
        for (const QString& name : ExerciseNames) {
            const QString solution = Exercises + "/" + name + ".bas";
            const auto run =
                test_support::runReplay(QStringList{"--check", solution} + scriptsOf(ExerciseNames)
                                        + QStringList{solution});
            QCOMPARE(run.exitCode, 0);
            const QList<QStringList> equal = {{solution, "еднакво", "", "", "", ""}};
            QCOMPARE(rowsOf(run.output), equal);
        }
    }

    void aClassOfThirtyGivesThirtyRows()
    {
        QTemporaryDir dir;
        QStringList programs;
        QStringList results;
        const auto pupil = [&](const QByteArray& code, const char* result) {
            programs << write(
                dir, QString("pupil%1.bas").arg(programs.size() + 1, 2, 10, QChar('0')), code);
            results << QString::fromUtf8(result);
        };
        for (int i = 0; i < 20; ++i)
            pupil(formCode(), "еднакво");
        pupil(withTimerStepPainted("&HFFFF&"), "различно");
        pupil(withTimerStepPainted("&HFF00&\n    Do While True\n    Loop"), "различно");
        pupil(formCode().replace("Timer1.Enabled = True", "Timer1.Enabled = False"), "различно");
        pupil(formCode().replace("End If\nEnd Sub", "End Sub"), "грешка");
        pupil(QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10), "грешка");
        pupil({}, "различно");
        pupil(QByteArray(100'000, '\'') + "\n", "грешка");
        pupil(formCode() + QByteArray("' \n").repeated(10'000), "еднакво");
        pupil(QByteArray(80'000, 'x'), "грешка");
        programs << dir.filePath("absent.bas");
        results << "грешка";

        const auto run = test_support::runReplay(
            QStringList{"--check", FormCode} + scriptsOf({"arrival_message", "refuse_own_floor"})
            + programs);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.output.startsWith("файл,резултат,сценарий,събитие,ред,разлика\r\n"));
        const QList<QStringList> rows = rowsOf(run.output);
        QCOMPARE(rows.size(), 30);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][0], programs[i]);
            QCOMPARE(rows[i][1], results[i]);
        }
    }

    void theGuidesClassIsChecked()
    {
        const QString examples = Exercises + "/..";
        const QStringList pupils = {"ana", "boris", "dari", "georgi", "vera"};
        QStringList programs;
        for (const QString& pupil : pupils)
            programs << examples + "/class/" + pupil + ".bas";
        const auto run =
            test_support::runReplay(QStringList{"--check", Exercises + "/passed_yellow.bas"}
                                    + scriptsOf({"passed_yellow"}) + programs);
        QCOMPARE(run.exitCode, 1);
        const QList<QStringList> rows = rowsOf(run.output);
        QCOMPARE(rows.size(), pupils.size());
        const QStringList results = {"еднакво", "различно", "различно", "грешка", "различно"};
        const QStringList events = {"", "3", "4", "", "4"};
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][1], results[i]);
            QCOMPARE(rows[i][3], events[i]);
        }
        QVERIFY(rows[2][5].contains("Грешка 18"));
    }

    void checkRefusesAnUnreadableReferenceOrScript()
    {
        QTemporaryDir dir;
        const QString badScript = write(dir, "bad.txt", "close\njump 3\n");
        const QString badReference = write(dir, "ref.bas", "Sub\n");
        const QStringList runs[] = {
            {"--check", FormCode, "--script", badScript, FormCode},
            {"--check", badReference, "--script", Exercises + "/passed_yellow.txt", FormCode},
            {"--check", FormCode, FormCode},
        };
        for (const QStringList& arguments : runs) {
            const auto run = test_support::runReplay(arguments);
            QCOMPARE(run.exitCode, 2);
            QVERIFY(run.output.isEmpty());
            QVERIFY(run.errors.startsWith("lodarix-replay: "));
        }
    }
};

QTEST_APPLESS_MAIN(TestReplayCompare)
#include "tst_replay_compare.moc"
