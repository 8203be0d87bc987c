#include "desktop/window/lodarix_window.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"
#include "core/lift/guarded_event.h"
#include "desktop/window/floor_button.h"
#include "desktop/window/run_time_error_report.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTimer>

namespace lodarix {

LodarixWindow::LodarixWindow()
    : loaded_(loadForm(lodarixForm()))
    , announcer_(*loaded_.form)
    , operations_(loaded_.controls, &announcer_)
    , rules_(operations_)
{
    errorHandler_ = [this](const std::exception& error) {
        showRunTimeError(loaded_.form.get(), error);
        QCoreApplication::exit(RunTimeErrorExitCode);
    };
    wireEvents();
}

bool LodarixWindow::load()
{
    return handleEvent([this] { rules_.load(); });
}

void LodarixWindow::show()
{
    if (!loaded_.form->focusWidget())
        focusFirstControl(loaded_);
    loaded_.form->show();
}

void LodarixWindow::wireEvents()
{
    for (const auto& [index, control] : loaded_.controls.elements(controls::FloorButtons)) {
        auto* button = qobject_cast<FloorButton*>(control);
        const auto floor = static_cast<lift::FloorIndex>(index);
        QObject::connect(button, &FloorButton::clicked, button,
                         [this, floor] { handleEvent([this, floor] { rules_.pick(floor); }); });
    }
    for (const auto& [index, control] : loaded_.controls.elements(controls::GrilleButtons)) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this] { handleEvent([this] { rules_.grilleClicked(); }); });
    }
    QTimer& timer = stepTimer();
    QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
        if (!stepsHeld_)
            runStep();
    });
}

void LodarixWindow::runStep()
{
    handleEvent([this] { rules_.step(); });
}

QTimer& LodarixWindow::stepTimer() const
{
    auto* timer = qobject_cast<QTimer*>(loaded_.controls.find(controls::StepTimer, std::nullopt));
    Q_ASSERT_X(timer, "LodarixWindow", "the form has a step timer");
    return *timer;
}

bool LodarixWindow::stepsRunning() const
{
    return stepTimer().isActive();
}

void LodarixWindow::setStepsHeld(bool held)
{
    if (held == stepsHeld_)
        return;
    stepsHeld_ = held;
    if (!held && stepsRunning())
        stepTimer().start();
}

bool LodarixWindow::deliverStep(WhenHeld whenHeld)
{
    if (!stepsRunning() || (stepsHeld_ && whenHeld == WhenHeld::Wait))
        return false;
    runStep();
    return true;
}

int LodarixWindow::stepIntervalMs() const
{
    return stepTimer().interval();
}

void LodarixWindow::setStepIntervalMs(int intervalMs)
{
    stepTimer().setInterval(intervalMs);
}

bool LodarixWindow::handleEvent(const std::function<void()>& rule)
{
    return lift::runGuarded(operations_, rule, errorHandler_);
}

} // namespace lodarix
