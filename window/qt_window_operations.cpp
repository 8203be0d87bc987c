#include "window/qt_window_operations.h"

#include "window/description/lodarix_controls.h"
#include "window/floor_button.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
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
    const QString text = controls_.get<QPlainTextEdit>(TextBoxes, StatusBox, "Text")->toPlainText();
    return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

void QtWindowOperations::setStatusText(const std::string& text)
{
    auto* box = controls_.get<QPlainTextEdit>(TextBoxes, StatusBox, "Text");
    box->setPlainText(
        QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
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
