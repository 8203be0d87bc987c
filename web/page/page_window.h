// The window "Lodarix" at work in the page: the trip rules bound to the
// page's controls, run through a lift::RuleRunner as the desktop window runs
// them. The page's script calls pick() for a floor button's click and step()
// for each step of its step timer; nothing else runs a rule. It reports a
// grille button's click too (grilleClicked), which runs none, for the
// events trace to hear.
//
// Until the code view first shows, the built-in rules run the form; from
// then on the form's code does (runFormCode), taking over between events
// from where the rules left the form, and each statement it runs is kept
// for the view to take once per event (page_code.h), and in the history
// that the view goes back and forth through (page_history.h). Line by line,
// an event call only begins the procedure, and advance() carries it on.
//
// The code view's editor asks here for what it does with the pupil's own
// program: readProgram reads an edited text and keeps it, startProgram runs
// the form afresh on it from its Form_Load (the page has put the window back
// to its description first); the comparisons run the program that runs the
// form and the reference (the original, or a teacher's program) on the
// session's own clicks and ticks, kept since the last load, or on a script.
//
// No exception reaches the script: a failure inside a rule stops the step
// timer and hands the controls object's runTimeError(report) the core's
// run-time error report (core/lift/run_time_error_report.h), whose closing
// line says that the page stopped and is to be reloaded. A failure of the
// form's code stops that program only: formCodeFailed(report, line) gets
// its report (core/program/program_error.h), and the page goes on.
#pragma once

#include "core/lift/rule_runner.h"
#include "core/program/form_program.h"
#include "core/trace/session_script.h"
#include "web/page/page_code.h"
#include "web/page/page_history.h"
#include "web/page/page_motion.h"
#include "web/page/page_operations.h"
#include "web/page/page_trace.h"

#include <emscripten/val.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace lodarix::web {

class PageWindow {
public:
    // controls: the page's controls object (web/src/window_controls.js).
    explicit PageWindow(emscripten::val controls);
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    // Form_Load; call once, before the first pick. Each returns false when
    // the rule failed and the page stopped.
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

    // The shipped form's code runs the form from now on; once, between events.
    void runFormCode();
    // source runs the form from now on, between events, taking over as the
    // shipped code does; one that does not read runs nothing, its error
    // reported. For the tests, until the code can be edited.
    void runProgram(const std::string& source);
    // The program anew, from its Form_Load; between events.
    bool restartProgram();

    // "" where source reads, kept for startProgram; else {report, line,
    // column}: the reading error's report, the form going on as it was, and
    // where the reader stopped (column in characters, 0 when not known).
    std::string readProgram(const std::string& source);
    // The program read last runs the form from its Form_Load, as if just
    // started; its statements are kept anew. Returns whether the page goes on.
    bool startProgram();
    // The text of the program that runs the form.
    const std::string& source() const { return source_; }

    // The reference from now on: source, or, empty, the original. "" where
    // it reads, else the report, the reference kept as it was.
    std::string setReference(const std::string& source);
    // {text, line, badScript}: the program that runs the form against the reference on
    // the session's clicks and ticks, or on the script's commands
    // (trace::compareOnCommands, compareOnScript).
    std::string compareSession() const;
    std::string compareScript(const std::string& script) const;
    // From the next event on, an event call only begins its procedure.
    void setStepwise(bool stepwise);
    bool partWay() const { return rules_.partWay(); }
    // Whether the latest event stopped on an error of the form's code.
    bool codeFailed() const { return codeFailed_; }
    // The next statement of the procedure part-way, if one is.
    bool advance();
    // The rest of the procedure part-way at once.
    bool finishProcedure();

    // codeLinesJson of the program's source; "[]" before runFormCode.
    std::string codeLinesJson() const;
    // The statements that ran since the last call (RanStatements::take).
    std::string takeRanJson();
    // The line that ran last as a screen reader hears it; while the user
    // chose a past step, that step.
    std::string lineSummary() const;

    // The statements kept since the code took over (PageHistory): the step
    // shown as JSON, and the user's choices of a step, by number, by steps
    // from the one shown, or by the events trace's row (false where it ran
    // none). Another program, or the program anew, keeps them anew; the
    // next line, or line by line switched, follows the latest again.
    std::string historyJson() const;
    void chooseStep(double step);
    void moveStep(int by);
    bool chooseRow(int row);

private:
    // Whether the page goes on: the rule ran to its end, or the form's code failed.
    template <class Rule> bool handleEvent(Rule rule);
    void failed(const std::exception& error);
    // A FormProgram on program_ runs the form, taking over from the engine
    // before or from the start.
    void install(bool takingOver);
    int nextLine() const;

    emscripten::val controls_;
    PageOperations operations_;
    lift::RuleRunner rules_;
    std::string source_;
    std::shared_ptr<const program::Program> program_;
    std::string readSource_;
    std::shared_ptr<const program::Program> read_;
    std::shared_ptr<const program::Program> reference_;
    trace::SessionScript session_;
    program::FormProgram* engine_ = nullptr;
    bool stepwise_ = false;
    RanStatements ran_;
    const trace::EventTrace* trace_ = nullptr;
    std::unique_ptr<PageHistory> history_;
    bool codeFailed_ = false;
    std::function<void(const std::exception&)> failed_;
};

} // namespace lodarix::web
