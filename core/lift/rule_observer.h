// Watches the trip rules from outside: after each event that the window hands
// to the rules, the observer hears what ran, with the controller to read the
// cabin's and the target's floor from. It cannot change what the rules do.
#pragma once

#include "core/lift/trip_controller.h"

namespace lodarix {

class RuleObserver {
public:
    virtual ~RuleObserver() = default;

    // Form_Load ran.
    virtual void loaded(const lift::TripController& controller) = 0;
    // Option1_Click ran; grilleWasClosed: the closed-grille button was
    // selected when the click came, read before the rule ran.
    virtual void floorPicked(const lift::TripController& controller, bool grilleWasClosed) = 0;
    // Timer1_Timer ran.
    virtual void stepRan(const lift::TripController& controller) = 0;

protected:
    RuleObserver() = default;
    RuleObserver(const RuleObserver&) = default;
    RuleObserver& operator=(const RuleObserver&) = default;
};

} // namespace lodarix
