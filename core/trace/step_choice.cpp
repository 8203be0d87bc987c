#include "core/trace/step_choice.h"

#include "core/trace/step_report.h"

namespace lodarix::trace {

std::optional<std::size_t> StepChoice::shown(const StatementHistory& history) const
{
    if (history.size() == 0)
        return std::nullopt;
    return chosen_ ? keptStatement(history, *chosen_) : history.size() - 1;
}

void StepChoice::choose(const StatementHistory& history, std::size_t statement)
{
    if (statement + 1 >= history.size())
        follow();
    else
        chosen_ = stepNumber(history, statement);
}

void StepChoice::chooseStep(const StatementHistory& history, std::uint64_t step)
{
    if (history.size() != 0)
        choose(history, keptStatement(history, step));
}

void StepChoice::move(const StatementHistory& history, std::int64_t by)
{
    const auto from = shown(history);
    if (!from)
        return;
    const auto to = std::int64_t(*from) + by;
    choose(history, to < 0 ? 0 : std::size_t(to));
}

bool StepChoice::chooseRow(const StatementHistory& history, std::size_t row)
{
    const auto statements = history.statementsOfRow(row);
    if (!statements)
        return false;
    choose(history, statements->first);
    return true;
}

} // namespace lodarix::trace
