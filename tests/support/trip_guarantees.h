// What the trip rules guarantee after any event, checked by the tests and the
// fuzzer on whatever shows the window: both floors inside the building; the
// cabin's floor marked, and while the steps run the final stop too; every
// other floor idle; the steps stopped only with the cabin at the final stop;
// exactly one grille button selected. No Qt, so that the fuzzer can use it.
#pragma once

#include "core/lift/colors.h"
#include "core/lift/floor_table.h"

#include <string>

namespace test_support {

struct TripState {
    int current;
    int target;
    bool running; // the step timer is on
    bool grilleClosed;
    bool grilleOpen;
};

// One letter a marker colour: c cabin, t target, i idle, ? anything else.
inline char markerLetter(lodarix::lift::Color color)
{
    switch (color) {
    case lodarix::lift::ColorCabin:
        return 'c';
    case lodarix::lift::ColorTarget:
        return 't';
    case lodarix::lift::ColorIdle:
        return 'i';
    default:
        return '?';
    }
}

// The letters of the floors' markers, floor 1 first; colorOf(i) is the
// colour shown by the button of floor index i.
template <class ColorOf> std::string markers(ColorOf colorOf)
{
    std::string letters;
    for (int floor = 0; floor < lodarix::lift::FloorTable::Count; ++floor)
        letters += markerLetter(colorOf(floor));
    return letters;
}

// Empty when every guarantee holds for the state and the markers shown,
// else what is broken.
inline std::string brokenGuarantee(const TripState& state, const std::string& shown)
{
    if (!lodarix::lift::FloorTable::isValid(state.current)
        || !lodarix::lift::FloorTable::isValid(state.target))
        return "a floor outside the building: " + std::to_string(state.current) + ", "
            + std::to_string(state.target);
    if (!state.running && state.current != state.target)
        return "the steps stopped away from the final stop";
    if (state.grilleClosed == state.grilleOpen)
        return "not exactly one grille button is selected";
    std::string expected(lodarix::lift::FloorTable::Count, 'i');
    expected[static_cast<std::size_t>(state.current)] = 'c';
    if (state.running)
        expected[static_cast<std::size_t>(state.target)] = 't';
    if (shown != expected)
        return "markers " + shown + " where the rules leave " + expected;
    return {};
}

} // namespace test_support
