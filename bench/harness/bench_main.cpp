// lodarix-bench [--runs N] [--output FILE] [--only GROUP]: runs every
// measurement of the window and the trip rules (or one group of them:
// start-up, cadence, cpu, throughput, append, graphs, events), prints one Markdown
// table and writes it to FILE. Start-up and memory pit the window against a
// minimal one, run after run on the same platform; cadence and CPU time watch
// the real window with its real timer in Xvfb, at the default interval and at
// intervals set in the motion window; throughput and the motion record's
// figures come from the Google Benchmark of the rules; the append cost times
// picks that append a line to status texts from 1 KiB to 8 MiB, and the
// motion window's graphs are repainted, offscreen; the events window takes
// in a row at 100,000 events.

#include "bench/harness/child_process.h"
#include "bench/harness/events_figures.h"
#include "bench/harness/table.h"
#include "core/form/lodarix_form.h"
#include "tests/support/xvfb.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int TripSteps = 10;

struct Settings {
    int startRuns = 11;
    int longRuns = 7; // the runs of the figures that take seconds each
    std::string output = "results.md";
    std::string errorLog;
    std::string only; // empty: every group

    bool runs(const std::string& group) const { return only.empty() || only == group; }
};

const char* const Groups[] = {"start-up", "cadence", "cpu",   "throughput",
                              "append",   "graphs",  "events"};

using Environment = std::vector<std::string>;

void progress(const std::string& text)
{
    std::fprintf(stderr, "lodarix-bench: %s\n", text.c_str());
}

bench::ChildRun probe(const std::string& program, const Environment& environment,
                      const std::string& mode, const Settings& settings)
{
    Environment withMode = environment;
    withMode.push_back("LODARIX_BENCH_PROBE=" + mode);
    bench::ChildRun run = bench::runChild({program}, withMode, settings.errorLog);
    if (!run.succeeded)
        throw std::runtime_error(program + " (" + mode + ") failed; see " + settings.errorLog);
    return run;
}

double startUpMs(const bench::ChildRun& run)
{
    return static_cast<double>(run.value("first-frame-ns") - run.spawnedNs) / 1e6;
}

std::vector<double> ratios(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> result;
    for (std::size_t i = 0; i < a.size(); ++i)
        result.push_back(a[i] / b[i]);
    return result;
}

void measureStartUp(bench::Table& table, const std::string& platform,
                    const Environment& environment, const Settings& settings)
{
    progress("start-up and memory on " + platform);
    std::vector<double> windowMs, minimalMs, windowMiB, minimalMiB;
    probe(LODARIX_BENCH_WINDOW, environment, "start", settings); // warms the caches
    probe(LODARIX_BENCH_MINIMAL, environment, "start", settings);
    for (int i = 0; i < settings.startRuns; ++i) {
        const bench::ChildRun window = probe(LODARIX_BENCH_WINDOW, environment, "start", settings);
        const bench::ChildRun minimal =
            probe(LODARIX_BENCH_MINIMAL, environment, "start", settings);
        windowMs.push_back(startUpMs(window));
        minimalMs.push_back(startUpMs(minimal));
        windowMiB.push_back(static_cast<double>(window.maxRssKb) / 1024);
        minimalMiB.push_back(static_cast<double>(minimal.maxRssKb) / 1024);
    }
    const bench::Summary startRatio = bench::summarize(ratios(windowMs, minimalMs));
    table.add("start-up to first frame, " + platform + ": lodarix (ms)", bench::summarize(windowMs),
              1);
    table.add("start-up to first frame, " + platform + ": minimal window (ms)",
              bench::summarize(minimalMs), 1);
    table.add("start-up ratio lodarix / minimal, " + platform, startRatio, 3, "<= 1.15",
              startRatio.median <= 1.15);
    const bench::Summary memoryRatio = bench::summarize(ratios(windowMiB, minimalMiB));
    table.add("peak resident set, " + platform + ": lodarix (MiB)", bench::summarize(windowMiB), 1);
    table.add("peak resident set, " + platform + ": minimal window (MiB)",
              bench::summarize(minimalMiB), 1);
    table.add("peak resident set ratio lodarix / minimal, " + platform, memoryRatio, 3, "<= 1.10",
              memoryRatio.median <= 1.10);
}

// The time from the trip's start to each of its ten steps, less the
// interval, appended to deviations (ms); the whole trip's time is returned.
double collectStepDeviations(const bench::ChildRun& run, double intervalMs,
                             std::vector<double>& deviations)
{
    const std::vector<std::int64_t> steps = run.all("step-ns");
    if (steps.size() != TripSteps)
        throw std::runtime_error("a trip to floor 11 did not take ten steps: " + run.output);
    std::int64_t previous = run.value("start-ns");
    for (const std::int64_t step : steps) {
        deviations.push_back(static_cast<double>(step - previous) / 1e6 - intervalMs);
        previous = step;
    }
    return static_cast<double>(steps.back() - run.value("start-ns")) / 1e6;
}

void measureCadence(bench::Table& table, const Environment& environment, const Settings& settings)
{
    progress("step cadence of trips from floor 1 to 11 on xcb");
    const double stepMs = lodarix::stepPeriodMs();
    std::vector<double> stepDeviations, tripDeviations;
    for (int i = 0; i < settings.longRuns; ++i) {
        const bench::ChildRun run = probe(LODARIX_BENCH_WINDOW, environment, "cadence", settings);
        tripDeviations.push_back(collectStepDeviations(run, stepMs, stepDeviations)
                                 - stepMs * TripSteps);
    }
    const bench::Summary steps = bench::summarize(stepDeviations);
    const double worstStep = std::max(std::abs(steps.min), std::abs(steps.max));
    table.add("step deviation from " + std::to_string(lodarix::stepPeriodMs()) + " ms, xcb (ms)",
              steps, 3, "median <= 1, max <= 5", std::abs(steps.median) <= 1 && worstStep <= 5);
    const bench::Summary trips = bench::summarize(tripDeviations);
    table.add("trip 1 to 11: deviation from " + std::to_string(lodarix::stepPeriodMs() * TripSteps)
                  + " ms, xcb (ms)",
              trips, 3, "within 5", std::max(std::abs(trips.min), std::abs(trips.max)) <= 5);
}

// The step interval set in the motion window, as a teacher sets it: each
// step's deviation from it over trips from floor 1 to 11.
void measureSetIntervals(bench::Table& table, const Environment& environment,
                         const Settings& settings)
{
    progress("step periods set in the motion window (200, 800, 2000 ms) on xcb");
    const int runs = std::min(settings.longRuns, 3);
    for (const int intervalMs : {200, 800, 2000}) {
        Environment withInterval = environment;
        withInterval.push_back("LODARIX_BENCH_INTERVAL=" + std::to_string(intervalMs));
        std::vector<double> deviations;
        for (int i = 0; i < runs; ++i) {
            collectStepDeviations(probe(LODARIX_BENCH_WINDOW, withInterval, "cadence", settings),
                                  intervalMs, deviations);
        }
        const bench::Summary summary = bench::summarize(deviations);
        const double worst = std::max(std::abs(summary.min), std::abs(summary.max));
        table.add("step deviation from " + std::to_string(intervalMs)
                      + " ms set in the motion window, xcb (ms)",
                  summary, 3, "median <= 1, max <= 5", std::abs(summary.median) <= 1 && worst <= 5);
    }
}

void measureCpu(bench::Table& table, const Environment& environment, const Settings& settings)
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
    const bench::Summary idleSummary = bench::summarize(idle);
    table.add("CPU time over 10 s, idle window, xcb (ms)", idleSummary, 2, "< 10",
              idleSummary.median < 10);
    table.add("CPU time over 10 s with a trip 1 to 11, xcb (ms)", bench::summarize(trip), 2);
}

// The core benchmark's repetitions, by benchmark name.
using CoreRuns = std::map<std::string, std::vector<QJsonObject>>;

CoreRuns runCoreBenchmark(const Settings& settings)
{
    progress("events per second through the trip rules, and the motion record");
    const bench::ChildRun run =
        bench::runChild({LODARIX_BENCH_CORE, "--benchmark_format=json", "--benchmark_min_time=0.2",
                         "--benchmark_repetitions=" + std::to_string(settings.longRuns)},
                        {}, settings.errorLog);
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.output));
    if (!run.succeeded || !document.isObject())
        throw std::runtime_error("the core benchmark failed; see " + settings.errorLog);
    CoreRuns runs;
    for (const QJsonValue entry : document.object().value(QStringLiteral("benchmarks")).toArray()) {
        const QJsonObject benchmark = entry.toObject();
        if (benchmark.value(QStringLiteral("run_type")).toString() != QLatin1String("iteration"))
            continue;
        runs[benchmark.value(QStringLiteral("run_name")).toString().toStdString()].push_back(
            benchmark);
    }
    return runs;
}

// One field of each repetition of a benchmark, times scale.
std::vector<double> field(const CoreRuns& runs, const std::string& name, const char* key,
                          double scale = 1)
{
    const auto found = runs.find(name);
    if (found == runs.end())
        throw std::runtime_error("the core benchmark has no " + name);
    std::vector<double> values;
    for (const QJsonObject& run : found->second)
        values.push_back(run.value(QLatin1String(key)).toDouble() * scale);
    return values;
}

// The wall time of each repetition of a benchmark in milliseconds.
std::vector<double> wallMs(const CoreRuns& runs, const std::string& name)
{
    std::vector<double> values;
    for (const QJsonObject& run : runs.at(name)) {
        const QString unit = run.value(QStringLiteral("time_unit")).toString();
        const double perMs = unit == QLatin1String("ns") ? 1e6
            : unit == QLatin1String("us")                ? 1e3
            : unit == QLatin1String("s")                 ? 1e-3
                                                         : 1;
        values.push_back(run.value(QStringLiteral("real_time")).toDouble() / perMs);
    }
    return values;
}

void measureThroughput(bench::Table& table, const CoreRuns& runs)
{
    const std::pair<const char*, const char*> rows[] = {
        {"tripsThroughTheModel", "events per second, rules through the window model (millions)"},
        {"tripsThroughTheRulesAlone", "events per second, rules on a no-op window (millions)"},
    };
    for (const auto& [name, figure] : rows) {
        const bench::Summary summary =
            bench::summarize(field(runs, name, "items_per_second", 1e-6));
        table.add(figure, summary, 2, "> 10", summary.median > 10);
    }
}

// A window step costs about 1 ms of CPU time (its rules, style sheets and
// repaint); what recording adds to it must stay far below what can be seen.
void measureMotionRecord(bench::Table& table, const CoreRuns& runs)
{
    const std::vector<double> plain = field(runs, "tripsThroughTheModel", "items_per_second", 1e-6);
    const std::vector<double> recorded =
        field(runs, "tripsThroughTheModelRecorded", "items_per_second", 1e-6);
    table.add("events per second, rules through the window model, motion recorded (millions)",
              bench::summarize(recorded), 2);
    std::vector<double> addedNs;
    for (std::size_t i = 0; i < plain.size() && i < recorded.size(); ++i)
        addedNs.push_back(1e3 / recorded[i] - 1e3 / plain[i]);
    const bench::Summary added = bench::summarize(addedNs);
    table.add("time recording adds to an event through the window model (ns a row)", added, 1,
              "< 1000 (0.1 % of a window step)", added.median < 1000);

    const bench::Summary bytes =
        bench::summarize(field(runs, "motionRecordBytesPerRow", "bytes_per_row"));
    const int rowSize = static_cast<int>(field(runs, "motionRecordBytesPerRow", "row_size").at(0));
    table.add("motion record: bytes per row, spare room included, 100,000 rows of "
                  + std::to_string(rowSize) + " bytes",
              bytes, 1, "<= 32", bytes.max <= 32);

    const bench::Summary whole = bench::summarize(wallMs(runs, "decimateWholeSession"));
    table.add("graph points of 100,000 rows for 1920 columns, whole session (ms)", whole, 3,
              "<= 4 (a quarter of a 16 ms repaint)", whole.median <= 4);
    const bench::Summary window = bench::summarize(wallMs(runs, "decimateSixtySecondWindow"));
    table.add("graph points of 100,000 rows for 1920 columns, last 60 s (ms)", window, 4,
              "<= 0.5 (a quarter of a 2 ms repaint)", window.median <= 0.5);
}

void measureAppendCost(bench::Table& table, const Environment& environment,
                       const Settings& settings)
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
            const bench::ChildRun run = probe(LODARIX_BENCH_WINDOW, withSize, "append", settings);
            std::vector<double> picks;
            for (const std::int64_t ns : run.all("append-ns"))
                picks.push_back(static_cast<double>(ns) / 1e6);
            pickMs[s].push_back(bench::summarize(picks).median);
        }
    }
    for (std::size_t s = 0; s < std::size(sizes); ++s) {
        table.add(std::string("own-floor pick on ") + sizes[s].name
                      + " of status text, offscreen (ms)",
                  bench::summarize(pickMs[s]), 3);
    }
    const bench::Summary ratio = bench::summarize(ratios(pickMs.back(), pickMs.front()));
    table.add("append on 8 MiB / append on 1 KiB, offscreen", ratio, 2, "<= 5", ratio.median <= 5);
}

// Repaints of the motion window's graphs, 1200 x 400 pixels, with a record
// of 100,000 rows: over the whole session and over the last 60 s.
void measureGraphs(bench::Table& table, const Settings& settings)
{
    progress("repaints of the motion window's graphs with 100,000 rows, offscreen");
    const bench::ChildRun run =
        probe(LODARIX_BENCH_GRAPHS, {"QT_QPA_PLATFORM=offscreen"}, "graphs", settings);
    const std::pair<const char*, const char*> graphs[] = {{"position", "position graph"},
                                                          {"speed", "speed graph"}};
    for (const auto& [key, name] : graphs) {
        std::vector<double> whole, recent;
        for (const std::int64_t ns : run.all(std::string(key) + "-whole-ns"))
            whole.push_back(static_cast<double>(ns) / 1e6);
        for (const std::int64_t ns : run.all(std::string(key) + "-recent-ns"))
            recent.push_back(static_cast<double>(ns) / 1e6);
        const bench::Summary wholeSummary = bench::summarize(whole);
        table.add(std::string("repaint of the ") + name + ", 100,000 rows, whole session (ms)",
                  wholeSummary, 2, "<= 16", wholeSummary.median <= 16);
        const bench::Summary recentSummary = bench::summarize(recent);
        table.add(std::string("repaint of the ") + name + ", 100,000 rows, last 60 s (ms)",
                  recentSummary, 3, "<= 2", recentSummary.median <= 2);
    }
}

Settings parse(int argc, char* argv[])
{
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            settings.startRuns = settings.longRuns = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--output" && i + 1 < argc) {
            settings.output = argv[++i];
        } else if (argument == "--only" && i + 1 < argc
                   && std::find(std::begin(Groups), std::end(Groups), std::string(argv[i + 1]))
                       != std::end(Groups)) {
            settings.only = argv[++i];
        } else {
            std::string groups;
            for (const char* group : Groups)
                groups += (groups.empty() ? "" : "|") + std::string(group);
            std::fprintf(stderr, "usage: lodarix-bench [--runs N] [--output FILE] [--only %s]\n",
                         groups.c_str());
            std::exit(2);
        }
    }
    const std::filesystem::path output = std::filesystem::absolute(settings.output);
    std::filesystem::create_directories(output.parent_path());
    settings.errorLog = (output.parent_path() / "children.log").string();
    std::filesystem::remove(settings.errorLog);
    return settings;
}

} // namespace

int main(int argc, char* argv[])
{
    const Settings settings = parse(argc, argv);
    try {
        bench::Table table;
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
        if (settings.runs("throughput")) {
            const CoreRuns core = runCoreBenchmark(settings);
            measureThroughput(table, core);
            measureMotionRecord(table, core);
        }
        if (settings.runs("append"))
            measureAppendCost(table, offscreen, settings);
        if (settings.runs("graphs"))
            measureGraphs(table, settings);
        if (settings.runs("events")) {
            progress("the events window with 100,000 events, offscreen");
            bench::measureEventsWindow(table, LODARIX_BENCH_EVENTS, std::min(settings.longRuns, 3),
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
