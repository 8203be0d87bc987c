#include "web/page/page_trace.h"

#include "web/page/trace_rows.h"

namespace lodarix::web {

PageTrace::PageTrace(PageMotion& motion)
    : trace_(motion.recorder())
{
}

std::string PageTrace::rowsJson(int first, int count) const
{
    return traceRowsJson(trace_, first, count);
}

std::string PageTrace::summary(int row) const
{
    return traceRowSummary(trace_, row);
}

std::string PageTrace::sketchJson(int row) const
{
    return traceSketchJson(trace_, row);
}

} // namespace lodarix::web
