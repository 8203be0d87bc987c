#include "core/lift/watched_window.h"

namespace lodarix::lift {

WatchedWindow::WatchedWindow(WindowOperations& window, const std::vector<RuleObserver*>& observers)
    : window_(window)
    , observers_(observers)
{
}

void WatchedWindow::paintFloorButton(FloorIndex floor, Color color)
{
    window_.paintFloorButton(floor, color);
    tell([&](RuleObserver& observer) { observer.floorPainted(floor, color); });
}

bool WatchedWindow::isGrilleClosed() const
{
    return window_.isGrilleClosed();
}

void WatchedWindow::openGrille()
{
    window_.openGrille();
    tell([](RuleObserver& observer) { observer.grilleOpened(); });
}

void WatchedWindow::setStepsRunning(bool running)
{
    window_.setStepsRunning(running);
    tell([&](RuleObserver& observer) { observer.stepsSwitched(running); });
}

std::string WatchedWindow::statusText() const
{
    std::string text = window_.statusText();
    tell([&](RuleObserver& observer) { observer.statusRead(text); });
    return text;
}

void WatchedWindow::setStatusText(const std::string& text)
{
    window_.setStatusText(text);
    tell([&](RuleObserver& observer) { observer.statusWritten(text); });
}

std::string WatchedWindow::floorName(FloorIndex floor) const
{
    return window_.floorName(floor);
}

void WatchedWindow::hideFloorNames()
{
    window_.hideFloorNames();
    tell([](RuleObserver& observer) { observer.floorNamesHidden(); });
}

std::string WatchedWindow::floorCaption(FloorIndex floor) const
{
    return window_.floorCaption(floor);
}

int WatchedWindow::floorNameCount() const
{
    return window_.floorNameCount();
}

int WatchedWindow::stepPeriod() const
{
    return window_.stepPeriod();
}

void WatchedWindow::setStepPeriod(int periodMs)
{
    window_.setStepPeriod(periodMs);
    tell([&](RuleObserver& observer) { observer.stepPeriodSet(periodMs); });
}

} // namespace lodarix::lift
