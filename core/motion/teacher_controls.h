// What the teacher sets in a motion view, the same in every face: the step
// interval in ms and the storey height in m (within StoreyHeight's range),
// each with the step its control moves by; and how often a shown view that
// is not paused redraws its clocks and graphs between the record's events.
#pragma once

namespace lodarix::motion {

constexpr int ShortestIntervalMs = 200;
constexpr int LongestIntervalMs = 2000;
constexpr int IntervalStepMs = 100;
constexpr double StoreyHeightStep = 0.1;
constexpr int ViewUpdateMs = 100;

} // namespace lodarix::motion
