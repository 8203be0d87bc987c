// The step a view shows among those a StatementHistory keeps: the latest,
// followed as statements run, until the user chooses another, which stays
// chosen while the form goes on; choosing the latest, by whatever means,
// follows again. A chosen step keeps its number (step_report.h) as the
// oldest are dropped; one dropped since shows as the oldest kept.
#pragma once

#include "core/trace/statement_history.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace lodarix::trace {

class StepChoice {
public:
    // The kept statement shown; none with none kept.
    std::optional<std::size_t> shown(const StatementHistory& history) const;
    bool following() const { return !chosen_; }
    void follow() { chosen_.reset(); }

    // Chooses the kept statement.
    void choose(const StatementHistory& history, std::size_t statement);
    // Chooses the step of that number, clamped to those kept.
    void chooseStep(const StatementHistory& history, std::uint64_t step);
    // Chooses the step by steps from the one shown.
    void move(const StatementHistory& history, std::int64_t by);
    // Chooses the first kept statement of the trace's row; false, the choice
    // kept, where that row ran none.
    bool chooseRow(const StatementHistory& history, std::size_t row);

private:
    std::optional<std::uint64_t> chosen_; // the step's number
};

} // namespace lodarix::trace
