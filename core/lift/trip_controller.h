// The trip rules. The lift remembers where its last trip ended; a floor may be
// picked only while the safety grille is closed; the cabin then passes one
// floor per step of the timer, each floor reached is logged by name and its
// button recoloured, and the grille opens by itself on arrival.
//
// The controller keeps only the cabin's and the target's floor. The grille,
// the timer and the status text live in the window and are read back through
// WindowOperations whenever a rule needs them.
#pragma once

#include "core/lift/floor_table.h"
#include "core/lift/form_state.h"
#include "core/lift/window_operations.h"

#include <string_view>

namespace lodarix::lift {

class TripController final : public FormEngine {
public:
    // The window must outlive the controller.
    explicit TripController(WindowOperations& window);

    // The window was loaded: cabin and target at the ground floor, steps
    // stopped, floor names hidden, grille open. Paints nothing.
    void Form_Load() override;
    // The user picked the floor button of index floor (0 to 10). Refused with
    // a warning while the grille is open; otherwise starts a trip from the
    // previous final stop.
    void Option1_Click(FloorIndex floor) override;
    // One step of the timer: the cabin moves one floor toward the target and
    // the trip ends when it gets there.
    void Timer1_Timer() override;

    FloorIndex CurrentFloor() const override { return currentFloor_; }
    FloorIndex TargetFloor() const override { return targetFloor_; }

private:
    void LogCurrentFloor();
    // The status text gets text and then end (a line end, or nothing).
    void appendStatus(std::string_view text, std::string_view end = {});
    void replaceStatus(std::string_view text, std::string_view end = {});

    WindowOperations& window_;
    FloorIndex currentFloor_ = 0;
    FloorIndex targetFloor_ = 0;
};

} // namespace lodarix::lift
