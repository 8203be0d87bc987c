#include "core/program/form_program.h"

#include <algorithm>
#include <limits>

namespace lodarix::program {

FormProgram::FormProgram(std::shared_ptr<const Program> program, lift::WindowOperations& window,
                         Listener listener)
    : program_(std::move(program))
    , window_(window)
    , machine_(*program_, window)
    , listener_(std::move(listener))
    , currentFloor_(machine_.variableSlot("CurrentFloor"))
    , targetFloor_(machine_.variableSlot("TargetFloor"))
{
}

void FormProgram::takeOver(const lift::FormState& state)
{
    // A floor the other engine left as none stays Empty here.
    if (currentFloor_ && lift::FloorTable::isValid(state.CurrentFloor()))
        machine_.setVariable(*currentFloor_, Value::integer(state.CurrentFloor()));
    if (targetFloor_ && lift::FloorTable::isValid(state.TargetFloor()))
        machine_.setVariable(*targetFloor_, Value::integer(state.TargetFloor()));
}

void FormProgram::Form_Load()
{
    begin(Event::Load);
}

void FormProgram::Option1_Click(lift::FloorIndex floor)
{
    begin(Event::Click, floor);
}

void FormProgram::Timer1_Timer()
{
    begin(Event::Timer);
}

void FormProgram::begin(Event event, lift::FloorIndex floor)
{
    if (stopped_ || !machine_.start(event, floor) || stepwise_)
        return;
    if (!listener_) {
        try {
            machine_.finish();
        } catch (const ProgramError&) {
            stop();
        }
        return;
    }
    while (machine_.running())
        stepOnce();
}

void FormProgram::advance()
{
    if (machine_.running())
        stepOnce();
}

void FormProgram::stepOnce()
{
    if (!listener_) {
        try {
            machine_.step();
        } catch (const ProgramError&) {
            stop();
        }
        return;
    }
    const int procedure = machine_.procedure();
    before_ = machine_.variables();
    localsBefore_ = machine_.locals();
    Ran ran{};
    try {
        ran = machine_.step();
    } catch (const ProgramError&) {
        stop();
    }
    changes_ = changesBetween(program_->variables, before_, machine_.variables());
    if (machine_.procedure() == procedure) {
        const auto more = changesBetween(program_->procedures[std::size_t(procedure)].locals,
                                         localsBefore_, machine_.locals());
        changes_.insert(changes_.end(), more.begin(), more.end());
    }
    listener_({ran, machine_, changes_});
}

void FormProgram::stop()
{
    stopped_ = true;
    try {
        window_.setStepsRunning(false);
    } catch (const std::exception&) {
        // The report of the program's own error is what the user needs.
    }
    throw;
}

lift::FloorIndex floorValue(const Value& value)
{
    if (value.type == Type::Empty || !value.isNumeric() || !lift::FloorTable::isValid(value.number))
        return lift::NoFloor;
    return lift::FloorIndex(value.number);
}

lift::FloorIndex FormProgram::floorIn(std::optional<std::size_t> slot) const
{
    return slot ? floorValue(machine_.variables()[*slot]) : lift::NoFloor;
}

lift::FloorIndex FormProgram::CurrentFloor() const
{
    return floorIn(currentFloor_);
}

lift::FloorIndex FormProgram::TargetFloor() const
{
    return floorIn(targetFloor_);
}

} // namespace lodarix::program
