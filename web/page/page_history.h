// The statements of the form's code that ran, kept for the code view to go
// back and forth through (core/trace/statement_history.h), and the step the
// view shows (core/trace/step_choice.h). The view asks for the
// step as it draws it, at most once a frame, so the page crosses into the
// core once per drawing or per user action, never once per statement.
#pragma once

#include "core/json/json_object.h"
#include "core/lift/window_operations.h"
#include "core/program/form_program.h"
#include "core/trace/event_trace.h"
#include "core/trace/statement_history.h"
#include "core/trace/step_choice.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lodarix::web {

class PageHistory {
public:
    // The trace hears the same rules as the history, before it; the window
    // is the one whose status text each event finds.
    PageHistory(std::shared_ptr<const program::Program> program, const trace::EventTrace* trace,
                const lift::WindowOperations& window);

    trace::StatementHistory& statements() { return history_; }

    // The step of that number (1 the first since the code took over),
    // clamped to those kept; the latest is followed.
    void choose(double step);
    // The step by steps from the one shown.
    void move(int by);
    // The first kept statement of the trace's row; false, the choice kept,
    // where that row ran none.
    bool chooseRow(int row);
    void follow() { choice_.follow(); }
    bool following() const { return choice_.following(); }

    // {"count": 0} with no step kept, else {count, first, last, step,
    // following, line, row (-1 for none), heading, variables, dropped (""
    // when none is), sketch (as TraceRows::sketchJson)}.
    std::string json() const;
    // The step shown as a screen reader hears it (trace::stepSummary).
    std::string summary(std::string_view source) const;

private:
    // The kept statement shown.
    std::size_t shown() const;
    // The step shown's members, after the count.
    void writeShown(json::Object& object) const;

    std::shared_ptr<const program::Program> program_;
    trace::StatementHistory history_;
    trace::StepChoice choice_;
};

} // namespace lodarix::web
