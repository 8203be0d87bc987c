#include "bench/harness/figures.h"

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace bench {

namespace {

double startUpMs(const ChildRun& run)
{
    return static_cast<double>(run.value("first-frame-ns") - run.spawnedNs) / 1e6;
}

} // namespace

std::vector<double> ratios(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> result;
    for (std::size_t i = 0; i < a.size(); ++i)
        result.push_back(a[i] / b[i]);
    return result;
}

void measureStartUp(Table& table, const std::string& platform, const Environment& environment,
                    const Settings& settings)
{
    progress("start-up and memory on " + platform);
    std::vector<double> windowMs, minimalMs, windowMiB, minimalMiB;
    probe(LODARIX_BENCH_WINDOW, environment, "start", settings); // warms the caches
    probe(LODARIX_BENCH_MINIMAL, environment, "start", settings);
    for (int i = 0; i < settings.startRuns; ++i) {
        const ChildRun window = probe(LODARIX_BENCH_WINDOW, environment, "start", settings);
        const ChildRun minimal = probe(LODARIX_BENCH_MINIMAL, environment, "start", settings);
        windowMs.push_back(startUpMs(window));
        minimalMs.push_back(startUpMs(minimal));
        windowMiB.push_back(static_cast<double>(window.maxRssKb) / 1024);
        minimalMiB.push_back(static_cast<double>(minimal.maxRssKb) / 1024);
    }
    const Summary startRatio = summarize(ratios(windowMs, minimalMs));
    table.add("start-up to first frame, " + platform + ": lodarix (ms)", summarize(windowMs), 1);
    table.add("start-up to first frame, " + platform + ": minimal window (ms)",
              summarize(minimalMs), 1);
    table.add("start-up ratio lodarix / minimal, " + platform, startRatio, 3, "<= 1.15",
              startRatio.median <= 1.15);
    const Summary memoryRatio = summarize(ratios(windowMiB, minimalMiB));
    table.add("peak resident set, " + platform + ": lodarix (MiB)", summarize(windowMiB), 1);
    table.add("peak resident set, " + platform + ": minimal window (MiB)", summarize(minimalMiB),
              1);
    table.add("peak resident set ratio lodarix / minimal, " + platform, memoryRatio, 3, "<= 1.10",
              memoryRatio.median <= 1.10);
}

void measureCpu(Table& table, const Environment& environment, const Settings& settings)
{
    progress("CPU time of the idle window and of a trip on xcb (10 s each)");
    std::vector<double> idle, trip;
    for (int i = 0; i < settings.longRuns; ++i) {
        idle.push_back(
            static_cast<double>(
                probe(LODARIX_BENCH_WINDOW, environment, "idle", settings).value("cpu-us"))
            / 1e3);
        trip.push_back(
            static_cast<double>(
                probe(LODARIX_BENCH_WINDOW, environment, "trip", settings).value("cpu-us"))
            / 1e3);
    }
    const Summary idleSummary = summarize(idle);
    table.add("CPU time over 10 s, idle window, xcb (ms)", idleSummary, 2, "< 10",
              idleSummary.median < 10);
    table.add("CPU time over 10 s with a trip 1 to 11, xcb (ms)", summarize(trip), 2);
}

void measureAppendCost(Table& table, const Environment& environment, const Settings& settings)
{
    progress("picks appending a line to long status texts offscreen");
    struct Size {
        const char* name;
        std::size_t bytes;
    };
    const Size sizes[] = {
        {"1 KiB", 1 << 10}, {"512 KiB", 512 << 10}, {"2 MiB", 2 << 20}, {"8 MiB", 8 << 20}};
    std::vector<std::vector<double>> pickMs(std::size(sizes));
    for (int i = 0; i < settings.longRuns; ++i) {
        for (std::size_t s = 0; s < std::size(sizes); ++s) {
            Environment withSize = environment;
            withSize.push_back("LODARIX_BENCH_STATUS_BYTES=" + std::to_string(sizes[s].bytes));
            const ChildRun run = probe(LODARIX_BENCH_WINDOW, withSize, "append", settings);
            std::vector<double> picks;
            for (const std::int64_t ns : run.all("append-ns"))
                picks.push_back(static_cast<double>(ns) / 1e6);
            pickMs[s].push_back(summarize(picks).median);
        }
    }
    for (std::size_t s = 0; s < std::size(sizes); ++s) {
        table.add(std::string("own-floor pick on ") + sizes[s].name
                      + " of status text, offscreen (ms)",
                  summarize(pickMs[s]), 3);
    }
    const Summary ratio = summarize(ratios(pickMs.back(), pickMs.front()));
    table.add("append on 8 MiB / append on 1 KiB, offscreen", ratio, 2, "<= 5", ratio.median <= 5);
}

// Repaints of the motion window's graphs, 1200 x 400 pixels, with a record
// of 100,000 rows: over the whole session and over the last 60 s.
void measureGraphs(Table& table, const Settings& settings)
{
    progress("repaints of the motion window's graphs with 100,000 rows, offscreen");
    const ChildRun run =
        probe(LODARIX_BENCH_GRAPHS, {"QT_QPA_PLATFORM=offscreen"}, "graphs", settings);
    const std::pair<const char*, const char*> graphs[] = {{"position", "position graph"},
                                                          {"speed", "speed graph"}};
    for (const auto& [key, name] : graphs) {
        std::vector<double> whole, recent;
        for (const std::int64_t ns : run.all(std::string(key) + "-whole-ns"))
            whole.push_back(static_cast<double>(ns) / 1e6);
        for (const std::int64_t ns : run.all(std::string(key) + "-recent-ns"))
            recent.push_back(static_cast<double>(ns) / 1e6);
        const Summary wholeSummary = summarize(whole);
        table.add(std::string("repaint of the ") + name + ", 100,000 rows, whole session (ms)",
                  wholeSummary, 2, "<= 16", wholeSummary.median <= 16);
        const Summary recentSummary = summarize(recent);
        table.add(std::string("repaint of the ") + name + ", 100,000 rows, last 60 s (ms)",
                  recentSummary, 3, "<= 2", recentSummary.median <= 2);
    }
}

} // namespace bench
