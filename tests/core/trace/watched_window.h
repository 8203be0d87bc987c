// The window model with the trip rules, a motion record on a clock the test
// moves, and an events trace, wired as a face wires them: the record first,
// then the trace; clicks select their button before the rules hear of them.
// Unlike LodarixModel, the status box can be typed into.
#pragma once

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"
#include "core/lift/rule_runner.h"
#include "core/model/window_model.h"
#include "core/motion/motion_recorder.h"
#include "core/trace/event_trace.h"

#include <cstdint>

namespace trace_test {

struct WatchedWindow {
    WatchedWindow()
    {
        rules.addObserver(&record);
        rules.addObserver(&trace);
        rules.load();
    }

    void clickFloor(int floor)
    {
        window.select(lodarix::controls::FloorButtons, floor);
        rules.pick(static_cast<lodarix::lift::FloorIndex>(floor));
    }
    void clickGrille(bool closed)
    {
        window.select(lodarix::controls::GrilleButtons,
                      closed ? lodarix::controls::GrilleClosedButton
                             : lodarix::controls::GrilleOpenButton);
        rules.grilleClicked();
    }
    // One period of the timer passes; a step runs while it is on.
    void tick()
    {
        nowMs += 800;
        if (window.isEnabled(lodarix::controls::StepTimer))
            rules.step();
    }
    void type(const std::string& text) { window.setStatusText(window.statusText() + text); }

    std::int64_t nowMs = 0;
    lodarix::WindowModel window{lodarix::lodarixForm()};
    lodarix::lift::RuleRunner rules{window};
    lodarix::motion::MotionRecorder record{[this] { return nowMs; }, 800};
    lodarix::trace::EventTrace trace{record};
};

} // namespace trace_test
