#include "desktop/window/qt_window_operations.h"

#include "core/form/lodarix_controls.h"
#include "desktop/window/floor_button.h"
#include "desktop/window/plain_text_box.h"
#include "desktop/window/status_announcer.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

namespace lodarix {

using namespace controls;

QtWindowOperations::QtWindowOperations(const ControlRegistry& controls, StatusAnnouncer* announcer)
    : controls_(controls)
    , announcer_(announcer)
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
    auto* open = controls_.get<QRadioButton>(GrilleButtons, GrilleOpenButton, "Value");
    const bool opens = announcer_ && isGrilleClosed();
    open->setChecked(true);
    if (opens)
        announcer_->announce(open->text());
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
    return PlainTextBox::of(*controls_.get<QPlainTextEdit>(TextBoxes, StatusBox, "Text")).read();
}

void QtWindowOperations::setStatusText(const std::string& text)
{
    const QString shown =
        PlainTextBox::of(*controls_.get<QPlainTextEdit>(TextBoxes, StatusBox, "Text")).write(text);
    if (announcer_)
        announcer_->announceLines(shown);
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

std::string QtWindowOperations::floorCaption(lift::FloorIndex floor) const
{
    return controls_.get<FloorButton>(FloorButtons, floor, "Caption")->text().toStdString();
}

int QtWindowOperations::floorNameCount() const
{
    return controls_.get<QListWidget>(FloorNameList, std::nullopt, "ListCount")->count();
}

int QtWindowOperations::stepPeriod() const
{
    return controls_.get<QTimer>(StepTimer, std::nullopt, "Interval")->interval();
}

void QtWindowOperations::setStepPeriod(int periodMs)
{
    controls_.get<QTimer>(StepTimer, std::nullopt, "Interval")->setInterval(periodMs);
}

} // namespace lodarix
