#include "desktop/motion_window/step_pacer.h"

#include "core/motion/teacher_controls.h"
#include "desktop/window/lodarix_window.h"

#include <algorithm>

namespace lodarix {

StepPacer::StepPacer(LodarixWindow& window, motion::ModelClock& clock, QObject* parent)
    : QObject(parent)
    , window_(window)
    , clock_(clock)
{
}

int StepPacer::intervalMs() const
{
    return window_.stepIntervalMs();
}

void StepPacer::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    if (paused) {
        clock_.pause();
        window_.setStepsHeld(true);
    } else {
        clock_.resume();
        window_.setStepsHeld(false);
    }
    emit pausedChanged(paused);
}

void StepPacer::step()
{
    if (!paused_ || !window_.stepsRunning())
        return;
    clock_.advance(window_.stepIntervalMs());
    window_.deliverStep(LodarixWindow::WhenHeld::Run);
}

void StepPacer::setIntervalMs(int intervalMs)
{
    intervalMs = std::clamp(intervalMs, motion::ShortestIntervalMs, motion::LongestIntervalMs);
    if (intervalMs == window_.stepIntervalMs())
        return;
    window_.setStepIntervalMs(intervalMs);
    emit intervalChanged(intervalMs);
}

} // namespace lodarix
