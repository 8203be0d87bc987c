#include "core/model/lodarix_model.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"

#include <stdexcept>

namespace lodarix {

LodarixModel::LodarixModel()
    : window_(lodarixForm())
    , controller_(window_)
{
}

void LodarixModel::load()
{
    controller_.Form_Load();
}

void LodarixModel::clickFloorButton(lift::FloorIndex floor)
{
    window_.select(controls::FloorButtons, floor);
    controller_.Option1_Click(floor);
}

void LodarixModel::clickGrilleButton(Grille grille)
{
    if (grille == Grille::None)
        throw std::invalid_argument("a grille button is either the open or the closed one");
    window_.select(controls::GrilleButtons,
                   grille == Grille::Closed ? controls::GrilleClosedButton
                                            : controls::GrilleOpenButton);
}

void LodarixModel::timerPeriod()
{
    if (window_.isEnabled(controls::StepTimer))
        controller_.Timer1_Timer();
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
