#include "desktop/motion_window/step_pacer.h"

#include "desktop/window/lodarix_window.h"

namespace lodarix {

StepPacer::StepPacer(LodarixWindow& window, motion::ModelClock& clock, QObject* parent)
    : QObject(parent)
    , window_(window)
    , pacer_(*this, clock, window.stepIntervalMs())
{
}

void StepPacer::setPaused(bool paused)
{
    if (pacer_.setPaused(paused)) {
        emit pausedChanged(paused);
        emit canStepChanged(canStep());
    }
}

void StepPacer::step()
{
    if (!procedureUnderWay_)
        pacer_.step();
}

void StepPacer::setProcedureUnderWay(bool underWay)
{
    if (underWay == procedureUnderWay_)
        return;
    procedureUnderWay_ = underWay;
    emit canStepChanged(canStep());
}

void StepPacer::setIntervalMs(int intervalMs)
{
    if (pacer_.setIntervalMs(intervalMs))
        emit intervalChanged(pacer_.intervalMs());
}

void StepPacer::followPeriod(int intervalMs)
{
    if (pacer_.followPeriod(intervalMs))
        emit intervalChanged(pacer_.intervalMs());
}

void StepPacer::setStoreyHeight(double metres)
{
    if (pacer_.setStoreyHeight(metres))
        emit storeyHeightChanged(pacer_.storeyHeight().metres());
}

bool StepPacer::stepsRunning() const
{
    return window_.stepsRunning();
}

void StepPacer::holdSteps(bool held)
{
    window_.setStepsHeld(held);
}

void StepPacer::deliverHeldStep()
{
    window_.deliverStep(LodarixWindow::WhenHeld::Run);
}

void StepPacer::setStepPeriod(int intervalMs)
{
    window_.setStepIntervalMs(intervalMs);
}

} // namespace lodarix
