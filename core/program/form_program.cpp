#include "core/program/form_program.h"

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

void FormProgram::Form_Load()
{
    run(Event::Load);
}

void FormProgram::Option1_Click(lift::FloorIndex floor)
{
    run(Event::Click, floor);
}

void FormProgram::Timer1_Timer()
{
    run(Event::Timer);
}

void FormProgram::run(Event event, lift::FloorIndex floor)
{
    try {
        if (!machine_.start(event, floor))
            return;
        if (listener_)
            machine_.finish([this](const Ran& ran) { listener_(ran, machine_); });
        else
            machine_.finish();
    } catch (const ProgramError&) {
        try {
            window_.setStepsRunning(false);
        } catch (const std::exception&) {
        }
        throw;
    }
}

lift::FloorIndex FormProgram::floorIn(std::optional<std::size_t> slot) const
{
    if (!slot)
        return 0;
    const Value& value = machine_.variables()[*slot];
    if (value.type == Type::String)
        return 0;
    constexpr auto low = std::numeric_limits<lift::FloorIndex>::min();
    constexpr auto high = std::numeric_limits<lift::FloorIndex>::max();
    return lift::FloorIndex(std::clamp<std::int32_t>(value.number, low, high));
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
