#include "desktop/window/lodarix_window.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"
#include "core/lift/guarded_event.h"
#include "desktop/window/described_state.h"
#include "desktop/window/floor_button.h"
#include "desktop/window/run_time_error_report.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace lodarix {

// Asks before the form it filters closes.
class CloseFilter : public QObject {
public:
    explicit CloseFilter(QObject& form)
        : QObject(&form)
    {
        form.installEventFilter(this);
    }

    std::function<bool()> mayClose;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close || !mayClose || mayClose())
            return false;
        event->ignore();
        return true;
    }
};

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
    closeFilter_ = new CloseFilter(*loaded_.form);
}

void LodarixWindow::setCloseGuard(std::function<bool()> mayClose)
{
    closeFilter_->mayClose = std::move(mayClose);
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
        QObject::connect(button, &FloorButton::clicked, button, [this, floor] {
            if (rules_.partWay())
                keep({Kept::Kind::Pick, floor});
            else
                handleEvent([this, floor] { rules_.pick(floor); });
        });
    }
    const auto grille = loaded_.controls.elements(controls::GrilleButtons);
    for (const auto& [index, control] : grille) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        QObject::connect(button, &QAbstractButton::pressed, button, [this, grille] {
            grilleBeforePress_ = nullptr;
            for (const auto& [other, shown] : grille) {
                auto* candidate = qobject_cast<QAbstractButton*>(shown);
                if (candidate->isChecked())
                    grilleBeforePress_ = candidate;
            }
        });
        const int element = static_cast<int>(index);
        QObject::connect(button, &QAbstractButton::clicked, button, [this, button, element] {
            if (!rules_.partWay()) {
                handleEvent([this] { rules_.grilleClicked(); });
                return;
            }
            if (grilleBeforePress_ && grilleBeforePress_ != button)
                grilleBeforePress_->setChecked(true);
            keep({Kept::Kind::Grille, element});
        });
    }
    QTimer& timer = stepTimer();
    QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
        if (stepsHeld_)
            return;
        if (rules_.partWay())
            keep({Kept::Kind::Tick});
        else
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
    if (rules_.partWay()) {
        if (whenHeld == WhenHeld::Wait)
            keep({Kept::Kind::Tick});
        return false;
    }
    runStep();
    return true;
}

bool LodarixWindow::restart(const lift::RuleRunner::EngineMaker& make)
{
    kept_.clear();
    rules_.setEngine(make);
    return handleEvent([this] { rules_.load(); });
}

bool LodarixWindow::startAfresh(const lift::RuleRunner::EngineMaker& make)
{
    kept_.clear();
    restoreDescribed(lodarixForm(), loaded_.controls);
    return restart(make);
}

void LodarixWindow::advance()
{
    if (!rules_.partWay())
        return;
    handleEvent([this] { rules_.advance(); });
    applyKept();
}

void LodarixWindow::finishEvent()
{
    while (rules_.partWay()) {
        if (!handleEvent([this] { rules_.advance(); }))
            return;
    }
    applyKept();
}

void LodarixWindow::keep(Kept input)
{
    const bool tickKept =
        std::ranges::any_of(kept_, [](const Kept& kept) { return kept.kind == Kept::Kind::Tick; });
    if (input.kind != Kept::Kind::Tick || !tickKept)
        kept_.push_back(input);
}

void LodarixWindow::applyKept()
{
    while (!kept_.empty() && !rules_.partWay()) {
        const Kept input = kept_.front();
        kept_.erase(kept_.begin());
        apply(input);
    }
}

void LodarixWindow::apply(const Kept& input)
{
    switch (input.kind) {
    case Kept::Kind::Pick:
        handleEvent([this, &input] { rules_.pick(static_cast<lift::FloorIndex>(input.index)); });
        break;
    case Kept::Kind::Grille:
        if (auto* button = qobject_cast<QAbstractButton*>(
                loaded_.controls.find(controls::GrilleButtons, input.index)))
            button->setChecked(true);
        handleEvent([this] { rules_.grilleClicked(); });
        break;
    case Kept::Kind::Tick:
        if (stepsRunning() && !stepsHeld_)
            runStep();
        break;
    }
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
    const bool ran =
        lift::runGuarded(operations_, rule, [this](const std::exception& error) { failed(error); });
    tellPartWay();
    return ran;
}

void LodarixWindow::failed(const std::exception& error)
{
    kept_.clear();
    if (formCodeFailureHandler_ && dynamic_cast<const lift::FormCodeFailure*>(&error))
        formCodeFailureHandler_(error);
    else
        errorHandler_(error);
}

void LodarixWindow::tellPartWay()
{
    const bool partWay = rules_.partWay();
    if (partWay == partWayTold_)
        return;
    partWayTold_ = partWay;
    for (const auto& [number, listener] : partWayListeners_)
        listener(partWay);
}

int LodarixWindow::addPartWayListener(std::function<void(bool)> listener)
{
    partWayListeners_.emplace_back(++partWayListenersAdded_, std::move(listener));
    return partWayListenersAdded_;
}

void LodarixWindow::removePartWayListener(int listener)
{
    std::erase_if(partWayListeners_,
                  [listener](const auto& added) { return added.first == listener; });
}

} // namespace lodarix
