// The teacher's hold on the main window's steps, kept from the trip rules.
// While paused the window holds its steps: its timer stays on or off exactly
// as the rules set it, but no step runs; a step by hand delivers one through
// the window; on continuing, a running timer starts a full period anew.
// Model time (motion::ModelClock) stops with the pause and moves on by one
// interval with each step by hand. The interval is the step timer's period.
#pragma once

#include "core/motion/model_clock.h"

#include <QObject>

namespace lodarix {

class LodarixWindow;

class StepPacer : public QObject {
    Q_OBJECT

public:
    // The window and the clock must outlive the pacer.
    StepPacer(LodarixWindow& window, motion::ModelClock& clock, QObject* parent = nullptr);

    bool paused() const { return paused_; }
    int intervalMs() const;

    void setPaused(bool paused);
    void togglePaused() { setPaused(!paused_); }
    // While paused and the rules have the steps running: one step now, as the
    // timer's expiry would run it. Otherwise nothing.
    void step();
    // Clamped to motion::ShortestIntervalMs..LongestIntervalMs; a running timer
    // starts its period anew.
    void setIntervalMs(int intervalMs);

signals:
    void pausedChanged(bool paused);
    void intervalChanged(int intervalMs);

private:
    LodarixWindow& window_;
    motion::ModelClock& clock_;
    bool paused_ = false;
};

} // namespace lodarix
