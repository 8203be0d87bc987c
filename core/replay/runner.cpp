#include "core/replay/runner.h"

namespace lodarix::replay {

namespace {

struct Runner {
    LodarixModel& model;

    void operator()(Close) { model.clickGrilleButton(Grille::Closed); }
    void operator()(Open) { model.clickGrilleButton(Grille::Open); }
    void operator()(Pick pick)
    {
        model.clickFloorButton(static_cast<lift::FloorIndex>(pick.floorNumber - 1));
    }
    void operator()(Tick) { model.timerPeriod(); }
};

} // namespace

void run(const Command& command, LodarixModel& model)
{
    std::visit(Runner{model}, command.action);
}

} // namespace lodarix::replay
