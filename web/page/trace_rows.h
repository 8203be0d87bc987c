// An events trace as the page's events view reads it: a run of rows as
// their cells, a row as a screen reader hears it, and the drawing of the
// window after a row, each as JSON in the core's words
// (core/trace/trace_texts.h, window_sketch.h). The live trace (PageTrace)
// and a script's (PageScript) answer alike.
#pragma once

#include "core/trace/event_trace.h"

#include <string>

namespace lodarix::web {

// [[cell, ...], ...]: the rows from first, at most count of them.
std::string traceRowsJson(const trace::EventTrace& trace, int first, int count);
// The row as a screen reader hears it; empty for a row the trace has not got.
std::string traceRowSummary(const trace::EventTrace& trace, int row);
// {width, height, background, name, description, shapes: [{kind, left, top,
// width, height, fill, text, selected}]}: colours "#RRGGBB", kind one of
// "frame", "label", "floorButton", "radioButton", "textBox", text with line
// feeds; "null" for a row the trace has not got.
std::string traceSketchJson(const trace::EventTrace& trace, int row);

} // namespace lodarix::web
