// Everything the trip rules may do to the window. The window binds these to
// its controls; a stand-alone model implements them for running without one.
// Each call looks its control up afresh; one that cannot be carried out
// throws RunTimeError.
#pragma once

#include "core/lift/colors.h"
#include "core/lift/floor_table.h"

#include <string>

namespace lodarix::lift {

// The range of the step timer's period, Timer1.Interval, in ms, that the
// form's code and the teacher's interval field may set.
constexpr int ShortestStepPeriodMs = 200;
constexpr int LongestStepPeriodMs = 2000;

class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    // Option1(floor).BackColor := color; the button shows it at once.
    virtual void paintFloorButton(FloorIndex floor, Color color) = 0;
    // Option2(0).Value: true exactly when the closed-grille button is selected.
    virtual bool isGrilleClosed() const = 0;
    // Option2(1).Value := true; its group deselects the closed-grille button.
    virtual void openGrille() = 0;
    // Timer1.Enabled: while true the step event comes every period, while false never.
    virtual void setStepsRunning(bool running) = 0;
    // Text1(0).Text, the whole status text with CR LF line ends.
    virtual std::string statusText() const = 0;
    virtual void setStatusText(const std::string& text) = 0;
    // List1.List(floor): the text of the floor-name list's item.
    virtual std::string floorName(FloorIndex floor) const = 0;
    // List1.Visible := false; the items stay readable.
    virtual void hideFloorNames() = 0;
    // Option1(floor).Caption: the floor button's text.
    virtual std::string floorCaption(FloorIndex floor) const = 0;
    // List1.ListCount: the items of the floor-name list.
    virtual int floorNameCount() const = 0;
    // Timer1.Interval: the period of the step event, within
    // ShortestStepPeriodMs..LongestStepPeriodMs; a face shows the change.
    virtual int stepPeriod() const = 0;
    virtual void setStepPeriod(int periodMs) = 0;

protected:
    WindowOperations() = default;
    WindowOperations(const WindowOperations&) = default;
    WindowOperations& operator=(const WindowOperations&) = default;
};

} // namespace lodarix::lift
