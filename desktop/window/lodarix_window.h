// The window "Lodarix" at work: the form loaded from its description, the
// trip rules bound to its widgets, and its events wired to the rules. A floor
// button's click runs Option1_Click with its index and the step timer runs
// Timer1_Timer; nothing else runs a rule. A lift::RuleRunner runs them, so an
// observer, when set, hears of each of these events after its rule ran. What
// the rules write in the status box, and the grille opening on arrival, is
// told to a screen reader as well (see status_announcer.h). A click on a
// grille button runs no rule; the observers hear of it all the same.
//
// The steps have a seam for the teacher's controls and for tests: they can be
// held, so that the timer's expiries pass without a step, and an expiry or a
// step by hand can be delivered at once. Timer1 stays on or off exactly as the rules set it.
//
// An engine that goes a statement at a time (the form's code, stepwise) leaves
// an event part-way until advance() has carried out its last statement.
// Meanwhile the form takes no input of its own: floor-button clicks and
// grille selections are kept, the grille showing its selection unchanged,
// with at most one expiry of the timer, and they are applied in order once
// the procedure ended; a step by hand does nothing.
//
// No exception crosses the event loop: a failure inside a rule stops the step
// timer and goes to the run-time error handler, which by default shows a
// message box and ends the event loop with RunTimeErrorExitCode. A failure of
// the form's code goes to its own handler instead, when one is set, and the
// window stays.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/lift/rule_runner.h"
#include "core/lift/trip_controller.h"
#include "desktop/window/form_loader.h"
#include "desktop/window/qt_window_operations.h"
#include "desktop/window/status_announcer.h"

#include <QTimer>

class QAbstractButton;

#include <exception>
#include <functional>
#include <utility>
#include <vector>

namespace lodarix {

class CloseFilter;

class LodarixWindow {
public:
    static constexpr int RunTimeErrorExitCode = 70;
    using ErrorHandler = std::function<void(const std::exception&)>;

    LodarixWindow();
    LodarixWindow(const LodarixWindow&) = delete;
    LodarixWindow& operator=(const LodarixWindow&) = delete;

    // Runs Form_Load; call once, before the window is first shown. Returns
    // false when it failed (the error handler has been called).
    bool load();
    // Shows the window; the first time, with the focus on the first control in tab order.
    void show();

    QWidget& form() { return *loaded_.form; }
    const ControlRegistry& controls() const { return loaded_.controls; }
    const lift::FormState& controller() const { return rules_.controller(); }
    lift::WindowOperations& operations() { return operations_; }
    const StatusAnnouncer& announcer() const { return announcer_; }

    // Set it before load() to hear of the load too; nullptr for none. The
    // observer must outlive the window or be unset first. Its failures go to
    // the error handler, as a rule's do.
    void setRuleObserver(lift::RuleObserver* observer) { rules_.setObserver(observer); }
    // One observer more, told after those set or added before; the same
    // terms. Remove it before it goes.
    void addRuleObserver(lift::RuleObserver* observer) { rules_.addObserver(observer); }
    void removeRuleObserver(lift::RuleObserver* observer) { rules_.removeObserver(observer); }

    // Timer1.Enabled, as the rules set it.
    bool stepsRunning() const;
    // While held, the timer's expiries run no step. Releasing the steps
    // starts a running timer's period anew, so the next step comes one full
    // period later.
    void setStepsHeld(bool held);
    bool stepsHeld() const { return stepsHeld_; }
    // What deliverStep does while the steps are held: wait as an expiry of
    // the timer does, or run all the same, as a step by hand does.
    enum class WhenHeld { Wait, Run };
    // One expiry of the step timer now, without waiting for its period: a
    // step runs while the timer is on, unless the steps are held and whenHeld
    // says wait. Returns whether a step ran.
    bool deliverStep(WhenHeld whenHeld = WhenHeld::Wait);
    // The timer's period; a new one starts a running timer's period anew.
    int stepIntervalMs() const;
    void setStepIntervalMs(int intervalMs);

    // Asked when the form is to close; false keeps it open. Empty: it closes.
    void setCloseGuard(std::function<bool()> mayClose);

    // Replaces the default handler (tests use this to observe errors).
    void setErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }
    // Where a lift::FormCodeFailure goes from now on instead of the error
    // handler; an empty handler sends it there again.
    void setFormCodeFailureHandler(ErrorHandler handler)
    {
        formCodeFailureHandler_ = std::move(handler);
    }

    // What runs the form's events from now on (lift::RuleRunner::setEngine);
    // call it between events, never while partWay().
    void setEngine(const lift::RuleRunner::EngineMaker& make) { rules_.setEngine(make); }
    // A new engine, then Form_Load on it. Returns false when it failed.
    bool restart(const lift::RuleRunner::EngineMaker& make);
    // The form as its description has it (described_state.h), then a new
    // engine and Form_Load on it, as if the program had just started; call it
    // between events. Returns false when the load failed.
    bool startAfresh(const lift::RuleRunner::EngineMaker& make);
    // Whether an event is part-way (see above).
    bool partWay() const { return rules_.partWay(); }
    // Carries out the next statement of the event part-way, if any; once it
    // ended, the input kept meanwhile is applied in order.
    void advance();
    // Carries the event part-way to its end, then applies the input kept.
    void finishEvent();
    // Told whenever partWay() changes, in the order added; remove it by
    // its number before what it calls goes.
    int addPartWayListener(std::function<void(bool)> listener);
    void removePartWayListener(int listener);

    // Runs rule as an event handler does (lift::runGuarded): a failure stops
    // the step timer and goes to the error handler. Returns false when the rule failed.
    bool handleEvent(const std::function<void()>& rule);

private:
    struct Kept {
        enum class Kind { Pick, Grille, Tick } kind;
        int index = 0;
    };

    void wireEvents();
    void runStep();
    void keep(Kept input);
    void applyKept();
    void apply(const Kept& input);
    void failed(const std::exception& error);
    void tellPartWay();
    QTimer& stepTimer() const;

    LoadedForm loaded_;
    StatusAnnouncer announcer_;
    QtWindowOperations operations_;
    lift::RuleRunner rules_;
    ErrorHandler errorHandler_;
    ErrorHandler formCodeFailureHandler_;
    CloseFilter* closeFilter_ = nullptr; // the form owns it
    std::vector<std::pair<int, std::function<void(bool)>>> partWayListeners_;
    int partWayListenersAdded_ = 0;
    std::vector<Kept> kept_;
    // The grille button checked when one was last pressed.
    QAbstractButton* grilleBeforePress_ = nullptr;
    bool stepsHeld_ = false;
    bool partWayTold_ = false;
};

} // namespace lodarix
