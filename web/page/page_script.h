// A script run in the page (core/trace/script_run.h): on a model of its
// own, apart from the lesson, with its own events trace, which the events
// view reads as it reads the lesson's (TraceRows); and what lodarix-replay would write
// for the script, for the view to download.
#pragma once

#include "core/trace/script_run.h"
#include "web/page/trace_rows.h"

#include <emscripten/val.h>

#include <string>

namespace lodarix::web {

class PageScript : public TraceRows {
public:
    // Runs the whole script at once.
    explicit PageScript(std::string script);

    // The bad line's number, or 0 when the whole script ran; what is wrong with it.
    int stopLine() const { return run_.stop() ? run_.stop()->line : 0; }
    std::string stopMessage() const { return run_.stop() ? run_.stop()->message : std::string(); }
    int commandsRun() const { return run_.commandsRun(); }
    // How it went: the bad line's message, or what ran.
    std::string outcome() const { return run_.outcome(); }

    // lodarix-replay's standard output for the script, and with --motion.
    std::string jsonLines() const;
    std::string csv() const { return run_.motionCsv(); }
    // The workbook's bytes as a Uint8Array of its own; null after a bad line.
    emscripten::val workbook() const;

private:
    const trace::EventTrace& events() const override { return run_.trace(); }

    std::string script_;
    trace::ScriptRun run_;
};

} // namespace lodarix::web
