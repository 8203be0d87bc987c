#include "core/model/window_model.h"

#include "core/form/lodarix_controls.h"
#include "core/lift/run_time_error.h"

#include <algorithm>

namespace lodarix {

using namespace controls;

WindowModel::WindowModel(const FormDescription& form)
{
    std::vector<std::string_view> containers;
    controls_.reserve(form.controls.size());
    for (const ControlDescription& description : form.controls) {
        auto container = std::find(containers.begin(), containers.end(), description.container);
        if (container == containers.end())
            container = containers.insert(container, description.container);
        const auto group = static_cast<std::size_t>(container - containers.begin());
        controls_.push_back({&description, description.background, std::string{description.text},
                             description.selected, description.visible, description.enabled,
                             group});
    }
    for (int floor = 0; floor < lift::FloorTable::Count; ++floor)
        floorButtons_.push_back(search(FloorButtons, floor));
    grilleClosed_ = search(GrilleButtons, GrilleClosedButton);
    grilleOpen_ = search(GrilleButtons, GrilleOpenButton);
    statusBox_ = search(TextBoxes, StatusBox);
    floorNameList_ = search(FloorNameList, std::nullopt);
    stepTimer_ = search(StepTimer, std::nullopt);
    if (stepTimer_ != None)
        stepPeriod_ = controls_[stepTimer_].description->intervalMs;
}

std::size_t WindowModel::positionOf(std::string_view control, std::optional<int> index) const
{
    if (control == FloorButtons && index)
        return floorButton(*index);
    if (control == StepTimer && !index)
        return stepTimer_;
    return search(control, index);
}

std::size_t WindowModel::search(std::string_view control, std::optional<int> index) const
{
    for (std::size_t position = 0; position < controls_.size(); ++position) {
        const ControlDescription& candidate = *controls_[position].description;
        if (candidate.name == control && candidate.index == index)
            return position;
    }
    return None;
}

WindowModel::Control& WindowModel::element(std::string_view control, std::optional<int> index,
                                           std::string_view operation)
{
    return at(positionOf(control, index), control, index, operation);
}

const WindowModel::Control& WindowModel::element(std::string_view control, std::optional<int> index,
                                                 std::string_view operation) const
{
    return at(positionOf(control, index), control, index, operation);
}

WindowModel::Control& WindowModel::at(std::size_t position, std::string_view control,
                                      std::optional<int> index, std::string_view operation)
{
    const auto& self = *this;
    return const_cast<Control&>(self.at(position, control, index, operation));
}

const WindowModel::Control& WindowModel::at(std::size_t position, std::string_view control,
                                            std::optional<int> index,
                                            std::string_view operation) const
{
    if (position == None)
        throw lift::RunTimeError(std::string{control}, index, std::string{operation},
                                 "no such control or element");
    return controls_[position];
}

std::size_t WindowModel::floorButton(int floor) const
{
    if (floor < 0 || static_cast<std::size_t>(floor) >= floorButtons_.size())
        return None;
    return floorButtons_[static_cast<std::size_t>(floor)];
}

void WindowModel::paintFloorButton(lift::FloorIndex floor, lift::Color color)
{
    at(floorButton(floor), FloorButtons, floor, "BackColor").background = color;
}

bool WindowModel::isGrilleClosed() const
{
    return at(grilleClosed_, GrilleButtons, GrilleClosedButton, "Value").selected;
}

void WindowModel::openGrille()
{
    select(at(grilleOpen_, GrilleButtons, GrilleOpenButton, "Value"));
}

void WindowModel::setStepsRunning(bool running)
{
    at(stepTimer_, StepTimer, std::nullopt, "Enabled").enabled = running;
    if (running)
        ++timerStarts_;
}

std::string WindowModel::statusText() const
{
    return at(statusBox_, TextBoxes, StatusBox, "Text").text;
}

void WindowModel::setStatusText(const std::string& text)
{
    at(statusBox_, TextBoxes, StatusBox, "Text").text = text;
}

std::string WindowModel::floorName(lift::FloorIndex floor) const
{
    const auto& items = at(floorNameList_, FloorNameList, std::nullopt, "List").description->items;
    if (floor < 0 || static_cast<std::size_t>(floor) >= items.size())
        throw lift::RunTimeError(std::string{FloorNameList}, floor, "List", "no such list item");
    return std::string{items[static_cast<std::size_t>(floor)]};
}

void WindowModel::hideFloorNames()
{
    at(floorNameList_, FloorNameList, std::nullopt, "Visible").visible = false;
}

std::string WindowModel::floorCaption(lift::FloorIndex floor) const
{
    return std::string{at(floorButton(floor), FloorButtons, floor, "Caption").description->text};
}

int WindowModel::floorNameCount() const
{
    return int(
        at(floorNameList_, FloorNameList, std::nullopt, "ListCount").description->items.size());
}

int WindowModel::stepPeriod() const
{
    at(stepTimer_, StepTimer, std::nullopt, "Interval");
    return stepPeriod_;
}

void WindowModel::setStepPeriod(int periodMs)
{
    at(stepTimer_, StepTimer, std::nullopt, "Interval");
    stepPeriod_ = periodMs;
    ++timerStarts_;
}

void WindowModel::select(std::string_view control, int index)
{
    select(element(control, index, "Value"));
}

void WindowModel::select(Control& chosen)
{
    for (Control& other : controls_) {
        if (other.description->kind == ControlKind::OptionButton && other.group == chosen.group)
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

std::vector<ControlDescription> WindowModel::currentControls() const
{
    std::vector<ControlDescription> current;
    current.reserve(controls_.size());
    for (const Control& control : controls_) {
        ControlDescription now = *control.description;
        now.background = control.background;
        now.text = control.text;
        now.selected = control.selected;
        now.visible = control.visible;
        now.enabled = control.enabled;
        current.push_back(now);
    }
    return current;
}

} // namespace lodarix
