// The lesson's events trace in the page: a trace::EventTrace that takes its
// times from the page's motion record, told of each event by the page
// window (PageWindow::watch) from the load on; the page's events view reads
// it as TraceRows.
#pragma once

#include "core/trace/event_trace.h"
#include "web/page/page_motion.h"
#include "web/page/trace_rows.h"

#include <emscripten/val.h>

namespace lodarix::web {

class PageTrace : public TraceRows {
public:
    // The motion record must outlive the trace.
    explicit PageTrace(PageMotion& motion);

    trace::EventTrace& trace() { return trace_; }

    // listener(row) after each row the trace takes, as the row's event runs:
    // the page defers its own work to after the event.
    void setRowListener(emscripten::val listener);

    // The bytes the rows take, and those of the texts they wrote.
    double bytesHeld() const { return static_cast<double>(trace_.bytesHeld()); }
    double textBytesHeld() const { return static_cast<double>(trace_.textBytesHeld()); }

private:
    const trace::EventTrace& events() const override { return trace_; }

    trace::EventTrace trace_;
};

} // namespace lodarix::web
