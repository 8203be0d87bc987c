// The trip rules with their observers: every face hands the rules' three
// events to a RuleRunner, which runs the rule on the face's window, seen
// through a WatchedWindow so that the observers hear each operation, and
// then tells the observers what ran. It reads the grille before a click
// reaches the rule, so that an observer can tell an accepted pick from a
// refused one, and it hears only of steps that ran, because a face calls
// step() only when its timer fired. A face also reports each click on a
// grille button, which runs no rule, so that the observers hear of it.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/lift/trip_controller.h"
#include "core/lift/watched_window.h"
#include "core/lift/window_operations.h"

#include <functional>
#include <memory>
#include <vector>

namespace lodarix::lift {

class RuleRunner {
public:
    // The window must outlive the runner.
    explicit RuleRunner(WindowOperations& window);
    RuleRunner(const RuleRunner&) = delete;
    RuleRunner& operator=(const RuleRunner&) = delete;

    // The only observer from now on; nullptr for none. An observer must
    // outlive the runner or be unset or removed first.
    void setObserver(RuleObserver* observer);
    // One observer more, told after those added before it; nullptr is ignored.
    void addObserver(RuleObserver* observer);
    void removeObserver(RuleObserver* observer);

    // What runs the events from now on, made on the window that the runner
    // hands it (the observers hear its operations); the built-in
    // TripController until then. Change it only between events.
    using EngineMaker = std::function<std::unique_ptr<FormEngine>(WindowOperations&)>;
    void setEngine(const EngineMaker& make);
    void useBuiltInRules();

    // Form_Load, then the observers.
    void load();
    // Option1_Click(floor), then the observers with the grille as it was before.
    void pick(FloorIndex floor);
    // Timer1_Timer, then the observers. Call it only when the step timer fired.
    void step();
    // With an engine that goes a statement at a time, the event begun is
    // part-way until advance() has carried out its last statement; the
    // observers hear of its end then. Begin no other event meanwhile.
    bool partWay() const { return engine_->partWay(); }
    void advance();
    // The user clicked a grille button and the face selected it: no rule
    // runs; the observers hear the grille and the status text as they are now.
    void grilleClicked();

    const FormState& controller() const { return *engine_; }

private:
    template <class Tell> void tell(Tell tell)
    {
        for (RuleObserver* observer : observers_)
            tell(*observer);
    }

    // Tells the observers that the event under way ended, unless it is part-way.
    void endEvent();

    WindowOperations& window_;
    std::vector<RuleObserver*> observers_;
    Procedure running_ = Procedure::FormLoad;
    bool grilleWasClosed_ = false;
    WatchedWindow watched_;
    std::unique_ptr<FormEngine> engine_;
};

} // namespace lodarix::lift
