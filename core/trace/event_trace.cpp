#include "core/trace/event_trace.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"
#include "core/model/window_model.h"

#include <algorithm>

namespace lodarix::trace {

namespace {

constexpr std::size_t PaletteSize = 16;
constexpr unsigned BitsAFloor = 4;

std::uint64_t withCode(std::uint64_t colors, lift::FloorIndex floor, std::uint8_t code)
{
    const unsigned shift = static_cast<unsigned>(floor) * BitsAFloor;
    return (colors & ~(std::uint64_t{0xF} << shift)) | (std::uint64_t{code} << shift);
}

} // namespace

EventTrace::EventTrace(const motion::MotionRecorder& record)
    : record_(record)
{
    describe();
}

void EventTrace::beginAnew()
{
    rows_ = {};
    texts_ = {};
    boxTexts_ = {};
    palette_ = {};
    colors_ = 0;
    grille_ = GrilleState::None;
    procedure_ = lift::Procedure::FormLoad;
    floor_ = 0;
    current_ = target_ = 0;
    recordRowsAtStart_ = 0;
    replaced_ = edited_ = statusJustRead_ = false;
    describe();
}

void EventTrace::describe()
{
    const WindowModel described(lodarixForm());
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor)
        colors_ =
            withCode(colors_, floor, colorCode(described.backColor(controls::FloorButtons, floor)));
    const auto selected = described.selectedIndex(controls::FloorButtons);
    selectedFloor_ = static_cast<std::int8_t>(selected.value_or(-1));
    timerOn_ = described.isEnabled(controls::StepTimer);
    if (described.isSelected(controls::GrilleButtons, controls::GrilleClosedButton))
        grille_ = GrilleState::Closed;
    else if (described.isSelected(controls::GrilleButtons, controls::GrilleOpenButton))
        grille_ = GrilleState::Open;
    initialStatus_ = described.statusText();
    status_ = initialStatus_;
}

void EventTrace::procedureStarting(lift::Procedure procedure, lift::FloorIndex floor)
{
    // What a procedure that failed half-way wrote is no row's.
    texts_.resize(rows_.empty() ? 0 : rows_.back().textEnd);
    if (!boxTexts_.empty() && boxTexts_.back().first >= rows_.size())
        boxTexts_.pop_back();
    procedure_ = procedure;
    floor_ = floor;
    recordRowsAtStart_ = record_.rows().size();
    replaced_ = edited_ = statusJustRead_ = false;
    if (procedure == lift::Procedure::Option1Click)
        selectedFloor_ = static_cast<std::int8_t>(floor);
}

void EventTrace::loaded(const lift::FormState& controller)
{
    endProcedure(controller);
}

void EventTrace::floorPicked(const lift::FormState& controller, bool)
{
    endProcedure(controller);
}

void EventTrace::stepRan(const lift::FormState& controller)
{
    endProcedure(controller);
}

void EventTrace::floorPainted(lift::FloorIndex floor, lift::Color color)
{
    if (lift::FloorTable::isValid(floor))
        colors_ = withCode(colors_, floor, colorCode(color));
    statusJustRead_ = false;
}

void EventTrace::grilleOpened()
{
    grille_ = GrilleState::Open;
    statusJustRead_ = false;
}

void EventTrace::stepsSwitched(bool running)
{
    timerOn_ = running;
    statusJustRead_ = false;
}

void EventTrace::statusRead(const std::string& text)
{
    if (text != status_) {
        // Typed in, or written by other hands: this event starts from it.
        status_ = text;
        if (!replaced_ && texts_.size() == (rows_.empty() ? 0 : rows_.back().textEnd)) {
            boxTexts_.emplace_back(rows_.size(), text);
            edited_ = true;
        } else {
            replaced_ = true;
            texts_.resize(rows_.empty() ? 0 : rows_.back().textEnd);
            texts_.append(text);
        }
    }
    statusJustRead_ = true;
}

void EventTrace::statusWritten(const std::string& text)
{
    const bool appends = statusJustRead_ && text.starts_with(status_);
    statusJustRead_ = false;
    if (appends) {
        const std::string_view tail = std::string_view(text).substr(status_.size());
        texts_.append(tail);
        status_.append(tail);
        return;
    }
    if (edited_) {
        boxTexts_.pop_back();
        edited_ = false;
    }
    replaced_ = true;
    texts_.resize(rows_.empty() ? 0 : rows_.back().textEnd);
    texts_.append(text);
    status_ = text;
}

void EventTrace::grilleSelected(bool closed, const std::string& statusText)
{
    const GrilleState now = closed ? GrilleState::Closed : GrilleState::Open;
    if (now == grille_)
        return;
    grille_ = now;
    texts_.resize(rows_.empty() ? 0 : rows_.back().textEnd);
    replaced_ = edited_ = false;
    if (statusText != status_) {
        status_ = statusText;
        boxTexts_.emplace_back(rows_.size(), statusText);
        edited_ = true;
    }
    addRow(EventKind::Grille, 0, record_.nowMs());
}

void EventTrace::endProcedure(const lift::FormState& controller)
{
    current_ = static_cast<std::int8_t>(controller.CurrentFloor());
    target_ = static_cast<std::int8_t>(controller.TargetFloor());
    switch (procedure_) {
    case lift::Procedure::FormLoad:
        addRow(EventKind::Load, 0, eventTime());
        break;
    case lift::Procedure::Option1Click:
        addRow(EventKind::Pick, static_cast<std::int8_t>(floor_), eventTime());
        break;
    case lift::Procedure::Timer1Timer:
        addRow(EventKind::Step, 0, eventTime());
        break;
    }
}

std::int64_t EventTrace::eventTime() const
{
    const auto recorded = record_.rows();
    const bool recordMadeRow =
        recorded.size() != recordRowsAtStart_ || procedure_ == lift::Procedure::FormLoad;
    return recordMadeRow && !recorded.empty() ? recorded.back().timeMs : record_.nowMs();
}

void EventTrace::addRow(EventKind kind, std::int8_t floor, std::int64_t timeMs)
{
    TraceRow row{timeMs, texts_.size(), colors_, kind, floor, current_, target_, selectedFloor_, 0};
    if (timerOn_)
        row.flags |= TraceRow::TimerOn;
    if (grille_ == GrilleState::Closed)
        row.flags |= TraceRow::GrilleClosed;
    if (grille_ == GrilleState::Open)
        row.flags |= TraceRow::GrilleOpen;
    if (replaced_)
        row.flags |= TraceRow::TextReplaced;
    if (edited_)
        row.flags |= TraceRow::BoxEdited;
    rows_.push_back(row);
    if (listener_)
        listener_(rows_.size());
}

std::string_view EventTrace::text(std::size_t row) const
{
    const std::size_t from = row == 0 ? 0 : rows_.at(row - 1).textEnd;
    return std::string_view(texts_).substr(from, rows_.at(row).textEnd - from);
}

std::string EventTrace::statusAfter(std::size_t row) const
{
    (void)rows_.at(row);
    constexpr std::uint8_t Starts = TraceRow::TextReplaced | TraceRow::BoxEdited;
    std::size_t first = row + 1;
    while (first > 0 && !(rows_[first - 1].flags & Starts))
        --first;
    std::string status;
    if (first == 0) {
        status = initialStatus_;
    } else {
        const std::size_t start = first - 1;
        if (!rows_[start].textReplaced()) {
            const auto found = std::lower_bound(
                boxTexts_.begin(), boxTexts_.end(), start,
                [](const auto& boxText, std::size_t at) { return boxText.first < at; });
            status = found->second;
        }
        status.append(text(start));
    }
    for (std::size_t at = first; at <= row; ++at)
        status.append(text(at));
    return status;
}

lift::Color EventTrace::color(const TraceRow& row, lift::FloorIndex floor) const
{
    const unsigned shift = static_cast<unsigned>(floor) * BitsAFloor;
    return palette_.at(static_cast<std::size_t>((row.colors >> shift) & 0xF));
}

std::size_t EventTrace::textBytesHeld() const
{
    std::size_t bytes = texts_.capacity();
    for (const auto& [row, text] : boxTexts_)
        bytes += text.capacity();
    return bytes;
}

std::uint8_t EventTrace::colorCode(lift::Color color)
{
    const auto found = std::find(palette_.begin(), palette_.end(), color);
    if (found != palette_.end())
        return static_cast<std::uint8_t>(found - palette_.begin());
    // Only the three markers and the description's colours ever appear; a
    // colour beyond the palette is shown as its last.
    if (palette_.size() == PaletteSize)
        return PaletteSize - 1;
    palette_.push_back(color);
    return static_cast<std::uint8_t>(palette_.size() - 1);
}

} // namespace lodarix::trace
