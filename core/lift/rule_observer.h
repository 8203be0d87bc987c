// Watches the trip rules from outside: after each event that a window hands
// to the rules, the observer hears what ran, with the controller to read the
// cabin's and the target's floor from. It cannot change what the rules do.
#pragma once

#include "core/lift/trip_controller.h"

namespace lodarix::lift {

class RuleObserver {
public:
    virtual ~RuleObserver() = default;

    // Form_Load ran.
    virtual void loaded(const TripController& controller) = 0;
    // Option1_Click ran; grilleWasClosed: the closed-grille button was
    // selected when the click came, read before the rule ran, so the rules
    // accepted the pick exactly when it is true.
    virtual void floorPicked(const TripController& controller, bool grilleWasClosed) = 0;
    // Timer1_Timer ran: only ever told of a step that ran.
    virtual void stepRan(const TripController& controller) = 0;

protected:
    RuleObserver() = default;
    RuleObserver(const RuleObserver&) = default;
    RuleObserver& operator=(const RuleObserver&) = default;
};

} // namespace lodarix::lift
