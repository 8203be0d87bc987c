#include "core/trace/step_report.h"

#include "core/program/changes.h"
#include "core/program/form_program.h"
#include "core/program/line_report.h"
#include "core/texts/code_view_texts.h"
#include "core/texts/number_texts.h"

#include <algorithm>

namespace lodarix::trace {

namespace {

void addValues(std::string& text, const std::vector<program::Variable>& names,
               const std::vector<program::Value>& values)
{
    for (std::size_t slot = 0; slot < names.size() && slot < values.size(); ++slot) {
        if (!text.empty())
            text += code_texts::VariablesSeparator;
        text += texts::fill(code_texts::VariableValue,
                            {names[slot].name, program::valueText(values[slot])});
    }
}

// The form's variable as a floor, as the program's engine reads it.
int floorIn(const program::Program& program, const Moment& moment, std::string_view name)
{
    for (std::size_t slot = 0; slot < program.variables.size() && slot < moment.variables.size();
         ++slot) {
        if (program.variables[slot].name == name)
            return program::floorValue(moment.variables[slot]);
    }
    return lift::NoFloor;
}

} // namespace

std::uint64_t stepNumber(const StatementHistory& history, std::size_t statement)
{
    return history.dropped() + statement + 1;
}

std::size_t keptStatement(const StatementHistory& history, std::uint64_t step)
{
    if (history.size() == 0)
        return 0;
    const std::uint64_t first = history.dropped() + 1;
    return std::size_t(std::clamp(step, first, first + history.size() - 1) - first);
}

std::string stepHeading(const program::Program& program, const StatementHistory& history,
                        std::size_t statement)
{
    const program::Ran ran = history.at(statement);
    return texts::fill(code_texts::StepHeading,
                       {std::to_string(stepNumber(history, statement)),
                        std::to_string(history.dropped() + history.size()),
                        program.procedures.at(std::size_t(ran.procedure)).name,
                        std::to_string(ran.line)});
}

std::string variablesAfter(const program::Program& program, const Moment& moment)
{
    std::string values;
    addValues(values, program.variables, moment.variables);
    addValues(values, program.procedures.at(std::size_t(moment.ran.procedure)).locals,
              moment.locals);
    return texts::fill(code_texts::VariablesAfter, {values});
}

WindowSketch stepSketch(const program::Program& program, const Moment& moment)
{
    return sketchOf(*moment.window, floorIn(program, moment, "CurrentFloor"),
                    floorIn(program, moment, "TargetFloor"));
}

std::string stepSummary(std::string_view source, const program::Program& program,
                        const StatementHistory& history, std::size_t statement,
                        const Moment& moment)
{
    return stepHeading(program, history, statement) + ". "
        + std::string(program::sourceLine(source, moment.ran.line)) + ". "
        + variablesAfter(program, moment) + ".";
}

} // namespace lodarix::trace
