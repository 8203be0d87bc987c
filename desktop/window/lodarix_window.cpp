#include "desktop/window/lodarix_window.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"
#include "desktop/window/floor_button.h"
#include "desktop/window/run_time_error_report.h"

#include <QCoreApplication>
#include <QTimer>

namespace lodarix {

LodarixWindow::LodarixWindow()
    : loaded_(loadForm(lodarixForm()))
    , operations_(loaded_.controls)
    , controller_(operations_)
{
    errorHandler_ = [this](const std::exception& error) {
        showRunTimeError(loaded_.form.get(), error);
        QCoreApplication::exit(RunTimeErrorExitCode);
    };
    wireEvents();
}

bool LodarixWindow::load()
{
    return handleEvent([this] {
        controller_.Form_Load();
        if (observer_)
            observer_->loaded(controller_);
    });
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
        QObject::connect(button, &FloorButton::clicked, button, [this, floor] {
            handleEvent([this, floor] {
                const bool grilleWasClosed = observer_ && operations_.isGrilleClosed();
                controller_.Option1_Click(floor);
                if (observer_)
                    observer_->floorPicked(controller_, grilleWasClosed);
            });
        });
    }
    auto* timer = qobject_cast<QTimer*>(loaded_.controls.find(controls::StepTimer, std::nullopt));
    QObject::connect(timer, &QTimer::timeout, timer, [this] {
        handleEvent([this] {
            controller_.Timer1_Timer();
            if (observer_)
                observer_->stepRan(controller_);
        });
    });
}

bool LodarixWindow::handleEvent(const std::function<void()>& rule)
{
    try {
        rule();
        return true;
    } catch (const std::exception& error) {
        reportError(error);
    }
    return false;
}

void LodarixWindow::reportError(const std::exception& error)
{
    if (auto* timer =
            qobject_cast<QTimer*>(loaded_.controls.find(controls::StepTimer, std::nullopt)))
        timer->stop();
    errorHandler_(error);
}

} // namespace lodarix
