// The events trace: a row for each event the program handled and for each
// grille selection that changed the selection, with the form's state right
// after it (trace_row.h). It watches the trip rules from outside, as one of
// a RuleRunner's observers: it hears which procedure starts, each window
// operation the procedure carries out, and the end of the procedure, and
// makes the row then. So the row says what the procedure did to the
// window, read off the operations themselves: the colours it painted, the
// timer it switched, the grille it opened, the text it wrote.
//
// The state before the load is the window's description. The times are the
// motion record's: a row of an event that made a row of the record has that
// row's time, the others the record's time at the moment.
//
// Of the status text a row keeps only what its event wrote: the tail it
// appended, or the whole text where it replaced the box's text. The text
// after any row is rebuilt from them on demand. Text that others' hands put
// into the box (typing) is kept once, at the next event that appends to it.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/motion/motion_recorder.h"
#include "core/trace/trace_row.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lodarix::trace {

class EventTrace final : public lift::RuleObserver {
public:
    // The record must outlive the trace. Add the trace to the rules'
    // observers after the record's, and before the load.
    explicit EventTrace(const motion::MotionRecorder& record);
    EventTrace(const EventTrace&) = delete;
    EventTrace& operator=(const EventTrace&) = delete;

    // Called after each row is made, with the number of rows.
    void setRowListener(std::function<void(std::size_t)> listener)
    {
        listener_ = std::move(listener);
    }

    void loaded(const lift::FormState& controller) override;
    void floorPicked(const lift::FormState& controller, bool grilleWasClosed) override;
    void stepRan(const lift::FormState& controller) override;
    void procedureStarting(lift::Procedure procedure, lift::FloorIndex floor) override;
    void floorPainted(lift::FloorIndex floor, lift::Color color) override;
    void grilleOpened() override;
    void stepsSwitched(bool running) override;
    void statusRead(const std::string& text) override;
    void statusWritten(const std::string& text) override;
    void grilleSelected(bool closed, const std::string& statusText) override;

    // A new session: no rows, and the window as its description shows it,
    // so that the next load makes the first row.
    void beginAnew();

    std::span<const TraceRow> rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }
    // What the row's event wrote to the status box: the tail it appended, or
    // with TextReplaced the whole text after it; empty when it wrote nothing.
    // Valid until the next row is made.
    std::string_view text(std::size_t row) const;
    // The whole status text right after the row, CR LF line ends.
    std::string statusAfter(std::size_t row) const;
    // The colour of a floor button right after the row.
    lift::Color color(const TraceRow& row, lift::FloorIndex floor) const;

    // The bytes the rows take, reserve included; and those of the texts.
    std::size_t bytesHeld() const { return rows_.capacity() * sizeof(TraceRow); }
    std::size_t textBytesHeld() const;

private:
    // The window as its description shows it.
    void describe();
    void endProcedure(const lift::FormState& controller);
    void addRow(EventKind kind, std::int8_t floor, std::int64_t timeMs);
    std::uint8_t colorCode(lift::Color color);
    std::int64_t eventTime() const;

    const motion::MotionRecorder& record_;
    std::function<void(std::size_t)> listener_;
    std::vector<TraceRow> rows_;
    std::string texts_;
    std::vector<std::pair<std::size_t, std::string>> boxTexts_; // by row, for BoxEdited
    std::string initialStatus_;
    std::vector<lift::Color> palette_;

    // The window as the trace knows it now.
    std::uint64_t colors_ = 0;
    std::string status_;
    GrilleState grille_ = GrilleState::None;
    std::int8_t selectedFloor_ = -1;
    bool timerOn_ = false;
    std::int8_t current_ = 0; // the controller's, as the last procedure left them
    std::int8_t target_ = 0;

    // The procedure under way.
    lift::Procedure procedure_ = lift::Procedure::FormLoad;
    lift::FloorIndex floor_ = 0;
    std::size_t recordRowsAtStart_ = 0;
    bool replaced_ = false;
    bool edited_ = false;
    bool statusJustRead_ = false;
};

} // namespace lodarix::trace
