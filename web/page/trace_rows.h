// An events trace as the page's events view reads it: its row count, a run
// of rows as their cells, a row as a screen reader hears it, and the drawing
// of the window after a row, each as JSON in the core's words
// (core/trace/trace_texts.h, window_sketch.h). The live trace (PageTrace)
// and a script's (PageScript) are each one, and the page's script reads
// both through these calls alone.
#pragma once

#include "core/trace/event_trace.h"
#include "core/trace/window_sketch.h"

#include <string>
#include <string_view>

namespace lodarix::web {

// A sketch as TraceRows::sketchJson writes it, named name.
std::string sketchJson(const trace::WindowSketch& sketch, std::string_view name);

class TraceRows {
public:
    virtual ~TraceRows() = default;

    int rowCount() const { return static_cast<int>(events().size()); }
    // [[cell, ...], ...]: the rows from first, at most count of them.
    std::string rowsJson(int first, int count) const;
    // The row as a screen reader hears it; empty for a row the trace has not got.
    std::string summary(int row) const;
    // {width, height, background, name, description, shapes: [{kind, left, top,
    // width, height, fill, text, selected}]}: colours "#RRGGBB", kind one of
    // "frame", "label", "floorButton", "radioButton", "textBox", text with line
    // feeds; "null" for a row the trace has not got.
    std::string sketchJson(int row) const;

protected:
    TraceRows() = default;
    TraceRows(const TraceRows&) = delete;
    TraceRows& operator=(const TraceRows&) = delete;

private:
    // The trace read.
    virtual const trace::EventTrace& events() const = 0;
};

} // namespace lodarix::web
