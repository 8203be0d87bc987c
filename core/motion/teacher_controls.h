// What the teacher sets in a motion view, the same in every face: the step
// interval in ms and the storey height in m (within StoreyHeight's range),
// each with the step its control moves by; how a value typed into either
// field is read; and how often a shown view that is not paused redraws its
// clocks and graphs between the record's events.
#pragma once

#include "core/lift/window_operations.h"

#include <optional>
#include <string_view>

namespace lodarix::motion {

constexpr int ShortestIntervalMs = lift::ShortestStepPeriodMs;
constexpr int LongestIntervalMs = lift::LongestStepPeriodMs;
constexpr int IntervalStepMs = 100;
constexpr double StoreyHeightStep = 0.1;
constexpr int ViewUpdateMs = 100;

// A typed interval: whole milliseconds, blanks around them allowed, kept as
// typed within ShortestIntervalMs..LongestIntervalMs and brought to the
// nearer end outside. None for an empty or unreadable text.
std::optional<int> readIntervalMs(std::string_view typed);

// A typed storey height in metres, with a decimal comma or point, rounded to
// 0.1 m (halves away from zero, on the digits as typed) and brought within
// StoreyHeight's range. None for an empty or unreadable text.
std::optional<double> readStoreyHeight(std::string_view typed);

// Metres rounded to 0.1 m and brought within StoreyHeight's range; NaN
// becomes StoreyHeight::Default.
double storeyHeightWithin(double metres);

} // namespace lodarix::motion
