// The motion record of the page: a motion::MotionRecorder on a
// motion::ModelClock, as the desktop's motion host keeps it, told by the page
// window what the rules ran (web/page/page_window.h). The clock's source is the
// page's time of the event at hand, which the page's script sets before each
// event (setPageMs): the due time of a step, so that a step run late after
// the page was held up stands at the time it fell due, else the moment now.
// What the motion view draws and writes is computed here: the graphs' paths
// and lines, the trips, the clocks, the descriptions, the CSV and the workbook.
#pragma once

#include "core/motion/model_clock.h"
#include "core/motion/motion_recorder.h"
#include "core/motion/pacer.h"
#include "core/motion/speed.h"

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <utility>

namespace lodarix::web {

class PageMotion final : private motion::PacedSteps {
public:
    // intervalMs: the step interval at the start.
    explicit PageMotion(int intervalMs);
    PageMotion(const PageMotion&) = delete;
    PageMotion& operator=(const PageMotion&) = delete;

    motion::MotionRecorder& recorder() { return recorder_; }

    // The page's time, in ms of performance.now(), of the event that comes next.
    void setPageMs(double pageMs);
    // The page's step timer (step_timer.js), which the teacher's pacer holds,
    // steps and sets the period of: its active, setHeld, deliver and setPeriod.
    void setStepTimer(emscripten::val timer) { timer_ = std::move(timer); }

    // The teacher's controls, as motion::Pacer has them; each setter returns
    // whether anything changed. The model clock stops or runs on at pageMs.
    bool setPaused(bool paused, double pageMs);
    bool paused() const { return pacer_.paused(); }
    bool step() { return pacer_.step(); }
    int intervalMs() const { return pacer_.intervalMs(); }
    bool nudgeIntervalMs(int steps) { return pacer_.nudgeIntervalMs(steps); }
    bool typeIntervalMs(const std::string& typed) { return pacer_.typeIntervalMs(typed); }
    // The form's code set the step timer's period: the interval follows it.
    bool followPeriod(int intervalMs) { return pacer_.followPeriod(intervalMs); }
    double storeyHeight() const { return pacer_.storeyHeight().metres(); }
    bool nudgeStoreyHeight(int steps) { return pacer_.nudgeStoreyHeight(steps); }
    bool typeStoreyHeight(const std::string& typed) { return pacer_.typeStoreyHeight(typed); }
    // The values as their fields show them: "850", "3,1".
    std::string intervalText() const;
    std::string storeyHeightText() const;

    // Model time since the load at pageMs.
    double nowMs(double pageMs);
    int rowCount() const { return static_cast<int>(recorder_.rows().size()); }
    double bytesHeld() const { return static_cast<double>(recorder_.bytesHeld()); }

    // One graph as the motion view draws it at pageMs: speeds false for the
    // position graph, true for the speed graph (at heightMetres); the last
    // 60 s, or the whole session; plot: where it is drawn, {left, top,
    // width, height} in units of the drawing, ratio device pixels a unit,
    // and its width in device pixels, columns; labelWidth: the width of the
    // time axis's widest label (motion::TimeLabelSample) in the graph's
    // font, in those units. Returns {frame, path, line}: the frame as JSON,
    // {fromMs, toMs, nowMs, values, times}, the span and the present in
    // model time and the value and time axes, each {low, high, ticks:
    // [{value, label}]}; the path and the line, in the plot's units, as
    // Float64Arrays laid out as core/motion/path_numbers.h says.
    emscripten::val graph(bool speeds, bool wholeSession, double pageMs,
                          const emscripten::val& plot, double labelWidth, double heightMetres);

    // The trips table's rows as JSON, an array of texts a trip, column by
    // column (core/motion/record_texts.h).
    std::string tripRowsJson(double heightMetres) const;
    std::string clockText(double pageMs);
    std::string tripClockText(double pageMs);
    // The graphs' text alternatives: the latest trip, and the same with its
    // mean speed for the speed graph.
    std::string positionDescription() const;
    std::string speedDescription(double heightMetres) const;

    std::string csv() const;
    // The workbook's bytes as a Uint8Array of its own.
    emscripten::val workbook(double heightMetres) const;

private:
    bool stepsRunning() const override;
    void holdSteps(bool held) override;
    void deliverHeldStep() override;
    void setStepPeriod(int intervalMs) override;

    double pageMs_ = 0;
    motion::ModelClock clock_;
    motion::MotionRecorder recorder_;
    motion::Pacer pacer_;
    emscripten::val timer_ = emscripten::val::undefined();
};

} // namespace lodarix::web
