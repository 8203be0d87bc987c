#include "core/replay/motion_session.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"
#include "core/replay/runner.h"

#include <variant>

namespace lodarix::replay {

MotionSession::MotionSession()
    : MotionSession(NotLoaded{})
{
    model_.load();
}

MotionSession::MotionSession(NotLoaded)
    : periodMs_(stepPeriodMs())
    , recorder_([this] { return nowMs_; }, periodMs_)
{
    model_.setRuleObserver(&recorder_);
}

void MotionSession::run(const Command& command)
{
    if (std::holds_alternative<Tick>(command.action))
        timerPeriod();
    else
        replay::run(command, model_);
}

void MotionSession::timerPeriod()
{
    const std::int64_t startMs = nowMs_;
    model_.passTime(periodMs_, [this, startMs](int atMs) { nowMs_ = startMs + atMs; });
    nowMs_ = startMs + periodMs_;
}

bool MotionSession::stepsRunning() const
{
    return model_.window().isEnabled(controls::StepTimer);
}

void MotionSession::beginNewRecord()
{
    recorder_ = motion::MotionRecorder([this] { return nowMs_; }, periodMs_);
    recorder_.loaded(model_.controller());
}

} // namespace lodarix::replay
