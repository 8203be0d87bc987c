// Events per second through the trip rules: picks and timer steps through the
// window model, with and without the motion recorded, and the same through a
// window that does nothing, which leaves the rules' own cost. Each of these
// reports items_per_second, one item per event (a pick or a step); the same
// trips through the form's code on the window model report one item per
// statement that the interpreter carried out. Then the
// motion record itself: the bytes a row takes, and the reduction of a long
// session to a graph's pixel columns, whole and for a window of 60 s.

#include "bench/long_session.h"
#include "core/form/lodarix_form.h"
#include "core/lift/trip_controller.h"
#include "core/model/lodarix_model.h"
#include "core/motion/decimation.h"
#include "core/motion/motion_recorder.h"
#include "core/motion/time_range.h"
#include "core/program/form_code.h"
#include "core/program/form_program.h"
#include "core/program/program_error.h"
#include "core/program/reader.h"
#include "core/replay/motion_session.h"
#include "core/replay/program_compare.h"
#include "core/trace/statement_history.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace lodarix;

namespace {

// Floors picked in turn: long and short trips both ways, and a pick of the
// floor the cabin is already at.
constexpr std::array<lift::FloorIndex, 8> Picks{10, 0, 5, 5, 3, 9, 8, 1};

// A window that keeps nothing: the grille is always closed, the status box
// always empty.
class NoOpWindow final : public lift::WindowOperations {
public:
    void paintFloorButton(lift::FloorIndex, lift::Color) override {}
    bool isGrilleClosed() const override { return true; }
    void openGrille() override {}
    void setStepsRunning(bool running) override { running_ = running; }
    std::string statusText() const override { return {}; }
    void setStatusText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    std::string floorName(lift::FloorIndex floor) const override
    {
        return std::string{lift::FloorTable::Names[static_cast<std::size_t>(floor)]};
    }
    void hideFloorNames() override {}
    std::string floorCaption(lift::FloorIndex floor) const override
    {
        return std::string(lift::FloorTable::caption(floor));
    }
    int floorNameCount() const override { return lift::FloorTable::Count; }
    int stepPeriod() const override { return stepPeriodMs(); }
    void setStepPeriod(int) override {}

    bool running() const { return running_; }

private:
    bool running_ = false;
};

void tripsThroughTheModel(benchmark::State& state)
{
    lodarix::LodarixModel model;
    model.load();
    model.clickGrilleButton(lodarix::Grille::Closed);
    std::size_t next = 0;
    std::int64_t events = 0;
    for (auto _ : state) {
        model.clickFloorButton(Picks[next++ % Picks.size()]);
        ++events;
        while (model.window().isEnabled("Timer1")) {
            model.timerPeriod();
            ++events;
        }
        model.clickGrilleButton(lodarix::Grille::Closed);
    }
    state.SetItemsProcessed(events);
}
BENCHMARK(tripsThroughTheModel);

// Trips as in tripsThroughTheModel, recorded. A new record begins every
// RowsPerRecord rows, about an hour of steps, as when the program is started
// anew for the next lesson, so that the record's growth is paid again and again.
constexpr std::size_t RowsPerRecord = 4096;

void tripsThroughTheModelRecorded(benchmark::State& state)
{
    lodarix::replay::MotionSession recorded;
    recorded.clickGrilleButton(lodarix::Grille::Closed);
    std::size_t next = 0;
    std::int64_t events = 0;
    for (auto _ : state) {
        recorded.clickFloorButton(Picks[next++ % Picks.size()]);
        ++events;
        while (recorded.stepsRunning()) {
            recorded.timerPeriod();
            ++events;
        }
        recorded.clickGrilleButton(lodarix::Grille::Closed);
        if (recorded.recorder().rows().size() >= RowsPerRecord)
            recorded.beginNewRecord();
    }
    state.SetItemsProcessed(events);
}
BENCHMARK(tripsThroughTheModelRecorded);

void tripsThroughTheRulesAlone(benchmark::State& state)
{
    NoOpWindow window;
    lift::TripController controller(window);
    controller.Form_Load();
    std::size_t next = 0;
    std::int64_t events = 0;
    for (auto _ : state) {
        controller.Option1_Click(Picks[next++ % Picks.size()]);
        ++events;
        while (window.running()) {
            controller.Timer1_Timer();
            ++events;
        }
    }
    state.SetItemsProcessed(events);
}
BENCHMARK(tripsThroughTheRulesAlone);

void tripsThroughTheFormsCode(benchmark::State& state)
{
    lodarix::LodarixModel model;
    std::int64_t statements = 0;
    const auto code = std::make_shared<const program::Program>(program::read(program::formCode()));
    model.setEngine([&](lift::WindowOperations& window) {
        auto engine = std::make_unique<program::FormProgram>(code, window);
        engine->setListener([&statements](const program::StatementRan&) { ++statements; });
        return engine;
    });
    model.load();
    model.clickGrilleButton(lodarix::Grille::Closed);
    std::size_t next = 0;
    statements = 0;
    for (auto _ : state) {
        model.clickFloorButton(Picks[next++ % Picks.size()]);
        while (model.window().isEnabled("Timer1"))
            model.timerPeriod();
        model.clickGrilleButton(lodarix::Grille::Closed);
    }
    state.SetItemsProcessed(statements);
}
BENCHMARK(tripsThroughTheFormsCode);

// A history of 100,000 statements of the form's code, kept while trips run.
struct KeptStatements {
    KeptStatements()
    {
        model.setRuleObserver(&history);
        history.setWindow(&model.window());
        model.setEngine([this](lift::WindowOperations& window) {
            auto engine = std::make_unique<program::FormProgram>(code, window);
            history.setMachine(&engine->machine());
            engine->setListener(
                [this](const program::StatementRan& ran) { history.statementRan(ran); });
            return engine;
        });
        model.load();
        for (std::size_t next = 0; history.size() < Statements; ++next) {
            model.clickGrilleButton(lodarix::Grille::Closed);
            model.clickFloorButton(Picks[next % Picks.size()]);
            while (model.window().isEnabled("Timer1") && history.size() < Statements)
                model.timerPeriod();
        }
    }

    static constexpr std::size_t Statements = 100'000;
    std::shared_ptr<const program::Program> code =
        std::make_shared<const program::Program>(program::read(program::formCode()));
    trace::StatementHistory history{code};
    lodarix::LodarixModel model;
};

void statementHistoryBytes(benchmark::State& state)
{
    for (auto _ : state) {
        KeptStatements kept;
        state.counters["bytes_per_statement"] = static_cast<double>(kept.history.bytesHeld())
            / static_cast<double>(kept.history.size());
    }
}
BENCHMARK(statementHistoryBytes)->Iterations(1);

// The form after a statement near the end of 100,000 kept, as a view shows it.
void formAfterAKeptStatement(benchmark::State& state)
{
    static const KeptStatements kept;
    std::size_t statement = KeptStatements::Statements - 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kept.history.momentAfter(statement));
        statement = statement >= 7 ? statement - 7 : KeptStatements::Statements - 1;
    }
}
BENCHMARK(formAfterAKeptStatement)->Unit(benchmark::kMicrosecond);

// A teacher's check of a class: 30 programs, each differing from the form's
// code in a colour of one floor or none, against it on five scripts of the
// lesson's length, as lodarix-replay --check runs them (files aside).
void checkingAClassOfThirty(benchmark::State& state)
{
    const std::string original(program::formCode());
    const auto reference = std::make_shared<const program::Program>(program::read(original));
    std::vector<std::shared_ptr<const program::Program>> programs;
    for (int pupil = 0; pupil < 30; ++pupil) {
        std::string text = original;
        if (pupil % 3 == 1)
            text.replace(text.rfind("&HFF00&"), 7, "&HFFFF&");
        programs.push_back(std::make_shared<const program::Program>(program::read(text)));
    }
    std::vector<std::vector<replay::Command>> scripts;
    for (int script = 0; script < 5; ++script) {
        std::vector<replay::Command> commands;
        for (int trip = 0; trip < 4; ++trip) {
            const int floor = 1 + (script * 3 + trip * 5) % 11;
            commands.push_back({replay::Close{}, "close"});
            commands.push_back({replay::Pick{floor}, "pick " + std::to_string(floor)});
            for (int tick = 0; tick < 10; ++tick)
                commands.push_back({replay::Tick{}, "tick"});
        }
        scripts.push_back(std::move(commands));
    }
    for (auto _ : state) {
        std::vector<std::vector<replay::EventRun>> expected;
        for (const auto& script : scripts)
            expected.push_back(replay::runEvents(reference, script));
        for (const auto& program : programs) {
            for (std::size_t script = 0; script < scripts.size(); ++script) {
                if (replay::firstDifference(replay::runEvents(program, scripts[script]),
                                            expected[script]))
                    break;
            }
        }
    }
}
BENCHMARK(checkingAClassOfThirty)->Unit(benchmark::kMillisecond);

// A click whose procedure never ends, stopped at its step limit with its
// error, as a face runs it.
void anEndlessClickStopped(benchmark::State& state)
{
    std::string text(program::formCode());
    const std::string click = "Private Sub Option1_Click(Index As Integer)\n";
    text.insert(text.find(click) + click.size(), "    Do While True\n    Loop\n");
    const auto code = std::make_shared<const program::Program>(program::read(text));
    for (auto _ : state) {
        lodarix::LodarixModel model;
        model.setEngine([&code](lift::WindowOperations& window) {
            return std::make_unique<program::FormProgram>(code, window);
        });
        model.load();
        model.clickGrilleButton(lodarix::Grille::Closed);
        try {
            model.clickFloorButton(4);
        } catch (const program::ProgramError& error) {
            benchmark::DoNotOptimize(error.number());
        }
    }
}
BENCHMARK(anEndlessClickStopped)->Unit(benchmark::kMillisecond);

// A long session of bench::LongSessionRows rows.
const lodarix::replay::MotionSession& longSession()
{
    static const lodarix::replay::MotionSession* const session = [] {
        auto* recorded = new lodarix::replay::MotionSession;
        bench::playLongSession(*recorded);
        return recorded;
    }();
    return *session;
}

// The bytes a row of the record takes, its vector's spare room included,
// after the long session.
void motionRecordBytesPerRow(benchmark::State& state)
{
    const motion::MotionRecorder& recorder = longSession().recorder();
    for (auto _ : state)
        benchmark::DoNotOptimize(recorder.rows().data());
    state.counters["bytes_per_row"] =
        static_cast<double>(recorder.bytesHeld()) / static_cast<double>(recorder.rows().size());
    state.counters["row_size"] = static_cast<double>(sizeof(motion::Row));
}
BENCHMARK(motionRecordBytesPerRow);

// The session reduced to the pixel columns of a wide graph: the whole of it,
// or the last 60 s.
constexpr int GraphColumns = 1920;

void decimateWholeSession(benchmark::State& state)
{
    const auto rows = longSession().recorder().rows();
    std::size_t points = 0;
    for (auto _ : state) {
        const auto kept = motion::decimate(rows, 0, rows.back().timeMs, GraphColumns);
        points = kept.size();
        benchmark::DoNotOptimize(kept.data());
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(decimateWholeSession)->Unit(benchmark::kMicrosecond);

void decimateSixtySecondWindow(benchmark::State& state)
{
    const auto rows = longSession().recorder().rows();
    const std::int64_t endMs = rows.back().timeMs;
    std::size_t points = 0;
    for (auto _ : state) {
        const auto kept = motion::decimate(rows, endMs - 60'000, endMs, GraphColumns);
        points = kept.size();
        benchmark::DoNotOptimize(kept.data());
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(decimateSixtySecondWindow)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
