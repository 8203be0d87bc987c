#include "core/motion/pacer.h"

#include "core/motion/teacher_controls.h"

#include <algorithm>

namespace lodarix::motion {

Pacer::Pacer(PacedSteps& steps, ModelClock& clock, int intervalMs)
    : steps_(steps)
    , clock_(clock)
    , intervalMs_(std::clamp(intervalMs, ShortestIntervalMs, LongestIntervalMs))
{
}

bool Pacer::setPaused(bool paused)
{
    if (paused == clock_.paused())
        return false;
    if (paused)
        clock_.pause();
    else
        clock_.resume();
    steps_.holdSteps(paused);
    return true;
}

bool Pacer::step()
{
    if (!clock_.paused() || !steps_.stepsRunning())
        return false;
    clock_.advance(intervalMs_);
    steps_.deliverHeldStep();
    return true;
}

bool Pacer::setIntervalMs(int intervalMs)
{
    intervalMs = std::clamp(intervalMs, ShortestIntervalMs, LongestIntervalMs);
    if (intervalMs == intervalMs_)
        return false;
    intervalMs_ = intervalMs;
    steps_.setStepPeriod(intervalMs);
    return true;
}

bool Pacer::followPeriod(int intervalMs)
{
    intervalMs = std::clamp(intervalMs, ShortestIntervalMs, LongestIntervalMs);
    if (intervalMs == intervalMs_)
        return false;
    intervalMs_ = intervalMs;
    return true;
}

bool Pacer::setStoreyHeight(double metres)
{
    const StoreyHeight height(storeyHeightWithin(metres));
    if (height.metres() == storeyHeight_.metres())
        return false;
    storeyHeight_ = height;
    return true;
}

bool Pacer::nudgeIntervalMs(int steps)
{
    return setIntervalMs(intervalMs_ + steps * IntervalStepMs);
}

bool Pacer::nudgeStoreyHeight(int steps)
{
    return setStoreyHeight(storeyHeight_.metres() + steps * StoreyHeightStep);
}

bool Pacer::typeIntervalMs(std::string_view typed)
{
    const auto intervalMs = readIntervalMs(typed);
    return intervalMs && setIntervalMs(*intervalMs);
}

bool Pacer::typeStoreyHeight(std::string_view typed)
{
    const auto metres = readStoreyHeight(typed);
    return metres && setStoreyHeight(*metres);
}

} // namespace lodarix::motion
