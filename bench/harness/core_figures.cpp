#include "bench/harness/figures.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

namespace {

// The core benchmark's repetitions, by benchmark name.
using CoreRuns = std::map<std::string, std::vector<QJsonObject>>;

CoreRuns runCoreBenchmark(const Settings& settings)
{
    progress("events per second through the trip rules, and the motion record");
    const ChildRun run =
        runChild({LODARIX_BENCH_CORE, "--benchmark_format=json", "--benchmark_min_time=0.2",
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

void measureThroughput(Table& table, const CoreRuns& runs)
{
    const std::pair<const char*, const char*> rows[] = {
        {"tripsThroughTheModel", "events per second, rules through the window model (millions)"},
        {"tripsThroughTheRulesAlone", "events per second, rules on a no-op window (millions)"},
    };
    for (const auto& [name, figure] : rows) {
        const Summary summary = summarize(field(runs, name, "items_per_second", 1e-6));
        table.add(figure, summary, 2, "> 10", summary.median > 10);
    }
    const Summary interpreted =
        summarize(field(runs, "tripsThroughTheFormsCode", "items_per_second", 1e-6));
    table.add("statements per second, the form's code through the window model (millions)",
              interpreted, 2, ">= 1", interpreted.median >= 1);
    const Summary endless = summarize(wallMs(runs, "anEndlessClickStopped"));
    table.add("a click that never ends, stopped at its 10,001st statement (ms)", endless, 2,
              "<= 100", endless.median <= 100);
    const Summary checked = summarize(wallMs(runs, "checkingAClassOfThirty"));
    table.add("a class of 30 programs checked on 5 scripts of 4 trips (ms)", checked, 1, "< 1000",
              checked.median < 1000);
}

// A window step costs about 1 ms of CPU time (its rules, style sheets and
// repaint); what recording adds to it must stay far below what can be seen.
void measureMotionRecord(Table& table, const CoreRuns& runs)
{
    const std::vector<double> plain = field(runs, "tripsThroughTheModel", "items_per_second", 1e-6);
    const std::vector<double> recorded =
        field(runs, "tripsThroughTheModelRecorded", "items_per_second", 1e-6);
    table.add("events per second, rules through the window model, motion recorded (millions)",
              summarize(recorded), 2);
    std::vector<double> addedNs;
    for (std::size_t i = 0; i < plain.size() && i < recorded.size(); ++i)
        addedNs.push_back(1e3 / recorded[i] - 1e3 / plain[i]);
    const Summary added = summarize(addedNs);
    table.add("time recording adds to an event through the window model (ns a row)", added, 1,
              "< 1000 (0.1 % of a window step)", added.median < 1000);

    const Summary bytes = summarize(field(runs, "motionRecordBytesPerRow", "bytes_per_row"));
    const int rowSize = static_cast<int>(field(runs, "motionRecordBytesPerRow", "row_size").at(0));
    table.add("motion record: bytes per row, spare room included, 100,000 rows of "
                  + std::to_string(rowSize) + " bytes",
              bytes, 1, "<= 32", bytes.max <= 32);

    const Summary kept = summarize(field(runs, "statementHistoryBytes", "bytes_per_statement"));
    table.add("a statement of the form's code kept for going back (bytes, 100,000 kept)", kept, 1,
              "<= 48", kept.max <= 48);
    const Summary moment = summarize(wallMs(runs, "formAfterAKeptStatement"));
    table.add("the form after a kept statement, rebuilt (ms, 100,000 kept)", moment, 3,
              "<= 16 (a frame)", moment.median <= 16);

    const Summary whole = summarize(wallMs(runs, "decimateWholeSession"));
    table.add("graph points of 100,000 rows for 1920 columns, whole session (ms)", whole, 3,
              "<= 4 (a quarter of a 16 ms repaint)", whole.median <= 4);
    const Summary window = summarize(wallMs(runs, "decimateSixtySecondWindow"));
    table.add("graph points of 100,000 rows for 1920 columns, last 60 s (ms)", window, 4,
              "<= 0.5 (a quarter of a 2 ms repaint)", window.median <= 0.5);
}

} // namespace

void measureCore(Table& table, const Settings& settings)
{
    const CoreRuns core = runCoreBenchmark(settings);
    measureThroughput(table, core);
    measureMotionRecord(table, core);
}

} // namespace bench
