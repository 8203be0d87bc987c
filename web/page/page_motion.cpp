#include "web/page/page_motion.h"

#include "web/page/typed_arrays.h"

#include "core/json/json_object.h"
#include "core/motion/graph_frame.h"
#include "core/motion/motion_csv.h"
#include "core/motion/path_numbers.h"
#include "core/motion/record_texts.h"
#include "core/workbook/motion_workbook.h"

#include <emscripten/val.h>

#include <cmath>
#include <optional>
#include <vector>

namespace lodarix::web {

namespace {

std::int64_t wholeMs(double ms)
{
    return static_cast<std::int64_t>(std::floor(ms));
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

namespace {

emscripten::val axisOf(const motion::Axis& axis)
{
    emscripten::val ticks = emscripten::val::array();
    for (const motion::Tick& tick : motion::ticks(axis)) {
        emscripten::val one = emscripten::val::object();
        one.set("value", tick.value);
        one.set("label", tick.label);
        ticks.call<void>("push", one);
    }
    emscripten::val object = emscripten::val::object();
    object.set("low", axis.low);
    object.set("high", axis.high);
    object.set("ticks", ticks);
    return object;
}

} // namespace

emscripten::val PageMotion::graph(bool speeds, bool wholeSession, double pageMs, int columns,
                                  double plotWidth, double labelWidth, double heightMetres)
{
    namespace numbers = motion::path_numbers;
    const std::int64_t nowMs = wholeMs(this->nowMs(pageMs));
    const motion::TimeSpan span = motion::shownSpan(nowMs, wholeSession);
    const std::vector<double> path = numbers::pathNumbers(
        recorder_.rows(), recorder_.trips(),
        {span, columns, nowMs,
         speeds ? std::optional(motion::StoreyHeight(heightMetres)) : std::nullopt,
         recorder_.stepInterval()});
    emscripten::val graph = emscripten::val::object();
    graph.set("fromMs", static_cast<double>(span.fromMs));
    graph.set("toMs", static_cast<double>(span.toMs));
    graph.set("nowMs", static_cast<double>(nowMs));
    graph.set("path", numbersOf(path));
    graph.set("values",
              axisOf(speeds ? motion::speedAxis(path[numbers::Fastest]) : motion::floorAxis()));
    graph.set("times", axisOf(motion::timeAxis(span, plotWidth, labelWidth)));
    return graph;
}

std::string PageMotion::tripRowsJson(double heightMetres) const
{
    const motion::StoreyHeight height(heightMetres);
    std::string out;
    {
        json::Array rows(out);
        for (const motion::Trip& trip : recorder_.trips()) {
            json::Array row(rows.next());
            for (const std::string& text : motion::tripRow(trip, height))
                row.text(text);
        }
    }
    return out;
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
    return motion::positionGraphDescription(recorder_.trips());
}

std::string PageMotion::speedDescription(double heightMetres) const
{
    return motion::speedGraphDescription(recorder_.trips(), motion::StoreyHeight(heightMetres));
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

} // namespace lodarix::web
