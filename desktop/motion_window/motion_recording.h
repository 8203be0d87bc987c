// The motion record of a session of the window, kept from the load on: it
// hears the rules' events as their observer, stamps its rows with model time
// (which the teacher's pause holds), and tells whoever shows the record that
// it changed.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/motion/model_clock.h"
#include "core/motion/motion_recorder.h"

#include <QObject>

namespace lodarix {

class MotionRecording : public QObject, public lift::RuleObserver {
    Q_OBJECT

public:
    // Rows carry intervalMs, the step timer's period, until setStepInterval.
    // Model time runs from now on source, or on a monotonic clock when
    // source is empty (tests and benchmarks give their own).
    explicit MotionRecording(int intervalMs, motion::Clock source = {}, QObject* parent = nullptr);

    motion::ModelClock& clock() { return clock_; }
    const motion::MotionRecorder& recorder() const { return recorder_; }

    // The step interval that rows made from now on carry.
    void setStepInterval(int intervalMs);

    void loaded(const lift::FormState& controller) override;
    void floorPicked(const lift::FormState& controller, bool grilleWasClosed) override;
    void stepRan(const lift::FormState& controller) override;
    void stepPeriodSet(int periodMs) override { emit periodSetByCode(periodMs); }

signals:
    // After each event of the rules: a row may have been added.
    void changed();
    // The form's code set the step timer's period (Timer1.Interval).
    void periodSetByCode(int periodMs);

private:
    motion::ModelClock clock_;
    motion::MotionRecorder recorder_;
};

} // namespace lodarix
