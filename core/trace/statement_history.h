// Every statement of the form's code that ran, the last MaxKept of them, and
// the form as it stood after any one of them. A statement is kept in 8 bytes:
// its event, its procedure and its line. Each event keeps what it found when
// it began: the window (colours, selections, timer, period, status text) and
// the form's variables; the form after a statement is rebuilt by running
// its event again on a model of the window, up to that statement, which
// costs at most one event's 10,000 statements. The history hears the window
// through the rules' observers, as the events trace does, and the statements
// through the program's listener; a face gives it both, and the machine of
// the engine that runs the form. Given the events trace, it knows which of
// the trace's rows each event made, so that a face can show a row's lines
// and a line's row.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/model/window_model.h"
#include "core/program/form_program.h"
#include "core/trace/event_trace.h"
#include "core/trace/trace_row.h"

#include <optional>
#include <utility>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace lodarix::trace {

// The form right after a statement.
struct Moment {
    program::Ran ran;
    std::uint64_t event; // the event's number, counted from the first kept
    std::unique_ptr<WindowModel> window;
    std::vector<program::Value> variables;
    std::vector<program::Value> locals; // of the statement's procedure, if it still ran
};

class StatementHistory final : public lift::RuleObserver {
public:
    static constexpr std::size_t MaxKept = 1'000'000;

    // The program the machine runs; set the machine before the first event.
    explicit StatementHistory(std::shared_ptr<const program::Program> program,
                              std::size_t maxKept = MaxKept);
    void setMachine(const program::Machine* machine) { machine_ = machine; }
    // The window whose status text each event finds: what was typed into it
    // since the last event stands there. Without it, the history knows the
    // text only from what the rules read and wrote.
    void setWindow(const lift::WindowOperations* window) { window_ = window; }
    // The trace that hears the same rules; set it before the first event.
    void setTrace(const EventTrace* trace) { trace_ = trace; }

    // The program's listener: a statement was carried out.
    void statementRan(const program::StatementRan& ran);

    // Statements kept, and how many older ones were dropped.
    std::size_t size() const { return kept_.size(); }
    std::uint64_t dropped() const { return dropped_; }
    program::Ran at(std::size_t statement) const;
    // The trace's row of the kept statement's event; none for an event that
    // made no row (it failed) or without a trace.
    std::optional<std::size_t> rowOf(std::size_t statement) const;
    // The kept statements of the event that made the trace's row, first and
    // one past the last; none where it ran no kept statement.
    std::optional<std::pair<std::size_t, std::size_t>> statementsOfRow(std::size_t row) const;
    // The form right after the kept statement (0 the oldest kept).
    Moment momentAfter(std::size_t statement) const;
    // The bytes it holds, spare room included.
    std::size_t bytesHeld() const;

    // The event under way ended, and the trace made its row.
    void loaded(const lift::FormState&) override { rowMade(); }
    void floorPicked(const lift::FormState&, bool) override { rowMade(); }
    void stepRan(const lift::FormState&) override { rowMade(); }
    void procedureStarting(lift::Procedure procedure, lift::FloorIndex floor) override;
    void floorPainted(lift::FloorIndex floor, lift::Color color) override;
    void grilleOpened() override { grille_ = GrilleState::Open; }
    void stepsSwitched(bool running) override { timerOn_ = running; }
    void statusRead(const std::string& text) override;
    void statusWritten(const std::string& text) override;
    void floorNamesHidden() override { listVisible_ = false; }
    void stepPeriodSet(int periodMs) override { periodMs_ = periodMs; }
    void grilleSelected(bool closed, const std::string& statusText) override;

private:
    struct Kept {
        std::uint32_t event; // in events_, counted from the first ever
        std::uint16_t line;
        std::uint8_t procedure;
    };

    struct Event {
        std::uint64_t firstStatement; // counted from the first ever
        std::uint64_t row;            // the trace's size as it began; NoRow without a trace
        bool madeRow;                 // it ended, and the trace made that row
        program::Event kind;
        lift::FloorIndex floor;
        std::array<lift::Color, lift::FloorTable::Count> colors;
        std::int8_t selectedFloor;
        GrilleState grille;
        bool timerOn;
        bool listVisible;
        int periodMs;
        std::size_t textStart; // the status text, in texts_
        std::size_t textLength;
        std::vector<program::Value> variables;
    };

    static constexpr std::uint64_t NoRow = ~std::uint64_t(0);

    // The trace row that events_[event] made, or NoRow.
    std::uint64_t rowOfEvent(std::size_t event) const;
    void rowMade()
    {
        if (!events_.empty())
            events_.back().madeRow = true;
    }
    // The status text as the event under way found it.
    void keepText(Event& event, const std::string& text);
    void dropOldest();

    std::shared_ptr<const program::Program> program_;
    std::size_t maxKept_;
    const program::Machine* machine_ = nullptr;
    const lift::WindowOperations* window_ = nullptr;
    const EventTrace* trace_ = nullptr;
    std::deque<Kept> kept_;
    std::deque<Event> events_;
    std::uint64_t firstEvent_ = 0; // the number of events_.front()
    std::uint64_t dropped_ = 0;
    std::string texts_;
    bool textWritten_ = false; // by the event under way

    // The window as the history knows it now.
    std::array<lift::Color, lift::FloorTable::Count> colors_;
    std::int8_t selectedFloor_ = -1;
    GrilleState grille_ = GrilleState::None;
    bool timerOn_ = false;
    bool listVisible_ = true;
    int periodMs_;
    std::string status_;
};

} // namespace lodarix::trace
