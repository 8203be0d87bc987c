// The form's two variables as the observers read them, whichever engine runs
// the form: the built-in rules or the form's code.
#pragma once

#include "core/lift/floor_table.h"

#include <stdexcept>

namespace lodarix::lift {

class FormState {
public:
    virtual ~FormState() = default;

    // The floor where the cabin is, and the trip's final stop.
    virtual FloorIndex CurrentFloor() const = 0;
    virtual FloorIndex TargetFloor() const = 0;

protected:
    FormState() = default;
    FormState(const FormState&) = default;
    FormState& operator=(const FormState&) = default;
};

// What runs the form's three events: the built-in TripController, or the
// form's code in the interpreter. Each event runs to its end, unless the
// engine goes a statement at a time: then an event call only begins it, and
// advance() carries it on until it is no longer partWay().
class FormEngine : public FormState {
public:
    virtual void Form_Load() = 0;
    virtual void Option1_Click(FloorIndex floor) = 0;
    virtual void Timer1_Timer() = 0;

    virtual bool partWay() const { return false; }
    virtual void advance() {}
};

// A failure of the form's code, not of the built-in rules: it stops that
// program only, and the face keeps its window.
class FormCodeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace lodarix::lift
