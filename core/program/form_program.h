// The form's code as an engine of the form: each event runs its procedure to
// the end on the machine. The observers read CurrentFloor and TargetFloor
// from the form's variables of those names. A ProgramError stops the step
// timer, as far as the window still can, and leaves the event to the face.
#pragma once

#include "core/lift/form_state.h"
#include "core/program/machine.h"

#include <functional>
#include <memory>

namespace lodarix::program {

class FormProgram final : public lift::FormEngine {
public:
    // Hears each statement as it is carried out, with the machine after it.
    using Listener = std::function<void(const Ran&, const Machine&)>;

    // The window must outlive the engine.
    FormProgram(std::shared_ptr<const Program> program, lift::WindowOperations& window,
                Listener listener = {});

    void Form_Load() override;
    void Option1_Click(lift::FloorIndex floor) override;
    void Timer1_Timer() override;
    lift::FloorIndex CurrentFloor() const override;
    lift::FloorIndex TargetFloor() const override;

    const Machine& machine() const { return machine_; }

private:
    void run(Event event, lift::FloorIndex floor = 0);
    lift::FloorIndex floorIn(std::optional<std::size_t> slot) const;

    std::shared_ptr<const Program> program_;
    lift::WindowOperations& window_;
    Machine machine_;
    Listener listener_;
    std::optional<std::size_t> currentFloor_;
    std::optional<std::size_t> targetFloor_;
};

} // namespace lodarix::program
