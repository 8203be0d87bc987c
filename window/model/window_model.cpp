#include "window/model/window_model.h"

#include "lift/run_time_error.h"
#include "window/description/lodarix_controls.h"

namespace lodarix {

using namespace controls;

WindowModel::WindowModel(const FormDescription& form)
{
    controls_.reserve(form.controls.size());
    for (const ControlDescription& description : form.controls) {
        controls_.push_back({&description, description.background, std::string{description.text},
                             description.selected, description.visible, description.enabled});
    }
}

WindowModel::Control& WindowModel::element(std::string_view control, std::optional<int> index,
                                           std::string_view operation)
{
    const auto& self = *this;
    return const_cast<Control&>(self.element(control, index, operation));
}

const WindowModel::Control& WindowModel::element(std::string_view control,
                                                 std::optional<int> index,
                                                 std::string_view operation) const
{
    for (const Control& candidate : controls_) {
        if (candidate.description->name == control && candidate.description->index == index)
            return candidate;
    }
    throw lift::RunTimeError(std::string{control}, index, std::string{operation},
                             "no such control or element");
}

void WindowModel::paintFloorButton(lift::FloorIndex floor, lift::Color color)
{
    element(FloorButtons, floor, "BackColor").background = color;
}

bool WindowModel::isGrilleClosed() const
{
    return element(GrilleButtons, GrilleClosedButton, "Value").selected;
}

void WindowModel::openGrille()
{
    select(GrilleButtons, GrilleOpenButton);
}

void WindowModel::setStepsRunning(bool running)
{
    element(StepTimer, std::nullopt, "Enabled").enabled = running;
}

std::string WindowModel::statusText() const
{
    return element(TextBoxes, StatusBox, "Text").text;
}

void WindowModel::setStatusText(const std::string& text)
{
    element(TextBoxes, StatusBox, "Text").text = text;
}

std::string WindowModel::floorName(lift::FloorIndex floor) const
{
    const auto& items = element(FloorNameList, std::nullopt, "List").description->items;
    if (floor < 0 || static_cast<std::size_t>(floor) >= items.size())
        throw lift::RunTimeError(std::string{FloorNameList}, floor, "List", "no such list item");
    return std::string{items[static_cast<std::size_t>(floor)]};
}

void WindowModel::hideFloorNames()
{
    element(FloorNameList, std::nullopt, "Visible").visible = false;
}

void WindowModel::select(std::string_view control, int index)
{
    Control& chosen = element(control, index, "Value");
    for (Control& other : controls_) {
        if (other.description->kind == ControlKind::OptionButton
            && other.description->container == chosen.description->container)
            other.selected = false;
    }
    chosen.selected = true;
}

bool WindowModel::isSelected(std::string_view control, int index) const
{
    return element(control, index, "Value").selected;
}

std::optional<int> WindowModel::selectedIndex(std::string_view control) const
{
    for (const Control& candidate : controls_) {
        if (candidate.description->name == control && candidate.selected)
            return candidate.description->index;
    }
    return std::nullopt;
}

lift::Color WindowModel::backColor(std::string_view control, std::optional<int> index) const
{
    const Control& found = element(control, index, "BackColor");
    if (!found.background)
        throw lift::RunTimeError(std::string{control}, index, "BackColor",
                                 "the colour is the platform's default");
    return *found.background;
}

std::string WindowModel::text(std::string_view control, std::optional<int> index) const
{
    return element(control, index, "Text").text;
}

bool WindowModel::isVisible(std::string_view control) const
{
    return element(control, std::nullopt, "Visible").visible;
}

bool WindowModel::isEnabled(std::string_view control) const
{
    return element(control, std::nullopt, "Enabled").enabled;
}

} // namespace lodarix
