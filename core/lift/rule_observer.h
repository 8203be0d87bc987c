// Watches the trip rules from outside: after each event that a window hands
// to the rules, the observer hears what ran, with the form's state to read
// the cabin's and the target's floor from. It cannot change what the rules do.
//
// An observer that follows the program step by step (the events view) hears
// more, each with a default that does nothing: which procedure starts, each
// window operation that procedure carries out, in order, and a grille button
// that the user selected, which runs no code.
#pragma once

#include "core/lift/colors.h"
#include "core/lift/floor_table.h"
#include "core/lift/form_state.h"

#include <string>

namespace lodarix::lift {

// The form's event procedures.
enum class Procedure : std::uint8_t { FormLoad, Option1Click, Timer1Timer };

class RuleObserver {
public:
    virtual ~RuleObserver() = default;

    // Form_Load ran.
    virtual void loaded(const FormState& controller) = 0;
    // Option1_Click ran; grilleWasClosed: the closed-grille button was
    // selected when the click came, read before the rule ran, so the rules
    // accepted the pick exactly when it is true.
    virtual void floorPicked(const FormState& controller, bool grilleWasClosed) = 0;
    // Timer1_Timer ran: only ever told of a step that ran.
    virtual void stepRan(const FormState& controller) = 0;

    // The procedure is about to run; floor: Option1_Click's argument, else 0.
    virtual void procedureStarting(Procedure /*procedure*/, FloorIndex /*floor*/) {}
    // The window operations of the procedure under way, as it carries them out.
    virtual void floorPainted(FloorIndex /*floor*/, Color /*color*/) {}
    virtual void grilleOpened() {}
    virtual void stepsSwitched(bool /*running*/) {}
    virtual void statusRead(const std::string& /*text*/) {}
    virtual void statusWritten(const std::string& /*text*/) {}
    virtual void floorNamesHidden() {}
    virtual void stepPeriodSet(int /*periodMs*/) {}
    // The user selected a grille button, closed or open, and no code ran; it
    // may have been selected already. statusText: the status box's whole
    // text then, which others' hands may have changed since the last event.
    virtual void grilleSelected(bool /*closed*/, const std::string& /*statusText*/) {}

protected:
    RuleObserver() = default;
    RuleObserver(const RuleObserver&) = default;
    RuleObserver& operator=(const RuleObserver&) = default;
};

} // namespace lodarix::lift
