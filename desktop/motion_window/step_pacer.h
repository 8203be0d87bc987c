// The teacher's hold on the main window's steps: the core's pacer
// (motion::Pacer) bound to the window's step timer, with signals for the
// controls that show its state. Model time (motion::ModelClock) stops with
// the pause and moves on by one interval with each step by hand.
#pragma once

#include "core/motion/model_clock.h"
#include "core/motion/pacer.h"

#include <QObject>

namespace lodarix {

class LodarixWindow;

class StepPacer : public QObject, private motion::PacedSteps {
    Q_OBJECT

public:
    // The window and the clock must outlive the pacer.
    StepPacer(LodarixWindow& window, motion::ModelClock& clock, QObject* parent = nullptr);

    bool paused() const { return pacer_.paused(); }
    int intervalMs() const { return pacer_.intervalMs(); }
    motion::StoreyHeight storeyHeight() const { return pacer_.storeyHeight(); }

    void setPaused(bool paused);
    void togglePaused() { setPaused(!paused()); }
    // While paused and the rules have the steps running: one step now, as the
    // timer's expiry would run it. Otherwise nothing, as while a procedure of
    // the form's code is under way a line at a time.
    void step();
    // Whether step() would do anything of the user's: paused, and no
    // procedure under way.
    bool canStep() const { return paused() && !procedureUnderWay_; }
    void setProcedureUnderWay(bool underWay);
    void setIntervalMs(int intervalMs);
    // The form's code set the timer's period: the interval follows it.
    void followPeriod(int intervalMs);
    void setStoreyHeight(double metres);

signals:
    void pausedChanged(bool paused);
    void canStepChanged(bool canStep);
    void intervalChanged(int intervalMs);
    void storeyHeightChanged(double metres);

private:
    bool stepsRunning() const override;
    void holdSteps(bool held) override;
    void deliverHeldStep() override;
    void setStepPeriod(int intervalMs) override;

    LodarixWindow& window_;
    motion::Pacer pacer_;
    bool procedureUnderWay_ = false;
};

} // namespace lodarix
