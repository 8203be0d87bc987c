#include "lift/trip_controller.h"

#include "lift/colors.h"
#include "lift/messages.h"

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
        replaceStatus(std::string{messages::GoingUp} + std::string{messages::LineEnd});
    if (currentFloor_ > targetFloor_)
        replaceStatus(std::string{messages::GoingDown} + std::string{messages::LineEnd});
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
        appendStatus(std::string{messages::LastStop} + std::string{messages::LineEnd});
        window_.openGrille();
    }
}

void TripController::LogCurrentFloor()
{
    appendStatus(window_.floorName(currentFloor_) + std::string{messages::LineEnd});
}

void TripController::appendStatus(std::string_view text)
{
    window_.setStatusText(window_.statusText() + std::string{text});
}

void TripController::replaceStatus(std::string_view text)
{
    window_.setStatusText(std::string{text});
}

} // namespace lift
