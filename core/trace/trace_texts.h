// The events trace told in the events view's words (core/texts): the
// table's columns and a row's cells, a row as a screen reader hears it, and
// the procedure a row ran. Every face shows these strings as they are.
#pragma once

#include "core/trace/event_trace.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace lodarix::trace {

enum TraceColumn {
    NumberColumn,
    TimeColumn,
    EventColumn,
    ProcedureColumn,
    CurrentFloorColumn,
    TargetFloorColumn,
    TimerColumn,
    GrilleColumn,
    StatusColumn,
    TraceColumnCount
};

const std::array<std::string_view, TraceColumnCount>& traceColumnHeadings();
// One cell of the row; the row's cells, column by column.
std::string traceCell(const EventTrace& trace, std::size_t row, TraceColumn column);
std::array<std::string, TraceColumnCount> traceCells(const EventTrace& trace, std::size_t row);
// "Form_Load", "Option1_Click(3)", "Timer1_Timer", or that no code ran.
std::string procedureText(const TraceRow& row);
// "3 (етаж 4)": the variable as the code holds it, and its floor.
std::string floorValueText(int floorIndex);
std::string_view grilleText(GrilleState grille);
// Text on one line: each line end (CR LF, CR or LF) as a mark.
std::string oneLine(std::string_view text);
// The whole row in sentences, for a screen reader that asks for it.
std::string rowSummary(const EventTrace& trace, std::size_t row);

} // namespace lodarix::trace
