// The lesson's events trace in the page: a trace::EventTrace that takes its
// times from the page's motion record, told of each event by the page
// window (PageWindow::watch) from the load on; the page's events view reads
// its rows, a row's summary and the drawing after a row (trace_rows.h).
#pragma once

#include "core/trace/event_trace.h"
#include "web/page/page_motion.h"

#include <string>

namespace lodarix::web {

class PageTrace {
public:
    // The motion record must outlive the trace.
    explicit PageTrace(PageMotion& motion);
    PageTrace(const PageTrace&) = delete;
    PageTrace& operator=(const PageTrace&) = delete;

    trace::EventTrace& trace() { return trace_; }

    int rowCount() const { return static_cast<int>(trace_.size()); }
    std::string rowsJson(int first, int count) const;
    std::string summary(int row) const;
    std::string sketchJson(int row) const;
    // The bytes the rows take, and those of the texts they wrote.
    double bytesHeld() const { return static_cast<double>(trace_.bytesHeld()); }
    double textBytesHeld() const { return static_cast<double>(trace_.textBytesHeld()); }

private:
    trace::EventTrace trace_;
};

} // namespace lodarix::web
