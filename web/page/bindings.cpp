// What the page's script sees of the core: the window at work (PageWindow,
// with the form's code that the code view shows and the steps it goes back
// and forth through, and the pupil's own program run, compared and read
// from a file's bytes, highlighted and indented as the editor shows it),
// its motion record (PageMotion), its events trace (PageTrace) and scripts
// run apart from it (PageScript), both read as TraceRows. What the page needs of the core only once
// comes in at build time (web/facts/).

#include "web/page/page_editing.h"
#include "web/page/page_motion.h"
#include "web/page/page_script.h"
#include "web/page/page_trace.h"
#include "web/page/page_window.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(lodarix)
{
    using lodarix::web::PageMotion;
    using lodarix::web::PageScript;
    using lodarix::web::PageTrace;
    using lodarix::web::PageWindow;
    using lodarix::web::TraceRows;
    emscripten::function("originalCode", &lodarix::web::originalCode);
    emscripten::function("programFileJson", &lodarix::web::programFileJson);
    emscripten::function("highlightedLinesJson", &lodarix::web::highlightedLinesJson);
    emscripten::function("indented", &lodarix::web::indented);
    emscripten::function("runningName", &lodarix::web::runningName);
    emscripten::function("programStatus", &lodarix::web::programStatus);
    emscripten::class_<PageWindow>("PageWindow")
        .constructor<emscripten::val>()
        .function("load", &PageWindow::load)
        .function("pick", &PageWindow::pick)
        .function("step", &PageWindow::step)
        .function("grilleClicked", &PageWindow::grilleClicked)
        .function("observe", &PageWindow::observe, emscripten::allow_raw_pointers())
        .function("watch", &PageWindow::watch, emscripten::allow_raw_pointers())
        .function("runFormCode", &PageWindow::runFormCode)
        .function("runProgram", &PageWindow::runProgram)
        .function("restartProgram", &PageWindow::restartProgram)
        .function("readProgram", &PageWindow::readProgram)
        .function("startProgram", &PageWindow::startProgram)
        .function("source", &PageWindow::source)
        .function("setReference", &PageWindow::setReference)
        .function("compareSession", &PageWindow::compareSession)
        .function("compareScript", &PageWindow::compareScript)
        .function("setStepwise", &PageWindow::setStepwise)
        .function("partWay", &PageWindow::partWay)
        .function("codeFailed", &PageWindow::codeFailed)
        .function("advance", &PageWindow::advance)
        .function("finishProcedure", &PageWindow::finishProcedure)
        .function("codeLinesJson", &PageWindow::codeLinesJson)
        .function("takeRanJson", &PageWindow::takeRanJson)
        .function("lineSummary", &PageWindow::lineSummary)
        .function("historyJson", &PageWindow::historyJson)
        .function("chooseStep", &PageWindow::chooseStep)
        .function("moveStep", &PageWindow::moveStep)
        .function("chooseRow", &PageWindow::chooseRow);
    emscripten::class_<PageMotion>("PageMotion")
        .constructor<int>()
        .function("setPageMs", &PageMotion::setPageMs)
        .function("setStepTimer", &PageMotion::setStepTimer)
        .function("setPaused", &PageMotion::setPaused)
        .function("paused", &PageMotion::paused)
        .function("step", &PageMotion::step)
        .function("intervalMs", &PageMotion::intervalMs)
        .function("nudgeIntervalMs", &PageMotion::nudgeIntervalMs)
        .function("typeIntervalMs", &PageMotion::typeIntervalMs)
        .function("followPeriod", &PageMotion::followPeriod)
        .function("storeyHeight", &PageMotion::storeyHeight)
        .function("nudgeStoreyHeight", &PageMotion::nudgeStoreyHeight)
        .function("typeStoreyHeight", &PageMotion::typeStoreyHeight)
        .function("intervalText", &PageMotion::intervalText)
        .function("storeyHeightText", &PageMotion::storeyHeightText)
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
    emscripten::class_<TraceRows>("TraceRows")
        .function("rowCount", &TraceRows::rowCount)
        .function("rowsJson", &TraceRows::rowsJson)
        .function("summary", &TraceRows::summary)
        .function("sketchJson", &TraceRows::sketchJson);
    emscripten::class_<PageTrace, emscripten::base<TraceRows>>("PageTrace")
        .constructor<PageMotion&>()
        .function("setRowListener", &PageTrace::setRowListener)
        .function("bytesHeld", &PageTrace::bytesHeld)
        .function("textBytesHeld", &PageTrace::textBytesHeld);
    emscripten::class_<PageScript, emscripten::base<TraceRows>>("PageScript")
        .constructor<std::string>()
        .function("stopLine", &PageScript::stopLine)
        .function("stopMessage", &PageScript::stopMessage)
        .function("commandsRun", &PageScript::commandsRun)
        .function("outcome", &PageScript::outcome)
        .function("jsonLines", &PageScript::jsonLines)
        .function("csv", &PageScript::csv)
        .function("workbook", &PageScript::workbook);
}
