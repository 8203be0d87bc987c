// The form's code as an engine of the form: each event runs its procedure on
// the machine, to its end, or a statement at a time when stepwise. The
// observers read CurrentFloor and TargetFloor from the form's variables of
// those names. A ProgramError stops the step timer, as far as the window
// still can, and leaves the event to the face: the program is stopped, and
// every event after it does nothing until the face starts a new one.
#pragma once

#include "core/lift/form_state.h"
#include "core/program/changes.h"
#include "core/program/machine.h"

#include <functional>
#include <memory>

namespace lodarix::program {

// A statement that was carried out, with the machine right after it and the
// variables it changed (the form's, and the running procedure's own).
struct StatementRan {
    Ran ran;
    const Machine& machine;
    const std::vector<Change>& changes;
};

// A form variable's value as a floor: lift::NoFloor where it holds none
// (Empty, a text, a number outside the building).
lift::FloorIndex floorValue(const Value& value);

class FormProgram final : public lift::FormEngine {
public:
    using Listener = std::function<void(const StatementRan&)>;

    // The window must outlive the engine.
    FormProgram(std::shared_ptr<const Program> program, lift::WindowOperations& window,
                Listener listener = {});

    // Goes on from where another engine left the form, between events: its
    // CurrentFloor and TargetFloor become the form's, as Integers. The window
    // already is as that engine left it; no procedure runs.
    void takeOver(const lift::FormState& state);

    void setListener(Listener listener) { listener_ = std::move(listener); }
    // From the next event on, an event call only begins the procedure.
    void setStepwise(bool stepwise) { stepwise_ = stepwise; }
    bool stepwise() const { return stepwise_; }
    // Whether an error stopped the program.
    bool stopped() const { return stopped_; }

    void Form_Load() override;
    void Option1_Click(lift::FloorIndex floor) override;
    void Timer1_Timer() override;
    bool partWay() const override { return machine_.running(); }
    void advance() override;
    lift::FloorIndex CurrentFloor() const override;
    lift::FloorIndex TargetFloor() const override;

    const Machine& machine() const { return machine_; }
    const Program& program() const { return *program_; }

private:
    void begin(Event event, lift::FloorIndex floor = 0);
    // One statement, told to the listener with what it changed.
    void stepOnce();
    [[noreturn]] void stop();
    lift::FloorIndex floorIn(std::optional<std::size_t> slot) const;

    std::shared_ptr<const Program> program_;
    lift::WindowOperations& window_;
    Machine machine_;
    Listener listener_;
    bool stepwise_ = false;
    bool stopped_ = false;
    std::optional<std::size_t> currentFloor_;
    std::optional<std::size_t> targetFloor_;
    std::vector<Value> before_;
    std::vector<Value> localsBefore_;
    std::vector<Change> changes_;
};

} // namespace lodarix::program
