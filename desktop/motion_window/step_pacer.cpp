#include "desktop/motion_window/step_pacer.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QTimerEvent>

#include <algorithm>

namespace lodarix {

StepPacer::StepPacer(QTimer& stepTimer, motion::ModelClock& clock, QObject* parent)
    : QObject(parent)
    , timer_(&stepTimer)
    , clock_(clock)
{
}

int StepPacer::intervalMs() const
{
    return timer_ ? timer_->interval() : 0;
}

void StepPacer::setPaused(bool paused)
{
    if (paused == paused_ || !timer_)
        return;
    paused_ = paused;
    if (paused) {
        clock_.pause();
        timer_->installEventFilter(this);
    } else {
        timer_->removeEventFilter(this);
        clock_.resume();
        if (timer_->isActive())
            timer_->start();
    }
    emit pausedChanged(paused);
}

void StepPacer::step()
{
    if (!paused_ || !timer_ || !timer_->isActive())
        return;
    clock_.advance(timer_->interval());
    const QScopedValueRollback letThrough(stepping_, true);
    QTimerEvent expiry(timer_->timerId());
    QCoreApplication::sendEvent(timer_, &expiry);
}

void StepPacer::setIntervalMs(int intervalMs)
{
    intervalMs = std::clamp(intervalMs, ShortestIntervalMs, LongestIntervalMs);
    if (!timer_ || intervalMs == timer_->interval())
        return;
    timer_->setInterval(intervalMs); // a running timer starts its period anew
    emit intervalChanged(intervalMs);
}

bool StepPacer::eventFilter(QObject* watched, QEvent* event)
{
    return watched == timer_ && event->type() == QEvent::Timer && paused_ && !stepping_;
}

} // namespace lodarix
