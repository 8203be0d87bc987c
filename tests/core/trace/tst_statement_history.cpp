// The statement history against the live form: for every statement of a
// session that goes from floor 1 to 11 and back, with typing in the status
// box, a refused pick and a pick mid-trip, the form rebuilt after it has the
// variables, the window and the sketch that the live form had right then.
// Each row of the events trace knows its statements, and each statement its
// row. And it keeps no more than asked, dropping the oldest.

#include "core/form/lodarix_controls.h"
#include "core/model/lodarix_model.h"
#include "core/program/form_code.h"
#include "core/program/reader.h"
#include "core/replay/state_json.h"
#include "core/trace/statement_history.h"
#include "core/trace/step_choice.h"
#include "core/trace/step_report.h"
#include "core/trace/window_sketch.h"

#include <QTest>

using namespace lodarix;

namespace {

struct Seen {
    std::vector<program::Value> variables;
    std::string window; // the state line of the window model
    std::vector<trace::SketchShape> shapes;
};

// The window's state as the replay tool writes it, without the form's floors.
std::string windowState(const WindowModel& window)
{
    std::string state;
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor)
        state += std::to_string(window.backColor(controls::FloorButtons, floor)) + ",";
    state += std::to_string(window.selectedIndex(controls::FloorButtons).value_or(-1)) + ","
        + std::to_string(window.selectedIndex(controls::GrilleButtons).value_or(-1)) + ","
        + (window.isEnabled(controls::StepTimer) ? "on," : "off,")
        + (window.isVisible(controls::FloorNameList) ? "shown," : "hidden,") + window.statusText();
    return state;
}

struct Session {
    explicit Session(std::size_t maxKept, std::string_view source = program::formCode())
        : code(std::make_shared<const program::Program>(program::read(source)))
        , history(code, maxKept)
    {
        model.setRuleObserver(&record);
        model.addRuleObserver(&trace);
        model.addRuleObserver(&history);
        history.setWindow(&model.window());
        history.setTrace(&trace);
        model.setEngine([this](lift::WindowOperations& window) {
            auto engine = std::make_unique<program::FormProgram>(code, window);
            history.setMachine(&engine->machine());
            engine->setListener([this](const program::StatementRan& ran) {
                history.statementRan(ran);
                seen.push_back({ran.machine.variables(), windowState(model.window()),
                                trace::sketchOf(model.window(), 0, 0).shapes});
            });
            return engine;
        });
        model.load();
    }

    void trip(int from, int to)
    {
        model.clickGrilleButton(Grille::Closed);
        model.clickFloorButton(lift::FloorIndex(to - 1));
        for (int i = 0; i < std::abs(to - from); ++i)
            model.timerPeriod();
    }

    std::shared_ptr<const program::Program> code;
    motion::MotionRecorder record{[] { return std::int64_t(0); }, 800};
    trace::EventTrace trace{record};
    trace::StatementHistory history;
    LodarixModel model;
    std::vector<Seen> seen;
};

} // namespace

class TestStatementHistory : public QObject {
    Q_OBJECT

private slots:
    void everyStatementIsRebuiltAsTheLiveFormHadIt()
    {
        Session session(trace::StatementHistory::MaxKept);
        session.model.clickFloorButton(4); // refused: the grille is open
        session.trip(1, 11);
        session.model.clickGrilleButton(Grille::Closed);
        session.model.clickFloorButton(5);
        session.model.timerPeriod();
        session.model.clickFloorButton(0); // mid-trip: the cabin jumps to 6
        session.model.clickGrilleButton(Grille::Open);
        for (int i = 0; i < 3; ++i)
            session.model.timerPeriod();
        // Typing between two steps: the next step finds it when it appends.
        const_cast<WindowModel&>(session.model.window()).setStatusText("typed by hand\r\n");
        for (int i = 0; i < 3; ++i)
            session.model.timerPeriod();
        session.trip(1, 1);
        // Typing while the grille stands closed, then a pick.
        session.model.clickGrilleButton(Grille::Closed);
        const_cast<WindowModel&>(session.model.window()).setStatusText("typed again\r\n");
        session.model.clickFloorButton(2);

        const trace::StatementHistory& history = session.history;
        QCOMPARE(history.size(), session.seen.size());
        QVERIFY(history.size() > 150);
        for (std::size_t k = 0; k < history.size(); ++k) {
            const trace::Moment moment = history.momentAfter(k);
            const Seen& seen = session.seen[k];
            QVERIFY2(moment.variables == seen.variables, qPrintable(QString::number(k)));
            QCOMPARE(windowState(*moment.window), seen.window);
            QVERIFY(trace::sketchOf(*moment.window, 0, 0).shapes == seen.shapes);
        }
    }

    void eachRowOfTheTraceKnowsItsStatements()
    {
        Session session(trace::StatementHistory::MaxKept);
        session.trip(1, 3);
        session.model.clickGrilleButton(Grille::Open);
        session.trip(3, 2);
        const trace::StatementHistory& history = session.history;
        std::size_t statement = 0;
        for (std::size_t row = 0; row < session.trace.size(); ++row) {
            const auto lines = history.statementsOfRow(row);
            if (session.trace.rows()[row].kind == trace::EventKind::Grille) {
                QVERIFY(!lines);
                continue;
            }
            QVERIFY2(lines && lines->first == statement && lines->second > statement,
                     qPrintable(QString::number(row)));
            for (; statement < lines->second; ++statement)
                QCOMPARE(history.rowOf(statement), std::optional<std::size_t>(row));
        }
        QCOMPARE(statement, history.size());
        QVERIFY(!history.statementsOfRow(session.trace.size()));
    }

    // A step that fails makes no row; the grille's row after it is none of its.
    void aFailedEventHasNoRowAndLendsNoneItsLines()
    {
        std::string source(program::formCode());
        const std::string step = "Private Sub Timer1_Timer()\n";
        source.insert(source.find(step) + step.size(),
                      "    TargetFloor = TargetFloor\n    Option1(11).BackColor = &HFF00&\n");
        Session session(trace::StatementHistory::MaxKept, source);
        session.model.clickGrilleButton(Grille::Closed);
        session.model.clickFloorButton(3);
        QVERIFY_THROWS_EXCEPTION(program::ProgramError, session.model.timerPeriod());
        const std::size_t failed = session.history.size() - 1;
        session.model.clickGrilleButton(Grille::Open);
        const std::size_t grilleRow = session.trace.size() - 1;
        QCOMPARE(session.trace.rows()[grilleRow].kind, trace::EventKind::Grille);
        QCOMPARE(session.history.rowOf(failed), std::nullopt);
        QCOMPARE(session.history.statementsOfRow(grilleRow), std::nullopt);
        QVERIFY(session.history.rowOf(failed - 1).has_value());
    }

    void theOldestAreDroppedBeyondWhatIsKept()
    {
        Session session(100);
        session.trip(1, 11);
        session.trip(11, 1);
        const trace::StatementHistory& history = session.history;
        QCOMPARE(history.size(), std::size_t(100));
        QCOMPARE(history.dropped(), session.seen.size() - 100);
        const Seen& last = session.seen.back();
        QCOMPARE(windowState(*history.momentAfter(99).window), last.window);
        const Seen& oldest = session.seen[std::size_t(history.dropped())];
        QCOMPARE(windowState(*history.momentAfter(0).window), oldest.window);
        // The oldest kept event lost its first statements: its row has the rest.
        const std::size_t row = *history.rowOf(0);
        QCOMPARE(history.statementsOfRow(row)->first, std::size_t(0));
        QVERIFY(!history.statementsOfRow(0));

        // Steps keep their numbers as the oldest go.
        const std::uint64_t steps = session.seen.size();
        QCOMPARE(trace::stepNumber(history, 99), steps);
        QCOMPARE(trace::keptStatement(history, steps - 1), std::size_t(98));
        QCOMPARE(trace::keptStatement(history, 1), std::size_t(0));
        QCOMPARE(trace::keptStatement(history, steps + 5), std::size_t(99));
    }

    void aChosenStepStaysWhileTheFormGoesOnUntilTheLatestIsChosen()
    {
        Session session(40);
        trace::StepChoice choice;
        const trace::StatementHistory& history = session.history;
        QCOMPARE(choice.shown(trace::StatementHistory(session.code)), std::nullopt);
        session.trip(1, 2);
        QCOMPARE(choice.shown(history), history.size() - 1);
        choice.move(history, -3);
        const std::uint64_t step = trace::stepNumber(history, *choice.shown(history));
        QVERIFY(!choice.following());
        session.model.timerPeriod();
        QCOMPARE(trace::stepNumber(history, *choice.shown(history)), step);
        choice.chooseStep(history, step + 1'000);
        QVERIFY(choice.following());
        choice.move(history, -1);
        choice.move(history, +1);
        QVERIFY(choice.following());
        // A chosen step that is dropped shows as the oldest kept.
        choice.choose(history, 0);
        session.trip(2, 6);
        QCOMPARE(choice.shown(history), std::size_t(0));
        QVERIFY(!choice.chooseRow(history, 0));
        QVERIFY(choice.chooseRow(history, *history.rowOf(history.size() - 1)));
    }

    void aChosenStepSaysWhereItRanAndWhatItLeft()
    {
        Session session(trace::StatementHistory::MaxKept);
        session.trip(1, 3);
        const trace::StatementHistory& history = session.history;
        std::size_t firstOfStep = 0;
        while (history.at(firstOfStep).procedure != session.code->timer1Timer)
            ++firstOfStep;
        const trace::Moment moment = history.momentAfter(firstOfStep + 1);
        const std::string source(program::formCode());
        const std::string heading = trace::stepHeading(*session.code, history, firstOfStep + 1);
        QVERIFY2(heading.starts_with("Стъпка " + std::to_string(firstOfStep + 2) + " от "
                                     + std::to_string(history.size()) + ": Timer1_Timer, ред "),
                 heading.c_str());
        QCOMPARE(trace::variablesAfter(*session.code, moment),
                 std::string("След нея: CurrentFloor = 0, TargetFloor = 2"));
        const std::string summary =
            trace::stepSummary(source, *session.code, history, firstOfStep + 1, moment);
        QVERIFY(summary.starts_with(heading + ". "));
        QVERIFY(summary.ends_with(". След нея: CurrentFloor = 0, TargetFloor = 2."));
    }
};

QTEST_APPLESS_MAIN(TestStatementHistory)
#include "tst_statement_history.moc"
