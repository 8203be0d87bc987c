#include "web/page_motion.h"

#include "core/json/json_object.h"
#include "core/motion/decimation.h"
#include "core/motion/graph_path.h"
#include "core/motion/motion_csv.h"
#include "core/motion/record_texts.h"
#include "core/motion/trip_log.h"
#include "core/texts/motion_window_texts.h"
#include "core/texts/number_texts.h"
#include "core/workbook/motion_workbook.h"

#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <vector>

namespace lodarix::web {

namespace {

std::int64_t wholeMs(double ms)
{
    return static_cast<std::int64_t>(std::floor(ms));
}

emscripten::val bytesOf(const std::string& bytes)
{
    const emscripten::val view = emscripten::val(emscripten::typed_memory_view(
        bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
    return view.call<emscripten::val>("slice");
}

motion::Event eventNamed(const std::string& name)
{
    for (const motion::Event event :
         {motion::Event::Start, motion::Event::Pick, motion::Event::Step, motion::Event::Arrive}) {
        if (motion::eventName(event) == name)
            return event;
    }
    throw std::invalid_argument("no such event: " + name);
}

} // namespace

PageMotion::PageMotion(int intervalMs)
    : clock_([this] { return wholeMs(pageMs_); })
    , recorder_([this] { return clock_.now(); }, intervalMs)
{
}

void PageMotion::setPageMs(double pageMs)
{
    pageMs_ = pageMs;
}

void PageMotion::pause(double pageMs)
{
    setPageMs(pageMs);
    clock_.pause();
}

void PageMotion::resume(double pageMs)
{
    setPageMs(pageMs);
    clock_.resume();
}

void PageMotion::advanceOneInterval()
{
    clock_.advance(recorder_.stepInterval());
}

double PageMotion::nowMs(double pageMs)
{
    setPageMs(pageMs);
    return static_cast<double>(recorder_.nowMs());
}

emscripten::val PageMotion::path(double fromMs, double toMs, int columns, double untilMs,
                                 double heightMetres, bool speeds) const
{
    const auto rows = recorder_.rows();
    const motion::StoreyHeight height(heightMetres);
    const auto points = motion::decimate(rows, wholeMs(fromMs), wholeMs(toMs), columns);
    const auto stretches = motion::graphPath(rows, points, wholeMs(untilMs));
    const auto& trips = recorder_.trips();
    std::vector<double> numbers(PathHeader + stretches.size() * PathFields);
    numbers[0] = static_cast<double>(stretches.size());
    numbers[1] = !trips.empty() && trips.back().running ? trips.back().finalStop : 0;
    double* field = numbers.data() + PathHeader;
    for (const motion::Stretch& stretch : stretches) {
        const std::optional<motion::SpeedRange> speed =
            speeds ? motion::speedOver(rows, stretch, height) : std::nullopt;
        const double fields[PathFields] = {static_cast<double>(stretch.fromMs),
                                           static_cast<double>(stretch.toMs),
                                           static_cast<double>(stretch.fromFloor),
                                           static_cast<double>(stretch.toFloor),
                                           static_cast<double>(stretch.kind),
                                           speed ? 1.0 : 0.0,
                                           speed ? speed->low : 0,
                                           speed ? speed->high : 0,
                                           speed ? speed->last : 0};
        field = std::copy(std::begin(fields), std::end(fields), field);
    }
    return emscripten::val(emscripten::typed_memory_view(numbers.size(), numbers.data()))
        .call<emscripten::val>("slice");
}

std::string PageMotion::tripsJson(double heightMetres) const
{
    const motion::StoreyHeight height(heightMetres);
    std::string json = "[";
    for (const motion::Trip& trip : recorder_.trips()) {
        if (json.size() > 1)
            json += ',';
        json::Object row(json);
        row.number("number", trip.number);
        row.number("from", trip.startFloor);
        row.number("to", trip.finalStop);
        row.number("floors", trip.floorsTravelled);
        row.text("time", texts::seconds(trip.durationMs));
        row.text("speed", motion::meanSpeedText(trip, height));
        row.text("note", motion::tripNote(trip));
    }
    return json + ']';
}

std::string PageMotion::clockText(double pageMs)
{
    return motion::clockText(static_cast<std::int64_t>(nowMs(pageMs)), clock_.paused());
}

std::string PageMotion::tripClockText(double pageMs)
{
    return motion::tripClockText(recorder_, static_cast<std::int64_t>(nowMs(pageMs)));
}

std::string PageMotion::positionDescription() const
{
    return motion::latestTripSummary(recorder_.trips());
}

std::string PageMotion::speedDescription(double heightMetres) const
{
    const auto& trips = recorder_.trips();
    std::string text = motion::latestTripSummary(trips);
    if (!trips.empty())
        text +=
            texts::fill(motion_texts::MeanSpeedOfLatest,
                        {motion::meanSpeedText(trips.back(), motion::StoreyHeight(heightMetres))});
    return text;
}

std::string PageMotion::csv() const
{
    return motion::toCsv(recorder_.rows());
}

emscripten::val PageMotion::workbook(double heightMetres) const
{
    return bytesOf(workbook::motionWorkbook(recorder_.rows(), recorder_.trips(),
                                            motion::StoreyHeight(heightMetres)));
}

emscripten::val workbookOfCsv(const std::string& csv, double heightMetres)
{
    std::vector<motion::Row> rows;
    std::size_t at = csv.find('\n');
    while (at != std::string::npos && at + 1 < csv.size()) {
        const std::size_t end = std::min(csv.find('\n', at + 1), csv.size());
        const std::string line = csv.substr(at + 1, end - at - 1);
        at = end < csv.size() ? end : std::string::npos;
        std::vector<std::string> fields(1);
        for (const char c : line) {
            if (c == ',')
                fields.emplace_back();
            else
                fields.back() += c;
        }
        if (fields.size() != 4)
            throw std::invalid_argument("not a line of the record: " + line);
        rows.push_back({std::llround(std::stod(fields[0]) * 1000),
                        static_cast<std::int8_t>(std::stoi(fields[1])),
                        static_cast<std::int8_t>(std::stoi(fields[2])), eventNamed(fields[3]),
                        800});
    }
    motion::TripLog trips;
    trips.update(rows);
    return bytesOf(
        workbook::motionWorkbook(rows, trips.trips(), motion::StoreyHeight(heightMetres)));
}

} // namespace lodarix::web
