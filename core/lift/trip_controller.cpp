#include "core/lift/trip_controller.h"

#include "core/lift/colors.h"
#include "core/lift/messages.h"

namespace lift {

TripController::TripController(WindowOperations& window)
    : window_(window)
{
}

void TripController::Form_Load()
{
    currentFloor_ = 0;
    targetFloor_ = 0;
    window_.setStepsRunning(false);
    window_.hideFloorNames();
    window_.openGrille();
}

void TripController::Option1_Click(FloorIndex floor)
{
    if (!window_.isGrilleClosed()) {
        replaceStatus(messages::CloseTheGrille);
        return;
    }
    window_.paintFloorButton(currentFloor_, ColorIdle);
    window_.paintFloorButton(targetFloor_, ColorCabin);
    currentFloor_ = targetFloor_;
    targetFloor_ = floor;
    window_.paintFloorButton(floor, ColorTarget);
    window_.setStepsRunning(true);
    if (currentFloor_ < targetFloor_)
        replaceStatus(messages::GoingUp, messages::LineEnd);
    if (currentFloor_ > targetFloor_)
        replaceStatus(messages::GoingDown, messages::LineEnd);
    LogCurrentFloor();
}

void TripController::Timer1_Timer()
{
    window_.paintFloorButton(currentFloor_, ColorIdle);
    if (currentFloor_ < targetFloor_)
        ++currentFloor_;
    if (currentFloor_ > targetFloor_)
        --currentFloor_;
    window_.paintFloorButton(currentFloor_, ColorCabin);
    LogCurrentFloor();
    if (currentFloor_ == targetFloor_) {
        window_.setStepsRunning(false);
        appendStatus(messages::LastStop, messages::LineEnd);
        window_.openGrille();
    }
}

void TripController::LogCurrentFloor()
{
    appendStatus(window_.floorName(currentFloor_), messages::LineEnd);
}

void TripController::appendStatus(std::string_view text, std::string_view end)
{
    std::string status = window_.statusText();
    status.append(text).append(end);
    window_.setStatusText(status);
}

void TripController::replaceStatus(std::string_view text, std::string_view end)
{
    std::string status;
    status.reserve(text.size() + end.size());
    status.append(text).append(end);
    window_.setStatusText(status);
}

} // namespace lift
