#include "core/lift/trip_controller.h"

#include "core/lift/colors.h"
#include "core/texts/main_window_texts.h"

namespace lodarix::lift {

namespace texts = lodarix::texts;

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
        replaceStatus(texts::CloseTheGrille);
        return;
    }
    window_.paintFloorButton(currentFloor_, ColorIdle);
    window_.paintFloorButton(targetFloor_, ColorCabin);
    currentFloor_ = targetFloor_;
    targetFloor_ = floor;
    window_.paintFloorButton(floor, ColorTarget);
    window_.setStepsRunning(true);
    if (currentFloor_ < targetFloor_)
        replaceStatus(texts::GoingUp, texts::LineEnd);
    if (currentFloor_ > targetFloor_)
        replaceStatus(texts::GoingDown, texts::LineEnd);
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
        appendStatus(texts::LastStop, texts::LineEnd);
        window_.openGrille();
    }
}

void TripController::LogCurrentFloor()
{
    appendStatus(window_.floorName(currentFloor_), texts::LineEnd);
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

} // namespace lodarix::lift
