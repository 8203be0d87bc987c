// The window as the rules see it inside a RuleRunner: every operation goes
// on to the face's window and then, once carried out, is told to the
// runner's observers. A failing operation is told to none.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/lift/window_operations.h"

#include <vector>

namespace lodarix::lift {

class WatchedWindow final : public WindowOperations {
public:
    // Both must outlive this object.
    WatchedWindow(WindowOperations& window, const std::vector<RuleObserver*>& observers);

    void paintFloorButton(FloorIndex floor, Color color) override;
    bool isGrilleClosed() const override;
    void openGrille() override;
    void setStepsRunning(bool running) override;
    std::string statusText() const override;
    void setStatusText(const std::string& text) override;
    std::string floorName(FloorIndex floor) const override;
    void hideFloorNames() override;
    std::string floorCaption(FloorIndex floor) const override;
    int floorNameCount() const override;
    int stepPeriod() const override;
    void setStepPeriod(int periodMs) override;

private:
    template <class Tell> void tell(Tell tell) const
    {
        for (RuleObserver* observer : observers_)
            tell(*observer);
    }

    WindowOperations& window_;
    const std::vector<RuleObserver*>& observers_;
};

} // namespace lodarix::lift
