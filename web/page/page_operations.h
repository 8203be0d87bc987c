// The window operations of the trip rules bound to the page's controls. The
// page hands over one JavaScript object (web/src/window_controls.js) that
// reaches its controls by the names and indices of the description; every
// call looks its control up there at that moment, and one the page has not
// got is a lift::RunTimeError. The status box's text is read with CR LF line
// ends and written with them, though the page's box keeps plain line feeds
// (see core/line_ends/crlf_text.h).
#pragma once

#include "core/lift/window_operations.h"
#include "core/line_ends/crlf_text.h"

#include <emscripten/val.h>

namespace lodarix::web {

class PageOperations : public lift::WindowOperations {
public:
    explicit PageOperations(emscripten::val controls);

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
    emscripten::val controls_;
    mutable CrLfText status_;
};

} // namespace lodarix::web
