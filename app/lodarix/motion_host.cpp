#include "app/lodarix/motion_host.h"

#include "core/texts/main_window_texts.h"
#include "desktop/motion_window/motion_window.h"
#include "desktop/window/lodarix_window.h"
#include "desktop/window/main_window_menu.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

#include <string>

namespace lodarix {

namespace {

// Beside the main window when the screen has room there.
void placeBeside(QWidget& window, const QWidget& mainWindow)
{
    const QRect main = mainWindow.frameGeometry();
    const QScreen* screen = mainWindow.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QPoint right(main.right() + 12, main.top());
    if (room.contains(QRect(right, window.size())))
        window.move(right);
}

} // namespace

MotionHost::MotionHost(LodarixWindow& window)
    : MotionHost(window, {})
{
}

MotionHost::MotionHost(LodarixWindow& window, motion::Clock source)
    : window_(window)
    , recording_(window.stepIntervalMs(), std::move(source))
    , pacer_(window, recording_.clock())
    , menu_(new MainWindowMenu(window.form()))
{
    window_.addRuleObserver(&recording_);
    partWayListener_ =
        window_.addPartWayListener([this](bool partWay) { pacer_.setProcedureUnderWay(partWay); });
    connect(&pacer_, &StepPacer::intervalChanged, &recording_, &MotionRecording::setStepInterval);
    connect(&recording_, &MotionRecording::periodSetByCode, &pacer_, &StepPacer::followPeriod);
    connect(menu_->motionWindowAction(), &QAction::triggered, this, &MotionHost::openMotionWindow);
    connect(menu_->statementAction(), &QAction::triggered, this, &MotionHost::showStatement);
}

MotionHost::~MotionHost()
{
    window_.removePartWayListener(partWayListener_);
    window_.removeRuleObserver(&recording_);
}

void MotionHost::openMotionWindow()
{
    if (!motionWindow_) {
        motionWindow_ = std::make_unique<MotionWindow>(recording_, pacer_);
        motionWindow_->setWindowIcon(window_.form().windowIcon());
        placeBeside(*motionWindow_, window_.form());
    }
    motionWindow_->show();
    motionWindow_->raise();
    motionWindow_->activateWindow();
}

void MotionHost::showStatement()
{
    window_.handleEvent(
        [this] { window_.operations().setStatusText(std::string(texts::ExerciseStatement)); });
}

} // namespace lodarix
