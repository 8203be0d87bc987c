#include "core/trace/program_comparison.h"

#include "core/replay/program_compare.h"
#include "core/texts/compare_texts.h"
#include "core/texts/editing_texts.h"
#include "core/trace/script_run.h"

#include <variant>
#include <vector>

namespace lodarix::trace {

namespace {

Comparison compare(const std::shared_ptr<const program::Program>& program,
                   const std::shared_ptr<const program::Program>& reference,
                   std::span<const replay::Command> commands)
{
    const auto difference = replay::firstDifference(replay::runEvents(program, commands),
                                                    replay::runEvents(reference, commands));
    if (!difference)
        return {std::string(compare_texts::NoDifference), 0};
    return {difference->text, difference->line};
}

} // namespace

Comparison compareOnCommands(const std::shared_ptr<const program::Program>& program,
                             const std::shared_ptr<const program::Program>& reference,
                             std::span<const replay::Command> commands)
{
    if (commands.empty())
        return {std::string(editing_texts::NoSessionToCompare), 0};
    return compare(program, reference, commands);
}

Comparison compareOnScript(const std::shared_ptr<const program::Program>& program,
                           const std::shared_ptr<const program::Program>& reference,
                           std::string_view script)
{
    std::vector<replay::Command> commands;
    int number = 0;
    for (const std::string_view line : scriptLines(script)) {
        ++number;
        auto parsed = replay::parseLine(line);
        if (const auto* error = std::get_if<replay::ScriptError>(&parsed))
            return {scriptStopMessage(number, *error), 0, true};
        if (auto* command = std::get_if<replay::Command>(&parsed))
            commands.push_back(std::move(*command));
    }
    return compare(program, reference, commands);
}

} // namespace lodarix::trace
