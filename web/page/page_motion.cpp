#include "web/page/page_motion.h"

#include "web/page/typed_arrays.h"

#include "core/json/json_object.h"
#include "core/motion/graph_frame.h"
#include "core/motion/motion_csv.h"
#include "core/motion/path_numbers.h"
#include "core/motion/record_texts.h"
#include "core/texts/number_texts.h"
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
    , pacer_(*this, clock_, intervalMs)
{
}

void PageMotion::setPageMs(double pageMs)
{
    pageMs_ = pageMs;
}

bool PageMotion::setPaused(bool paused, double pageMs)
{
    setPageMs(pageMs);
    return pacer_.setPaused(paused);
}

std::string PageMotion::intervalText() const
{
    return texts::decimal(pacer_.intervalMs(), 0);
}

std::string PageMotion::storeyHeightText() const
{
    return texts::decimal(pacer_.storeyHeight().metres(), 1);
}

bool PageMotion::stepsRunning() const
{
    return timer_["active"].as<bool>();
}

void PageMotion::holdSteps(bool held)
{
    timer_.call<void>("setHeld", held);
}

void PageMotion::deliverHeldStep()
{
    timer_.call<void>("deliver");
}

void PageMotion::setStepPeriod(int intervalMs)
{
    recorder_.setStepInterval(intervalMs);
    timer_.call<void>("setPeriod", intervalMs);
}

double PageMotion::nowMs(double pageMs)
{
    setPageMs(pageMs);
    return static_cast<double>(recorder_.nowMs());
}

namespace {

void appendAxis(json::Object& frame, std::string_view name, const motion::Axis& axis)
{
    json::Object object(frame.key(name));
    object.decimal("low", axis.low);
    object.decimal("high", axis.high);
    json::Array ticks(object.key("ticks"));
    for (const motion::Tick& tick : motion::ticks(axis)) {
        json::Object one(ticks.next());
        one.decimal("value", tick.value);
        one.text("label", tick.label);
    }
}

} // namespace

emscripten::val PageMotion::graph(bool speeds, bool wholeSession, double pageMs,
                                  const emscripten::val& plot, double labelWidth,
                                  double heightMetres)
{
    namespace numbers = motion::path_numbers;
    const std::int64_t nowMs = wholeMs(this->nowMs(pageMs));
    const motion::TimeSpan span = motion::shownSpan(nowMs, wholeSession);
    const auto field = [&plot](const char* name) { return plot[name].as<double>(); };
    const numbers::PlotArea area{field("left"), field("top"), field("width"), field("height"),
                                 field("ratio")};
    const numbers::Numbers graph = numbers::pathNumbers(
        recorder_.rows(), recorder_.trips(),
        {span, plot["columns"].as<int>(), nowMs,
         speeds ? std::optional(motion::StoreyHeight(heightMetres)) : std::nullopt,
         recorder_.stepInterval(), area});
    const std::vector<double>& path = graph.path;
    std::string frame;
    {
        json::Object object(frame);
        object.decimal("fromMs", static_cast<double>(span.fromMs));
        object.decimal("toMs", static_cast<double>(span.toMs));
        object.decimal("nowMs", static_cast<double>(nowMs));
        appendAxis(object, "values",
                   speeds ? motion::speedAxis(path[numbers::Fastest]) : motion::floorAxis());
        appendAxis(object, "times", motion::timeAxis(span, area.width, labelWidth));
    }
    emscripten::val drawn = emscripten::val::object();
    drawn.set("frame", frame);
    drawn.set("path", numbersOf(path));
    drawn.set("line", numbersOf(graph.line));
    return drawn;
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
