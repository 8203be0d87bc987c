#include "core/lift/rule_runner.h"

#include <vector>

namespace lodarix::lift {

RuleRunner::RuleRunner(WindowOperations& window)
    : window_(window)
    , watched_(window, observers_)
    , engine_(std::make_unique<TripController>(watched_))
{
}

void RuleRunner::setEngine(const EngineMaker& make)
{
    engine_ = make(watched_);
}

void RuleRunner::useBuiltInRules()
{
    engine_ = std::make_unique<TripController>(watched_);
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
    engine_->Form_Load();
    tell([this](RuleObserver& observer) { observer.loaded(*engine_); });
}

void RuleRunner::pick(FloorIndex floor)
{
    const bool grilleWasClosed = !observers_.empty() && window_.isGrilleClosed();
    tell([floor](RuleObserver& observer) {
        observer.procedureStarting(Procedure::Option1Click, floor);
    });
    engine_->Option1_Click(floor);
    tell([&](RuleObserver& observer) { observer.floorPicked(*engine_, grilleWasClosed); });
}

void RuleRunner::step()
{
    tell([](RuleObserver& observer) { observer.procedureStarting(Procedure::Timer1Timer, 0); });
    engine_->Timer1_Timer();
    tell([this](RuleObserver& observer) { observer.stepRan(*engine_); });
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
