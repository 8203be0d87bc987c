// Records the cabin's motion by watching the trip rules from outside, as
// their observer: a face's RuleRunner tells it what ran, and it reads the
// cabin's floor and the target from the controller and appends a row when one
// is due. Times come from the clock the caller gives, counted from the load.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/lift/trip_controller.h"
#include "core/motion/clock.h"
#include "core/motion/motion_row.h"
#include "core/motion/trip_log.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lodarix::motion {

class MotionRecorder final : public lift::RuleObserver {
public:
    // Rows carry intervalMs as the step interval until setStepInterval.
    // Throws std::invalid_argument for an empty clock, std::out_of_range for
    // an interval that setStepInterval refuses.
    MotionRecorder(Clock clock, int intervalMs);

    // The window was loaded: a new record begins with its start row at time 0.
    void loaded(const lift::FormState& controller) override;
    // A click on a floor button was handed to the rules. grilleWasClosed: the
    // closed-grille button was selected when the click came, so the rules
    // accepted the pick; only then is a row made. Throws std::logic_error
    // before loaded().
    void floorPicked(const lift::FormState& controller, bool grilleWasClosed) override;
    // A step of the timer ran; makes a step row, or the arrival row when the
    // cabin is now at the target, also while no trip is under way (the form's
    // code may start the timer without a pick). Throws std::logic_error
    // before loaded().
    void stepRan(const lift::FormState& controller) override;

    // The step interval in force from now on, 1 to 65535 ms; throws
    // std::out_of_range outside.
    void setStepInterval(int intervalMs);
    int stepInterval() const { return intervalMs_; }

    // The time since the load on the recorder's clock, never before the last
    // row; 0 before loaded().
    std::int64_t nowMs() const;

    // The rows in time order (a row made later may lie at the same time);
    // the span is valid until the next row is made.
    std::span<const Row> rows() const { return rows_; }
    // The trips so far, the one under way last; kept up to date with each row.
    const std::vector<Trip>& trips() const { return trips_.trips(); }
    // The bytes the rows take, reserve included.
    std::size_t bytesHeld() const { return rows_.capacity() * sizeof(Row); }

private:
    void append(const lift::FormState& controller, Event event);

    Clock clock_;
    std::int64_t origin_ = 0;
    std::uint16_t intervalMs_ = 0;
    bool loaded_ = false;
    bool tripUnderWay_ = false;
    std::vector<Row> rows_;
    TripLog trips_;
};

} // namespace lodarix::motion
