// The window operations of the trip rules bound to the loaded widgets. Every
// call looks its control up by name and index at that moment; the status
// box's text is read with CR LF line ends and written with them, though the
// widget itself keeps plain line feeds (see core/line_ends/crlf_text.h). With an announcer,
// what a write newly shows in the status box, and the grille opening when it
// was closed, are told to a screen reader too (see status_announcer.h).
#pragma once

#include "core/lift/window_operations.h"
#include "desktop/window/control_registry.h"

namespace lodarix {

class StatusAnnouncer;

class QtWindowOperations : public lift::WindowOperations {
public:
    // The controls, and the announcer when there is one, must outlive this object.
    explicit QtWindowOperations(const ControlRegistry& controls,
                                StatusAnnouncer* announcer = nullptr);

    void paintFloorButton(lift::FloorIndex floor, lift::Color color) override;
    bool isGrilleClosed() const override;
    void openGrille() override;
    void setStepsRunning(bool running) override;
    std::string statusText() const override;
    void setStatusText(const std::string& text) override;
    std::string floorName(lift::FloorIndex floor) const override;
    void hideFloorNames() override;
    std::string floorCaption(lift::FloorIndex floor) const override;
    int floorNameCount() const override;
    int stepPeriod() const override;
    void setStepPeriod(int periodMs) override;

private:
    const ControlRegistry& controls_;
    StatusAnnouncer* announcer_;
};

} // namespace lodarix
