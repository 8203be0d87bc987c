// The model of the window "Lodarix" with the trip rules wired to its events
// the way the real window wires them: clicking a floor button selects it and
// then runs Option1_Click with its index; a period of the step timer runs
// Timer1_Timer only while the timer is enabled; the grille buttons run nothing.
// Observers, when set, hear of each rule that ran and of each grille button
// clicked, as the real window's do. The timer fires each time its period has
// passed since it was started, or its period set, on the model's own time.
#pragma once

#include "core/lift/rule_runner.h"
#include "core/lift/trip_controller.h"
#include "core/model/window_model.h"

#include <cstdint>
#include <functional>

namespace lodarix {

enum class Grille { None, Open, Closed };

class LodarixModel {
public:
    // Builds the window from its description; load() has not run yet.
    LodarixModel();
    LodarixModel(const LodarixModel&) = delete;
    LodarixModel& operator=(const LodarixModel&) = delete;

    void load();
    void clickFloorButton(lift::FloorIndex floor);
    void clickGrilleButton(Grille grille); // Open or Closed
    // What runs the events from now on (lift::RuleRunner::setEngine).
    void setEngine(const lift::RuleRunner::EngineMaker& make) { rules_.setEngine(make); }

    // ms of time pass; atStep, if given, hears how far into them each step comes.
    void passTime(int ms, const std::function<void(int)>& atStep = {});
    // The described period of the step timer passes.
    void timerPeriod();

    // Set it before load() to hear of the load too; nullptr for none. The
    // observer must outlive the model or be unset first.
    void setRuleObserver(lift::RuleObserver* observer) { rules_.setObserver(observer); }
    // One observer more, told after those set or added before.
    void addRuleObserver(lift::RuleObserver* observer) { rules_.addObserver(observer); }

    Grille grille() const;
    const WindowModel& window() const { return window_; }
    const lift::FormState& controller() const { return rules_.controller(); }

private:
    WindowModel window_;
    lift::RuleRunner rules_;
    int sinceTimerStartMs_ = 0;
    std::uint64_t timerStarts_ = 0;
};

} // namespace lodarix
