// The window "Lodarix" at work in the page: the trip rules bound to the
// page's controls, run through a lift::RuleRunner as the desktop window runs
// them. The page's script calls pick() for a floor button's click and step()
// for each step of its step timer; nothing else runs a rule. It reports a
// grille button's click too (grilleClicked), which runs none, for the
// events trace to hear.
//
// No exception reaches the script: a failure inside a rule stops the step
// timer and hands the controls object's runTimeError(report) the core's
// run-time error report (core/lift/run_time_error_report.h), whose closing
// line says that the page stopped and is to be reloaded.
#pragma once

#include "core/lift/rule_runner.h"
#include "web/page/page_motion.h"
#include "web/page/page_operations.h"
#include "web/page/page_trace.h"

#include <emscripten/val.h>

namespace lodarix::web {

class PageWindow {
public:
    // controls: the page's controls object (web/src/window_controls.js).
    explicit PageWindow(emscripten::val controls);
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // Form_Load; call once, before the first pick. Each returns false when
    // the rule failed.
    bool load();
    // Option1_Click with the floor button's index, after the page selected it.
    bool pick(int floor);
    // Timer1_Timer; call only when the step timer fired.
    bool step();

    // A grille button was clicked and selected; no rule runs.
    bool grilleClicked();

    // The motion record hears of every event from now on; set it before
    // load() to hear of the load too. nullptr for none. It is the first
    // observer: set it before watch().
    void observe(PageMotion* motion);
    // The events trace hears of every event from now on, after the motion
    // record, whose times it takes; add it before load().
    void watch(PageTrace* trace);

    const lift::FormState& controller() const { return rules_.controller(); }

private:
    template <class Rule> bool handleEvent(Rule rule);

    emscripten::val controls_;
    PageOperations operations_;
    lift::RuleRunner rules_;
};

} // namespace lodarix::web
