// One row of the events trace: an event the program handled (its load, a
// click on a floor button, a step of the timer) or a grille selection that
// ran no code, and the form's state right after it. The text the event
// wrote to the status box is kept apart, in the trace's one store of texts,
// where the row's part ends at textEnd and starts where the row before's
// ended. Rows are kept in time order in one vector.
#pragma once

#include "core/lift/colors.h"
#include "core/lift/floor_table.h"

#include <cstdint>

namespace lodarix::trace {

enum class EventKind : std::uint8_t {
    Load,   // Form_Load
    Pick,   // Option1_Click(floor)
    Step,   // Timer1_Timer
    Grille, // a grille button selected: no code runs
};

enum class GrilleState : std::uint8_t { None, Open, Closed };

struct TraceRow {
    std::int64_t timeMs;   // model time since the load, as the motion record keeps it
    std::uint64_t textEnd; // where the row's text ends in the trace's store
    // The floor buttons' colours, 4 bits a floor (floor index 0 lowest): each
    // the index of the colour in the trace's palette.
    std::uint64_t colors;
    EventKind kind;
    std::int8_t floor;         // Option1_Click's argument; 0 for the others
    std::int8_t current;       // CurrentFloor as held, 0 to 10
    std::int8_t target;        // TargetFloor as held, 0 to 10
    std::int8_t selectedFloor; // the floor button selected, or -1
    std::uint8_t flags;

    static constexpr std::uint8_t TimerOn = 1;
    static constexpr std::uint8_t GrilleClosed = 2;
    static constexpr std::uint8_t GrilleOpen = 4;
    // The row's text is the whole status text after the event, which
    // replaced what the box held; otherwise what the event appended.
    static constexpr std::uint8_t TextReplaced = 8;
    // Others' hands (typing, say) changed the box before the event appended:
    // the trace keeps the box's text as the event found it.
    static constexpr std::uint8_t BoxEdited = 16;

    bool timerOn() const { return flags & TimerOn; }
    bool textReplaced() const { return flags & TextReplaced; }
    GrilleState grille() const
    {
        return flags & GrilleClosed ? GrilleState::Closed
            : flags & GrilleOpen    ? GrilleState::Open
                                    : GrilleState::None;
    }

    friend bool operator==(const TraceRow&, const TraceRow&) = default;
};

static_assert(sizeof(TraceRow) <= 32, "a row of the trace must stay small");
static_assert(lift::FloorTable::Count * 4 <= 64, "a floor's colour takes 4 bits of a row");

} // namespace lodarix::trace
