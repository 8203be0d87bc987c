#include "core/trace/statement_history.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"

#include <algorithm>
#include <stdexcept>

namespace lodarix::trace {

StatementHistory::StatementHistory(std::shared_ptr<const program::Program> program,
                                   std::size_t maxKept)
    : program_(std::move(program))
    , maxKept_(maxKept)
    , periodMs_(stepPeriodMs())
{
    const WindowModel window(lodarixForm());
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor)
        colors_[std::size_t(floor)] = window.backColor(controls::FloorButtons, floor);
    status_ = window.statusText();
    timerOn_ = window.isEnabled(controls::StepTimer);
}

void StatementHistory::procedureStarting(lift::Procedure procedure, lift::FloorIndex floor)
{
    if (procedure == lift::Procedure::Option1Click)
        selectedFloor_ = std::int8_t(floor);
    if (window_)
        status_ = window_->statusText();
    const program::Event kind = procedure == lift::Procedure::FormLoad ? program::Event::Load
        : procedure == lift::Procedure::Option1Click                   ? program::Event::Click
                                                                       : program::Event::Timer;
    Event event{dropped_ + kept_.size(),
                trace_ ? trace_->size() : NoRow,
                false,
                kind,
                floor,
                colors_,
                selectedFloor_,
                grille_,
                timerOn_,
                listVisible_,
                periodMs_,
                0,
                0,
                machine_ ? machine_->variables() : std::vector<program::Value>{}};
    keepText(event, status_);
    events_.push_back(std::move(event));
    textWritten_ = false;
}

void StatementHistory::keepText(Event& event, const std::string& text)
{
    const Event* before = events_.empty() ? nullptr : &events_.back();
    if (before && before != &event && before->textStart + before->textLength == texts_.size()
        && text.size() >= before->textLength
        && std::string_view(texts_).substr(before->textStart)
            == std::string_view(text).substr(0, before->textLength)) {
        texts_.append(text, before->textLength);
        event.textStart = before->textStart;
    } else {
        event.textStart = texts_.size();
        texts_ += text;
    }
    event.textLength = text.size();
}

void StatementHistory::floorPainted(lift::FloorIndex floor, lift::Color color)
{
    if (floor >= 0 && floor < lift::FloorTable::Count)
        colors_[std::size_t(floor)] = color;
}

void StatementHistory::statusRead(const std::string& text)
{
    // Typing in the box between events shows first here: the event found it so.
    if (!textWritten_ && !events_.empty() && text != status_) {
        Event& event = events_.back();
        event.textStart = texts_.size();
        texts_ += text;
        event.textLength = text.size();
    }
    status_ = text;
}

void StatementHistory::statusWritten(const std::string& text)
{
    status_ = text;
    textWritten_ = true;
}

void StatementHistory::grilleSelected(bool closed, const std::string& statusText)
{
    grille_ = closed ? GrilleState::Closed : GrilleState::Open;
    status_ = statusText;
}

void StatementHistory::statementRan(const program::StatementRan& ran)
{
    if (events_.empty())
        return;
    kept_.push_back({std::uint32_t(firstEvent_ + events_.size() - 1), std::uint16_t(ran.ran.line),
                     std::uint8_t(ran.ran.procedure)});
    if (kept_.size() > maxKept_)
        dropOldest();
}

void StatementHistory::dropOldest()
{
    kept_.pop_front();
    ++dropped_;
    while (events_.size() > 1 && events_[1].firstStatement <= dropped_) {
        events_.pop_front();
        ++firstEvent_;
    }
}

program::Ran StatementHistory::at(std::size_t statement) const
{
    const Kept& kept = kept_.at(statement);
    return {kept.procedure, kept.line};
}

std::uint64_t StatementHistory::rowOfEvent(std::size_t event) const
{
    // An event that failed made no row: the next row, a grille's or an
    // event's, takes the number it would have had.
    const Event& kept = events_[event];
    return trace_ && kept.madeRow && kept.row < trace_->size() ? kept.row : NoRow;
}

std::optional<std::size_t> StatementHistory::rowOf(std::size_t statement) const
{
    const std::uint64_t row = rowOfEvent(kept_.at(statement).event - firstEvent_);
    if (row == NoRow)
        return std::nullopt;
    return std::size_t(row);
}

std::optional<std::pair<std::size_t, std::size_t>>
StatementHistory::statementsOfRow(std::size_t row) const
{
    std::size_t event =
        std::size_t(std::partition_point(events_.begin(), events_.end(),
                                         [row](const Event& kept) { return kept.row < row; })
                    - events_.begin());
    while (event + 1 < events_.size() && events_[event + 1].row == row)
        ++event;
    if (event == events_.size() || rowOfEvent(event) != row)
        return std::nullopt;
    const std::uint64_t end =
        event + 1 == events_.size() ? dropped_ + kept_.size() : events_[event + 1].firstStatement;
    const std::uint64_t first = std::max(events_[event].firstStatement, dropped_);
    if (end <= first)
        return std::nullopt;
    return std::pair{std::size_t(first - dropped_), std::size_t(end - dropped_)};
}

Moment StatementHistory::momentAfter(std::size_t statement) const
{
    const Kept& kept = kept_.at(statement);
    const Event& event = events_.at(kept.event - firstEvent_);
    auto window = std::make_unique<WindowModel>(lodarixForm());
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor)
        window->paintFloorButton(floor, event.colors[std::size_t(floor)]);
    if (event.selectedFloor >= 0)
        window->select(controls::FloorButtons, event.selectedFloor);
    if (event.grille == GrilleState::Closed)
        window->select(controls::GrilleButtons, controls::GrilleClosedButton);
    if (event.grille == GrilleState::Open)
        window->openGrille();
    window->setStepsRunning(event.timerOn);
    window->setStepPeriod(event.periodMs);
    if (!event.listVisible)
        window->hideFloorNames();
    window->setStatusText(texts_.substr(event.textStart, event.textLength));

    program::Machine machine(*program_, *window);
    for (std::size_t slot = 0; slot < event.variables.size(); ++slot)
        machine.setVariable(slot, event.variables[slot]);
    Moment moment{at(statement), kept.event - firstEvent_, nullptr, {}, {}};
    machine.start(event.kind, event.floor);
    const std::uint64_t steps = dropped_ + statement + 1 - event.firstStatement;
    for (std::uint64_t i = 0; i < steps && machine.running(); ++i)
        machine.step();
    moment.variables = machine.variables();
    if (machine.procedure() == moment.ran.procedure)
        moment.locals = machine.locals();
    moment.window = std::move(window);
    return moment;
}

std::size_t StatementHistory::bytesHeld() const
{
    std::size_t bytes = kept_.size() * sizeof(Kept) + texts_.capacity();
    for (const Event& event : events_)
        bytes += sizeof(Event) + event.variables.capacity() * sizeof(program::Value);
    return bytes;
}

} // namespace lodarix::trace
