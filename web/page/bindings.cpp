// What the page's script sees of the core: the window at work (PageWindow)
// and its motion record (PageMotion). What the page needs of the core only
// once comes in at build time (web/facts/).

#include "web/page/page_motion.h"
#include "web/page/page_window.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(lodarix)
{
    using lodarix::web::PageMotion;
    using lodarix::web::PageWindow;
    emscripten::class_<PageWindow>("PageWindow")
        .constructor<emscripten::val>()
        .function("load", &PageWindow::load)
        .function("pick", &PageWindow::pick)
        .function("step", &PageWindow::step)
        .function("observe", &PageWindow::observe, emscripten::allow_raw_pointers());
    emscripten::class_<PageMotion>("PageMotion")
        .constructor<int>()
        .function("setPageMs", &PageMotion::setPageMs)
        .function("pause", &PageMotion::pause)
        .function("resume", &PageMotion::resume)
        .function("paused", &PageMotion::paused)
        .function("advanceOneInterval", &PageMotion::advanceOneInterval)
        .function("setStepInterval", &PageMotion::setStepInterval)
        .function("nowMs", &PageMotion::nowMs)
        .function("rowCount", &PageMotion::rowCount)
        .function("bytesHeld", &PageMotion::bytesHeld)
        .function("graph", &PageMotion::graph)
        .function("tripRowsJson", &PageMotion::tripRowsJson)
        .function("clockText", &PageMotion::clockText)
        .function("tripClockText", &PageMotion::tripClockText)
        .function("positionDescription", &PageMotion::positionDescription)
        .function("speedDescription", &PageMotion::speedDescription)
        .function("csv", &PageMotion::csv)
        .function("workbook", &PageMotion::workbook);
}
