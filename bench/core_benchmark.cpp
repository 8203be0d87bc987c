// Events per second through the trip rules: picks and timer steps through the
// window model, and the same through a window that does nothing, which leaves
// the rules' own cost. Each benchmark reports items_per_second, one item per
// event (a pick or a step).

#include "lift/trip_controller.h"
#include "window/model/lodarix_model.h"

#include <benchmark/benchmark.h>

#include <array>

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

} // namespace

BENCHMARK_MAIN();
