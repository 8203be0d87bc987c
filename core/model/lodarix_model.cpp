#include "core/model/lodarix_model.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"

#include <stdexcept>

namespace lodarix {

LodarixModel::LodarixModel()
    : window_(lodarixForm())
    , rules_(window_)
{
}

void LodarixModel::load()
{
    rules_.load();
}

void LodarixModel::clickFloorButton(lift::FloorIndex floor)
{
    window_.select(controls::FloorButtons, floor);
    rules_.pick(floor);
}

void LodarixModel::clickGrilleButton(Grille grille)
{
    if (grille == Grille::None)
        throw std::invalid_argument("a grille button is either the open or the closed one");
    window_.select(controls::GrilleButtons,
                   grille == Grille::Closed ? controls::GrilleClosedButton
                                            : controls::GrilleOpenButton);
    rules_.grilleClicked();
}

void LodarixModel::timerPeriod()
{
    passTime(stepPeriodMs());
}

void LodarixModel::passTime(int ms, const std::function<void(int)>& atStep)
{
    if (timerStarts_ != window_.timerStarts()) {
        timerStarts_ = window_.timerStarts();
        sinceTimerStartMs_ = 0;
    }
    int passed = 0;
    while (window_.isEnabled(controls::StepTimer)) {
        const int due = window_.stepPeriod() - sinceTimerStartMs_;
        if (due > ms - passed)
            break;
        passed += due;
        sinceTimerStartMs_ = 0;
        if (atStep)
            atStep(passed);
        rules_.step();
        timerStarts_ = window_.timerStarts();
    }
    sinceTimerStartMs_ =
        window_.isEnabled(controls::StepTimer) ? sinceTimerStartMs_ + ms - passed : 0;
}

Grille LodarixModel::grille() const
{
    if (window_.isSelected(controls::GrilleButtons, controls::GrilleClosedButton))
        return Grille::Closed;
    if (window_.isSelected(controls::GrilleButtons, controls::GrilleOpenButton))
        return Grille::Open;
    return Grille::None;
}

} // namespace lodarix
