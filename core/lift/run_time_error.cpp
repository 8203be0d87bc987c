#include "core/lift/run_time_error.h"

namespace lodarix::lift {

namespace {

std::string describe(const std::string& control, std::optional<int> index,
                     const std::string& operation)
{
    const std::string element = index ? "(" + std::to_string(*index) + ")" : std::string{};
    // A list item is addressed through the property, a control-array element through the control.
    if (operation == "List")
        return control + "." + operation + element;
    return control + element + "." + operation;
}

} // namespace

RunTimeError::RunTimeError(std::string control, std::optional<int> index, std::string operation,
                           const std::string& reason)
    : std::runtime_error(describe(control, index, operation) + ": " + reason)
    , control_(std::move(control))
    , index_(index)
    , operation_(std::move(operation))
{
}

std::string RunTimeError::where() const
{
    return describe(control_, index_, operation_);
}

} // namespace lodarix::lift
