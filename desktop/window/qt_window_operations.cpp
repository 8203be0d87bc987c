#include "desktop/window/qt_window_operations.h"

#include "core/form/lodarix_controls.h"
#include "desktop/window/crlf_text.h"
#include "desktop/window/floor_button.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

namespace lodarix {

using namespace controls;

QtWindowOperations::QtWindowOperations(const ControlRegistry& controls)
    : controls_(controls)
{
}

void QtWindowOperations::paintFloorButton(lift::FloorIndex floor, lift::Color color)
{
    controls_.get<FloorButton>(FloorButtons, floor, "BackColor")->setMarker(color);
}

bool QtWindowOperations::isGrilleClosed() const
{
    return controls_.get<QRadioButton>(GrilleButtons, GrilleClosedButton, "Value")->isChecked();
}

void QtWindowOperations::openGrille()
{
    controls_.get<QRadioButton>(GrilleButtons, GrilleOpenButton, "Value")->setChecked(true);
}

void QtWindowOperations::setStepsRunning(bool running)
{
    auto* timer = controls_.get<QTimer>(StepTimer, std::nullopt, "Enabled");
    if (running)
        timer->start(); // restarts the period when already running
    else
        timer->stop();
}

std::string QtWindowOperations::statusText() const
{
    return CrLfText::of(*controls_.get<QPlainTextEdit>(TextBoxes, StatusBox, "Text")).read();
}

void QtWindowOperations::setStatusText(const std::string& text)
{
    CrLfText::of(*controls_.get<QPlainTextEdit>(TextBoxes, StatusBox, "Text")).write(text);
}

std::string QtWindowOperations::floorName(lift::FloorIndex floor) const
{
    const auto* list = controls_.get<QListWidget>(FloorNameList, std::nullopt, "List");
    const QListWidgetItem* item = list->item(floor);
    if (!item)
        throw lift::RunTimeError(std::string(FloorNameList), floor, "List", "no such list item");
    return item->text().toStdString();
}

void QtWindowOperations::hideFloorNames()
{
    controls_.get<QListWidget>(FloorNameList, std::nullopt, "Visible")->hide();
}

} // namespace lodarix
