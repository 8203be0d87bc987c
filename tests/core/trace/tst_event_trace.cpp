// The events trace against the window it watches: a row for each event that
// ran code and each grille selection that changed it, no row for anything
// else, and each row's state exactly the window's right after the event,
// through the worked example, typing in the status box and long random
// sessions.

#include "tests/core/trace/watched_window.h"

#include "core/texts/main_window_texts.h"
#include "core/trace/trace_texts.h"
#include "core/trace/window_sketch.h"

#include <QSet>
#include <QTest>

#include <random>

using namespace lodarix;
using trace::EventKind;
using trace::GrilleState;
using trace_test::WatchedWindow;

namespace {

QString stateError(const WatchedWindow& watched, std::size_t row)
{
    const trace::TraceRow& at = watched.trace.rows()[row];
    const auto& window = watched.window;
    QStringList wrong;
    const auto& controller = watched.rules.controller();
    if (at.current != controller.CurrentFloor() || at.target != controller.TargetFloor())
        wrong << QStringLiteral("floors");
    if (at.timerOn() != window.isEnabled(controls::StepTimer))
        wrong << QStringLiteral("timer");
    const GrilleState grille = window.isGrilleClosed()  ? GrilleState::Closed
        : window.isSelected(controls::GrilleButtons, 1) ? GrilleState::Open
                                                        : GrilleState::None;
    if (at.grille() != grille)
        wrong << QStringLiteral("grille");
    if (at.selectedFloor != window.selectedIndex(controls::FloorButtons).value_or(-1))
        wrong << QStringLiteral("selected floor");
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor) {
        if (watched.trace.color(at, floor) != window.backColor(controls::FloorButtons, floor))
            wrong << QStringLiteral("colour of floor %1").arg(floor + 1);
    }
    if (watched.trace.statusAfter(row) != window.statusText())
        wrong << QStringLiteral("status text");
    return wrong.join(QStringLiteral(", "));
}

std::string text(const WatchedWindow& watched, std::size_t row)
{
    return std::string(watched.trace.text(row));
}

} // namespace

class TestEventTrace : public QObject {
    Q_OBJECT

private slots:
    void theWorkedExampleRowByRow()
    {
        WatchedWindow watched;
        watched.clickGrille(true);
        watched.clickGrille(true); // already closed: no row
        watched.clickFloor(3);
        for (int step = 0; step < 4; ++step) // the fourth finds the timer off
            watched.tick();
        const auto rows = watched.trace.rows();
        QCOMPARE(rows.size(), std::size_t(6));
        const EventKind kinds[] = {EventKind::Load, EventKind::Grille, EventKind::Pick,
                                   EventKind::Step, EventKind::Step,   EventKind::Step};
        for (std::size_t row = 0; row < rows.size(); ++row) {
            QCOMPARE(rows[row].kind, kinds[row]);
            QCOMPARE(rows[row].timeMs, row < 3 ? 0 : std::int64_t(800 * (row - 2)));
        }
        QCOMPARE(rows[2].floor, 3);
        QCOMPARE(rows[2].current, 0);
        QCOMPARE(rows[2].target, 3);
        QVERIFY(rows[2].timerOn());
        QVERIFY(rows[2].textReplaced());
        QCOMPARE(text(watched, 2), std::string("Асансьорът се качва!\r\nЕтаж I\r\n"));
        QCOMPARE(text(watched, 3), std::string("Етаж II\r\n"));
        QVERIFY(!rows[3].textReplaced());
        QCOMPARE(text(watched, 5), std::string("Етаж IV\r\nПоследна спирка!\r\n"));
        QVERIFY(!rows[5].timerOn());
        QCOMPARE(rows[5].grille(), GrilleState::Open);
        QCOMPARE(text(watched, 0), std::string());
        QCOMPARE(text(watched, 1), std::string());
        QCOMPARE(watched.trace.statusAfter(0), std::string(texts::ExerciseStatement));
        QCOMPARE(watched.trace.statusAfter(4),
                 std::string("Асансьорът се качва!\r\nЕтаж I\r\nЕтаж II\r\nЕтаж III\r\n"));
        QVERIFY(stateError(watched, rows.size() - 1).isEmpty());
    }

    void aRowIsToldInTheViewsWords()
    {
        WatchedWindow watched;
        watched.clickGrille(true);
        watched.clickFloor(3);
        watched.tick();
        const auto pick = trace::traceCells(watched.trace, 2);
        QCOMPARE(QString::fromStdString(pick[trace::ProcedureColumn]),
                 QStringLiteral("Option1_Click(3)"));
        QCOMPARE(QString::fromStdString(pick[trace::EventColumn]),
                 QStringLiteral("щракване на бутон „4“"));
        QCOMPARE(QString::fromStdString(pick[trace::CurrentFloorColumn]),
                 QStringLiteral("0 (етаж 1)"));
        QCOMPARE(QString::fromStdString(pick[trace::TargetFloorColumn]),
                 QStringLiteral("3 (етаж 4)"));
        QCOMPARE(QString::fromStdString(pick[trace::TimerColumn]), QStringLiteral("True"));
        QCOMPARE(QString::fromStdString(pick[trace::StatusColumn]),
                 QStringLiteral("= Асансьорът се качва!↵Етаж I↵"));
        const auto step = trace::traceCells(watched.trace, 3);
        QCOMPARE(QString::fromStdString(step[trace::TimeColumn]), QStringLiteral("0,800"));
        QCOMPARE(QString::fromStdString(step[trace::ProcedureColumn]),
                 QStringLiteral("Timer1_Timer"));
        QCOMPARE(QString::fromStdString(step[trace::StatusColumn]), QStringLiteral("+ Етаж II↵"));
        const auto grille = trace::traceCells(watched.trace, 1);
        QCOMPARE(QString::fromStdString(grille[trace::ProcedureColumn]),
                 QStringLiteral("(няма код)"));
        QCOMPARE(QString::fromStdString(grille[trace::GrilleColumn]), QStringLiteral("затворена"));
        QCOMPARE(QString::fromStdString(trace::rowSummary(watched.trace, 3)),
                 QStringLiteral("Ред 4 от 4. t = 0,800 s. Timer1_Timer: таймерът отброи. "
                                "CurrentFloor = 1 (етаж 2), TargetFloor = 3 (етаж 4), "
                                "Timer1.Enabled = True, решетка затворена. "
                                "Добавен текст: Етаж II."));
    }

    // The drawing of an earlier row shows that row's window, from the model.
    void theSketchOfARowIsTheWindowAsItStoodThen()
    {
        WatchedWindow watched;
        watched.clickGrille(true);
        watched.clickFloor(3);
        watched.tick();
        watched.tick();
        const trace::WindowSketch sketch = trace::sketchAfter(watched.trace, 3);
        QString markers(11, QLatin1Char('?'));
        QStringList grille;
        QString status;
        for (const trace::SketchShape& shape : sketch.shapes) {
            if (shape.kind == trace::SketchShape::Kind::FloorButton) {
                const int floor = std::stoi(shape.text) - 1;
                markers[floor] = shape.fill == lift::ColorCabin ? QLatin1Char('c')
                    : shape.fill == lift::ColorTarget           ? QLatin1Char('t')
                    : shape.fill == lift::ColorIdle             ? QLatin1Char('i')
                                                                : QLatin1Char('?');
                QCOMPARE(shape.selected, floor == 3);
                QCOMPARE(shape.top, 480 / 15 + 120 / 15);
            }
            if (shape.kind == trace::SketchShape::Kind::RadioButton && shape.selected)
                grille << QString::fromStdString(shape.text);
            if (shape.kind == trace::SketchShape::Kind::TextBox && shape.left == 120 / 15)
                status = QString::fromStdString(shape.text);
        }
        QCOMPARE(markers, QStringLiteral("icitiiiiiii"));
        QCOMPARE(grille, QStringList{QString::fromUtf8(texts::GrilleClosed.data())});
        QCOMPARE(status, QStringLiteral("Асансьорът се качва!\r\nЕтаж I\r\nЕтаж II\r\n"));
        QCOMPARE(sketch.width, 461);
        QVERIFY(QString::fromStdString(sketch.description)
                    .startsWith(QStringLiteral("Кабината: етаж 2. Крайна спирка: етаж 4. "
                                               "Решетката: затворена. Текст в полето: "
                                               "Асансьорът се качва! Етаж I Етаж II")));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, trace::sketchAfter(watched.trace, 5));
    }

    // A floor button's bevel and a frame's edge follow the control's own
    // colour; a text box's edge is the fixed grey.
    void theSketchsShadesFollowEachControlsFace()
    {
        WatchedWindow watched;
        watched.clickGrille(true);
        QSet<QString> seen;
        for (const trace::SketchShape& shape : trace::sketchAfter(watched.trace, 0).shapes) {
            const QString line = QStringLiteral("%1 %2 %3 %4")
                                     .arg(QString::fromStdString(lift::toHexRgb(shape.fill)),
                                          QString::fromStdString(lift::toHexRgb(shape.edge)),
                                          QString::fromStdString(lift::toHexRgb(shape.lit)),
                                          QString::fromStdString(lift::toHexRgb(shape.shaded)));
            if (shape.kind == trace::SketchShape::Kind::FloorButton
                && shape.fill == lift::ColorCabin)
                seen << QStringLiteral("cabin ") + line;
            if (shape.kind == trace::SketchShape::Kind::TextBox)
                seen << QStringLiteral("box edge ") + line.section(u' ', 1, 1);
        }
        QCOMPARE(seen,
                 (QSet<QString>{QStringLiteral("cabin #FF8080 #9F5050 #FFCCCC #733A3A"),
                                QStringLiteral("box edge #7A7A7A")}));
    }

    void typingInTheBoxStaysInFrontOfTheNextLine()
    {
        WatchedWindow watched;
        watched.type("бележка");
        watched.clickGrille(true);
        watched.clickFloor(0); // no direction: the text is appended to
        QCOMPARE(watched.trace.size(), std::size_t(3));
        QCOMPARE(text(watched, 2), std::string("Етаж I\r\n"));
        QVERIFY(stateError(watched, 2).isEmpty());
        watched.type("!");
        watched.tick();
        QCOMPARE(text(watched, 3), std::string("Етаж I\r\nПоследна спирка!\r\n"));
        QVERIFY(stateError(watched, 3).isEmpty());
        QCOMPARE(watched.trace.statusAfter(2),
                 std::string(texts::ExerciseStatement) + "бележкаЕтаж I\r\n");
        watched.type("?");
        watched.clickFloor(5);
        QVERIFY(stateError(watched, 4).isEmpty());
        QCOMPARE(watched.trace.statusAfter(3),
                 std::string(texts::ExerciseStatement)
                     + "бележкаЕтаж I\r\n!Етаж I\r\n"
                       "Последна спирка!\r\n");
    }

    void aSessionBegunAnewStartsFromTheDescription()
    {
        WatchedWindow watched;
        watched.clickGrille(true);
        watched.clickFloor(4);
        watched.tick();
        watched.type("бележка");
        watched.window = WindowModel(lodarixForm());
        watched.trace.beginAnew();
        QCOMPARE(watched.trace.size(), std::size_t(0));
        watched.rules.load();
        QCOMPARE(watched.trace.size(), std::size_t(1));
        QVERIFY(stateError(watched, 0).isEmpty());
        QCOMPARE(watched.trace.statusAfter(0), std::string(texts::ExerciseStatement));
        watched.clickGrille(true);
        watched.clickFloor(2);
        watched.tick();
        QCOMPARE(watched.trace.size(), std::size_t(4));
        QVERIFY2(stateError(watched, 3).isEmpty(), qPrintable(stateError(watched, 3)));
    }

    void aRandomSessionRowByRow_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("seed 7") << 7u;
        QTest::newRow("seed 2027") << 2027u;
    }

    // Every row equals the window right after its event, and only events
    // that ran code or changed the grille made one; every row stays as it
    // was made while the session goes on.
    void aRandomSessionRowByRow()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> action(0, 19);
        std::uniform_int_distribution<int> floor(0, lift::FloorTable::Highest);
        WatchedWindow watched;
        std::vector<std::string> statusAfter{watched.window.statusText()};
        for (int i = 0; i < 5000; ++i) {
            const std::size_t rowsBefore = watched.trace.size();
            const int kind = action(random);
            bool makesRow = true;
            if (kind <= 2) {
                const bool closed = kind != 0;
                makesRow = watched.window.isGrilleClosed() != closed;
                watched.clickGrille(closed);
            } else if (kind <= 6) {
                watched.clickFloor(floor(random));
            } else if (kind == 7) {
                watched.type(i % 2 ? "x" : "\r\nя");
                makesRow = false;
            } else {
                makesRow = watched.window.isEnabled(controls::StepTimer);
                watched.tick();
            }
            QCOMPARE(watched.trace.size(), rowsBefore + (makesRow ? 1 : 0));
            if (!makesRow)
                continue;
            const QString wrong = stateError(watched, watched.trace.size() - 1);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("action %1: %2").arg(i).arg(wrong)));
            statusAfter.push_back(watched.window.statusText());
        }
        for (std::size_t row = 0; row < watched.trace.size(); row += 97)
            QCOMPARE(watched.trace.statusAfter(row), statusAfter[row]);
    }
};

QTEST_APPLESS_MAIN(TestEventTrace)
#include "tst_event_trace.moc"
