// lodarix-bench [--runs N] [--output FILE] [--only GROUP]: runs every
// measurement of the window and the trip rules (or one group of them:
// start-up, cadence, cpu, throughput, append, graphs, events, code), prints one Markdown
// table and writes it to FILE. Start-up and memory pit the window against a
// minimal one, run after run on the same platform; cadence and CPU time watch
// the real window with its real timer in Xvfb, at the default interval and at
// intervals set in the motion window; throughput and the motion record's
// figures come from the Google Benchmark of the rules; the append cost times
// picks that append a line to status texts from 1 KiB to 8 MiB, and the
// motion window's graphs are repainted, offscreen (figures.h); the events
// window takes in a row at 100,000 events (events_figures.h); the code
// window goes to a step among 100,000 kept (code_figures.h).

#include "bench/harness/code_figures.h"
#include "bench/harness/events_figures.h"
#include "bench/harness/figures.h"
#include "tests/support/xvfb.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <stdexcept>

using namespace bench;

int main(int argc, char* argv[])
{
    const Settings settings = parseSettings(argc, argv);
    try {
        Table table;
        std::optional<test_support::Xvfb> x;
        if (settings.runs("start-up") || settings.runs("cadence") || settings.runs("cpu"))
            x.emplace(1280, 1024);
        const Environment xcb{"QT_QPA_PLATFORM=xcb", "DISPLAY=" + (x ? x->display() : "")};
        const Environment offscreen{"QT_QPA_PLATFORM=offscreen"};
        if (settings.runs("start-up")) {
            measureStartUp(table, "xcb", xcb, settings);
            measureStartUp(table, "offscreen", offscreen, settings);
        }
        if (settings.runs("cadence")) {
            measureCadence(table, xcb, settings);
            measureSetIntervals(table, xcb, settings);
        }
        if (settings.runs("cpu"))
            measureCpu(table, xcb, settings);
        if (settings.runs("throughput"))
            measureCore(table, settings);
        if (settings.runs("append"))
            measureAppendCost(table, offscreen, settings);
        if (settings.runs("graphs"))
            measureGraphs(table, settings);
        if (settings.runs("events")) {
            progress("the events window with 100,000 events, offscreen");
            measureEventsWindow(table, LODARIX_BENCH_EVENTS, std::min(settings.longRuns, 3),
                                settings.errorLog);
        }
        if (settings.runs("code")) {
            progress("the code window with 100,000 statements kept, offscreen");
            measureCodeWindow(table, LODARIX_BENCH_CODE, std::min(settings.longRuns, 3),
                              settings.errorLog);
        }

        const std::string markdown = table.markdown();
        std::fputs(markdown.c_str(), stdout);
        std::ofstream(settings.output) << markdown;
        progress("written to " + settings.output);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lodarix-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
