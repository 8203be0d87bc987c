// The teacher's hold on the steps, the same on every face: pause and
// continue, one step by hand while paused, the step interval and the storey
// height, each set from a control's arrows or from what was typed into it.
// While paused, the face's step timer keeps the state the rules gave it but
// runs no step, and model time stands; a step by hand runs one step and moves
// model time on by one interval; on continuing, a running timer starts a full
// period anew. The face reaches its step timer through PacedSteps.
#pragma once

#include "core/motion/model_clock.h"
#include "core/motion/speed.h"

#include <string_view>

namespace lodarix::motion {

class PacedSteps {
public:
    // Whether the rules have the step timer on.
    virtual bool stepsRunning() const = 0;
    // While held, no step runs; on release a running timer starts a full period.
    virtual void holdSteps(bool held) = 0;
    // Runs one step now, as the timer's expiry would, though the steps are held.
    virtual void deliverHeldStep() = 0;
    // The timer's new period; a running timer starts it anew.
    virtual void setStepPeriod(int intervalMs) = 0;

protected:
    ~PacedSteps() = default;
};

class Pacer {
public:
    // steps and clock must outlive the pacer; intervalMs: the step timer's
    // period now, brought within range.
    Pacer(PacedSteps& steps, ModelClock& clock, int intervalMs);

    bool paused() const { return clock_.paused(); }
    int intervalMs() const { return intervalMs_; }
    StoreyHeight storeyHeight() const { return storeyHeight_; }

    // Each returns whether anything changed.
    bool setPaused(bool paused);
    // Only while paused and the rules have the steps running.
    bool step();
    // Brought within ShortestIntervalMs..LongestIntervalMs.
    bool setIntervalMs(int intervalMs);
    // The form's code set the step timer's period (Timer1.Interval): the
    // interval shows it, and the timer, which has it already, is left alone.
    bool followPeriod(int intervalMs);
    // Rounded to 0.1 m and brought within StoreyHeight's range.
    bool setStoreyHeight(double metres);
    // A control's arrows: steps of IntervalStepMs or StoreyHeightStep, up
    // for steps > 0, brought within range.
    bool nudgeIntervalMs(int steps);
    bool nudgeStoreyHeight(int steps);
    // What was typed, read by readIntervalMs and readStoreyHeight; an empty
    // or unreadable text keeps the value.
    bool typeIntervalMs(std::string_view typed);
    bool typeStoreyHeight(std::string_view typed);

private:
    PacedSteps& steps_;
    ModelClock& clock_;
    int intervalMs_;
    StoreyHeight storeyHeight_;
};

} // namespace lodarix::motion
