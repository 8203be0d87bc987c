#include "core/lift/rule_runner.h"

namespace lodarix::lift {

RuleRunner::RuleRunner(WindowOperations& window)
    : window_(window)
    , controller_(window)
{
}

void RuleRunner::load()
{
    controller_.Form_Load();
    if (observer_)
        observer_->loaded(controller_);
}

void RuleRunner::pick(FloorIndex floor)
{
    const bool grilleWasClosed = observer_ && window_.isGrilleClosed();
    controller_.Option1_Click(floor);
    if (observer_)
        observer_->floorPicked(controller_, grilleWasClosed);
}

void RuleRunner::step()
{
    controller_.Timer1_Timer();
    if (observer_)
        observer_->stepRan(controller_);
}

} // namespace lodarix::lift
