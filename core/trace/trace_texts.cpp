#include "core/trace/trace_texts.h"

#include "core/lift/floor_table.h"
#include "core/texts/events_view_texts.h"
#include "core/texts/number_texts.h"

namespace lodarix::trace {

namespace words = events_texts;

namespace {

std::string timeText(std::int64_t ms)
{
    return texts::decimal(static_cast<double>(ms) / 1000.0, 3);
}

std::string eventText(const TraceRow& row)
{
    switch (row.kind) {
    case EventKind::Load:
        return std::string(words::LoadEvent);
    case EventKind::Pick:
        return texts::fill(words::PickEvent, {lift::FloorTable::caption(row.floor)});
    case EventKind::Step:
        return std::string(words::StepEvent);
    case EventKind::Grille:
        break;
    }
    return texts::fill(words::GrilleEvent, {grilleText(row.grille())});
}

std::string_view timerText(const TraceRow& row)
{
    return row.timerOn() ? words::TrueValue : words::FalseValue;
}

// The text with its line ends joined by ", ", for a listener.
std::string spoken(std::string_view text)
{
    std::string lines;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c != '\r' && c != '\n') {
            lines += c;
            continue;
        }
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        if (at + 1 < text.size())
            lines += ", ";
    }
    return lines;
}

} // namespace

const std::array<std::string_view, TraceColumnCount>& traceColumnHeadings()
{
    static constexpr std::array<std::string_view, TraceColumnCount> Headings{
        words::NumberColumn,    words::TimeColumn,         words::EventColumn,
        words::ProcedureColumn, words::CurrentFloorColumn, words::TargetFloorColumn,
        words::TimerColumn,     words::GrilleColumn,       words::StatusColumn,
    };
    return Headings;
}

std::string procedureText(const TraceRow& row)
{
    switch (row.kind) {
    case EventKind::Load:
        return "Form_Load";
    case EventKind::Pick:
        return "Option1_Click(" + std::to_string(row.floor) + ")";
    case EventKind::Step:
        return "Timer1_Timer";
    case EventKind::Grille:
        break;
    }
    return std::string(words::NoCode);
}

std::string floorValueText(int floorIndex)
{
    if (!lift::FloorTable::isValid(floorIndex))
        return std::string(words::NoFloorValue);
    return texts::fill(words::FloorValue,
                       {std::to_string(floorIndex), std::to_string(floorIndex + 1)});
}

std::string_view grilleText(GrilleState grille)
{
    switch (grille) {
    case GrilleState::Closed:
        return words::GrilleClosed;
    case GrilleState::Open:
        return words::GrilleOpen;
    case GrilleState::None:
        break;
    }
    return words::GrilleNone;
}

std::string oneLine(std::string_view text)
{
    std::string line;
    line.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        line += words::LineEndMark;
    }
    return line;
}

std::string traceCell(const EventTrace& trace, std::size_t row, TraceColumn column)
{
    const TraceRow& at = trace.rows()[row];
    switch (column) {
    case NumberColumn:
        return std::to_string(row + 1);
    case TimeColumn:
        return timeText(at.timeMs);
    case EventColumn:
        return eventText(at);
    case ProcedureColumn:
        return procedureText(at);
    case CurrentFloorColumn:
        return floorValueText(at.current);
    case TargetFloorColumn:
        return floorValueText(at.target);
    case TimerColumn:
        return std::string(timerText(at));
    case GrilleColumn:
        return std::string(grilleText(at.grille()));
    case StatusColumn:
    case TraceColumnCount:
        break;
    }
    const std::string_view written = trace.text(row);
    if (at.textReplaced())
        return texts::fill(words::Replaced, {oneLine(written)});
    if (!written.empty())
        return texts::fill(words::Appended, {oneLine(written)});
    return {};
}

std::array<std::string, TraceColumnCount> traceCells(const EventTrace& trace, std::size_t row)
{
    std::array<std::string, TraceColumnCount> cells;
    for (int column = 0; column < TraceColumnCount; ++column)
        cells[static_cast<std::size_t>(column)] =
            traceCell(trace, row, static_cast<TraceColumn>(column));
    return cells;
}

std::string rowSummary(const EventTrace& trace, std::size_t row)
{
    const TraceRow& at = trace.rows()[row];
    std::string summary = texts::fill(words::RowSummary,
                                      {std::to_string(row + 1), std::to_string(trace.size()),
                                       timeText(at.timeMs), procedureText(at), eventText(at)});
    summary += texts::fill(words::StateSummary,
                           {floorValueText(at.current), floorValueText(at.target), timerText(at),
                            grilleText(at.grille())});
    const std::string_view written = trace.text(row);
    if (at.textReplaced())
        summary += texts::fill(words::ReplacedSummary, {spoken(written)});
    else if (!written.empty())
        summary += texts::fill(words::AppendedSummary, {spoken(written)});
    else
        summary += words::NothingWritten;
    return summary;
}

} // namespace lodarix::trace
