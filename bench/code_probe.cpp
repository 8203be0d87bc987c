// lodarix-bench-code: the code window with a long history, offscreen. A
// session of the window model runs the form's code until its statement
// history holds 100,000 statements, its events trace watching, and the code
// window shows them. Then, again and again, a step chosen at random and the
// window repainted: the time from the choice to the window drawn, the
// form after the step rebuilt, its line lit, its words and its drawing.
// Reports "choose-ns" once a choice after a warm-up; "statements", those
// kept; and "statement-bytes-x100", the bytes the history holds a hundred
// times over, per statement.

#include "bench/probe.h"
#include "core/lift/floor_table.h"
#include "core/program/form_code.h"
#include "core/program/form_program.h"
#include "core/program/reader.h"
#include "core/replay/motion_session.h"
#include "core/trace/event_trace.h"
#include "core/trace/statement_history.h"
#include "desktop/code_window/code_window.h"

#include <QApplication>

#include <memory>
#include <random>

namespace {

constexpr std::size_t Kept = 100'000;
constexpr int WarmUps = 5;
constexpr int Choices = 41;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    using namespace lodarix;
    const auto code = std::make_shared<const program::Program>(program::read(program::formCode()));
    replay::MotionSession session(replay::MotionSession::NotLoaded{});
    trace::EventTrace trace(session.recorder());
    trace::StatementHistory history(code);
    session.addRuleObserver(&trace);
    session.addRuleObserver(&history);
    history.setTrace(&trace);
    history.setWindow(&session.model().window());
    session.setEngine([&](lift::WindowOperations& window) {
        auto engine = std::make_unique<program::FormProgram>(
            code, window,
            [&history](const program::StatementRan& ran) { history.statementRan(ran); });
        history.setMachine(&engine->machine());
        return engine;
    });
    session.load();
    std::mt19937 random(20240917);
    std::uniform_int_distribution<int> floor(0, lift::FloorTable::Highest);
    while (history.size() < Kept) {
        session.clickGrilleButton(Grille::Closed);
        session.clickFloorButton(static_cast<lift::FloorIndex>(floor(random)));
        while (session.stepsRunning() && history.size() < Kept)
            session.timerPeriod();
    }

    CodeWindow window;
    window.setSource(program::formCode());
    window.setHistory(&history, code);
    window.resize(900, 900);
    window.show();
    QApplication::processEvents();
    window.repaint();

    std::uniform_int_distribution<std::size_t> statement(0, history.size() - 1);
    for (int choice = 0; choice < WarmUps + Choices; ++choice) {
        const std::int64_t before = bench::monotonicNs();
        window.chooseStatement(statement(random));
        window.repaint();
        if (choice >= WarmUps)
            bench::report("choose-ns", bench::monotonicNs() - before);
    }
    const auto kept = static_cast<std::int64_t>(history.size());
    bench::report("statements", kept);
    bench::report("statement-bytes-x100",
                  static_cast<std::int64_t>(history.bytesHeld()) * 100 / kept);
    return 0;
}
