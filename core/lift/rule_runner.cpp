#include "core/lift/rule_runner.h"

#include <vector>

namespace lodarix::lift {

RuleRunner::RuleRunner(WindowOperations& window)
    : window_(window)
    , watched_(window, observers_)
    , controller_(watched_)
{
}

void RuleRunner::setObserver(RuleObserver* observer)
{
    observers_.clear();
    addObserver(observer);
}

void RuleRunner::addObserver(RuleObserver* observer)
{
    if (observer)
        observers_.push_back(observer);
}

void RuleRunner::removeObserver(RuleObserver* observer)
{
    std::erase(observers_, observer);
}

void RuleRunner::load()
{
    tell([](RuleObserver& observer) { observer.procedureStarting(Procedure::FormLoad, 0); });
    controller_.Form_Load();
    tell([this](RuleObserver& observer) { observer.loaded(controller_); });
}

void RuleRunner::pick(FloorIndex floor)
{
    const bool grilleWasClosed = !observers_.empty() && window_.isGrilleClosed();
    tell([floor](RuleObserver& observer) {
        observer.procedureStarting(Procedure::Option1Click, floor);
    });
    controller_.Option1_Click(floor);
    tell([&](RuleObserver& observer) { observer.floorPicked(controller_, grilleWasClosed); });
}

void RuleRunner::step()
{
    tell([](RuleObserver& observer) { observer.procedureStarting(Procedure::Timer1Timer, 0); });
    controller_.Timer1_Timer();
    tell([this](RuleObserver& observer) { observer.stepRan(controller_); });
}

void RuleRunner::grilleClicked()
{
    if (observers_.empty())
        return;
    const bool closed = window_.isGrilleClosed();
    const std::string status = window_.statusText();
    tell([&](RuleObserver& observer) { observer.grilleSelected(closed, status); });
}

} // namespace lodarix::lift
