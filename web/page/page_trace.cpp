#include "web/page/page_trace.h"

namespace lodarix::web {

PageTrace::PageTrace(PageMotion& motion)
    : trace_(motion.recorder())
{
}

void PageTrace::setRowListener(emscripten::val listener)
{
    trace_.setRowListener([listener](std::size_t row) { listener(static_cast<double>(row)); });
}

} // namespace lodarix::web
