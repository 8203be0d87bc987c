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
    running_ = Procedure::FormLoad;
    tell([](RuleObserver& observer) { observer.procedureStarting(Procedure::FormLoad, 0); });
    engine_->Form_Load();
    endEvent();
}

void RuleRunner::pick(FloorIndex floor)
{
    running_ = Procedure::Option1Click;
    grilleWasClosed_ = !observers_.empty() && window_.isGrilleClosed();
    tell([floor](RuleObserver& observer) {
        observer.procedureStarting(Procedure::Option1Click, floor);
    });
    engine_->Option1_Click(floor);
    endEvent();
}

void RuleRunner::step()
{
    running_ = Procedure::Timer1Timer;
    tell([](RuleObserver& observer) { observer.procedureStarting(Procedure::Timer1Timer, 0); });
    engine_->Timer1_Timer();
    endEvent();
}

void RuleRunner::advance()
{
    if (!engine_->partWay())
        return;
    engine_->advance();
    endEvent();
}

void RuleRunner::endEvent()
{
    if (engine_->partWay())
        return;
    switch (running_) {
    case Procedure::FormLoad:
        tell([this](RuleObserver& observer) { observer.loaded(*engine_); });
        break;
    case Procedure::Option1Click:
        tell([this](RuleObserver& observer) { observer.floorPicked(*engine_, grilleWasClosed_); });
        break;
    case Procedure::Timer1Timer:
        tell([this](RuleObserver& observer) { observer.stepRan(*engine_); });
        break;
    }
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
