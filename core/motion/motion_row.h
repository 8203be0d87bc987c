// One row of the motion record: when it was made, where the cabin and the
// trip's final stop were right after the event, which event it was and the
// step interval then in force. Rows are kept in time order in one vector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace lodarix::motion {

enum class Event : std::uint8_t {
    Start,  // the window was loaded; the record's first row, at time 0
    Pick,   // an accepted floor pick
    Step,   // a step of the timer that did not end the trip
    Arrive, // the step that ended the trip: the cabin is at the target
};

struct Row {
    std::int64_t timeMs; // since the load
    std::int8_t floor;   // the cabin's floor number, 1 to 11; 0 where the form's code left none
    std::int8_t target;  // the trip's final stop, 1 to 11; 0 likewise
    Event event;
    std::uint16_t intervalMs; // the step interval in force when the row was made

    friend bool operator==(const Row&, const Row&) = default;
};

static_assert(sizeof(Row) <= 16, "a row of the record must stay small");

// "start", "pick", "step" or "arrive".
std::string_view eventName(Event event);

// A step or the arrival: rows made by a step of the timer.
constexpr bool isStep(Event event)
{
    return event == Event::Step || event == Event::Arrive;
}

// A pick that placed the cabin on the previous trip's final stop, away from
// where the row before left it: a change of floor that is no motion.
bool isJump(std::span<const Row> rows, std::size_t row) noexcept;

} // namespace lodarix::motion
