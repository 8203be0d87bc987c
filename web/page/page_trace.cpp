#include "web/page/page_trace.h"

namespace lodarix::web {

PageTrace::PageTrace(PageMotion& motion)
    : trace_(motion.recorder())
{
}

} // namespace lodarix::web
