// The model of the window "Lodarix" with the trip rules wired to its events
// the way the real window wires them: clicking a floor button selects it and
// then runs Option1_Click with its index; a period of the step timer runs
// Timer1_Timer only while the timer is enabled; the grille buttons run nothing.
#pragma once

#include "core/lift/trip_controller.h"
#include "core/model/window_model.h"

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
    // One period of the step timer passes.
    void timerPeriod();

    Grille grille() const;
    const WindowModel& window() const { return window_; }
    const lift::TripController& controller() const { return controller_; }

private:
    WindowModel window_;
    lift::TripController controller_;
};

} // namespace lodarix
