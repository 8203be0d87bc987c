#include "window/model/lodarix_model.h"

#include "window/description/lodarix_form.h"

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
    window_.select("Option1", floor);
    controller_.Option1_Click(floor);
}

void LodarixModel::clickGrilleButton(Grille grille)
{
    if (grille == Grille::None)
        throw std::invalid_argument("a grille button is either the open or the closed one");
    window_.select("Option2", grille == Grille::Closed ? 0 : 1);
}

void LodarixModel::timerPeriod()
{
    if (window_.isEnabled("Timer1"))
        controller_.Timer1_Timer();
}

Grille LodarixModel::grille() const
{
    if (window_.isSelected("Option2", 0))
        return Grille::Closed;
    if (window_.isSelected("Option2", 1))
        return Grille::Open;
    return Grille::None;
}

} // namespace lodarix
