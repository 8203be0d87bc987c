// The teacher's hold on the step timer, kept from the trip rules. While
// paused the timer stays on or off exactly as the rules set it, but its
// expiries are held back; a step by hand delivers one expiry through the
// timer itself; on continuing, a running timer starts a full period anew.
// Model time (motion::ModelClock) stops with the pause and moves on by one
// interval with each step by hand. The interval is the timer's period.
#pragma once

#include "core/motion/model_clock.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace lodarix {

class StepPacer : public QObject {
    Q_OBJECT

public:
    static constexpr int ShortestIntervalMs = 200;
    static constexpr int LongestIntervalMs = 2000;
    static constexpr int IntervalStepMs = 100;

    // The timer and the clock must outlive the pacer.
    StepPacer(QTimer& stepTimer, motion::ModelClock& clock, QObject* parent = nullptr);

    bool paused() const { return paused_; }
    int intervalMs() const;

    void setPaused(bool paused);
    void togglePaused() { setPaused(!paused_); }
    // While paused and the rules have the steps running: one step now, as the
    // timer's expiry would run it. Otherwise nothing.
    void step();
    // Clamped to ShortestIntervalMs..LongestIntervalMs; a running timer
    // starts its period anew.
    void setIntervalMs(int intervalMs);

signals:
    void pausedChanged(bool paused);
    void intervalChanged(int intervalMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QTimer> timer_;
    motion::ModelClock& clock_;
    bool paused_ = false;
    bool stepping_ = false;
};

} // namespace lodarix
