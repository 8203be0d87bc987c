// The trip rules with their observer: every face hands the rules' three
// events to a RuleRunner, which runs the rule and then tells the observer
// what ran. It reads the grille before a click reaches the rule, so that an
// observer can tell an accepted pick from a refused one, and it hears only of
// steps that ran, because a face calls step() only when its timer fired.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/lift/trip_controller.h"
#include "core/lift/window_operations.h"

namespace lodarix::lift {

class RuleRunner {
public:
    // The window must outlive the runner.
    explicit RuleRunner(WindowOperations& window);
    RuleRunner(const RuleRunner&) = delete;
    RuleRunner& operator=(const RuleRunner&) = delete;

    // nullptr for none; the observer must outlive the runner or be unset first.
    void setObserver(RuleObserver* observer) { observer_ = observer; }

    // Form_Load, then the observer.
    void load();
    // Option1_Click(floor), then the observer with the grille as it was before.
    void pick(FloorIndex floor);
    // Timer1_Timer, then the observer. Call it only when the step timer fired.
    void step();

    const TripController& controller() const { return controller_; }

private:
    WindowOperations& window_;
    TripController controller_;
    RuleObserver* observer_ = nullptr;
};

} // namespace lodarix::lift
