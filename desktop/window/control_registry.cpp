#include "desktop/window/control_registry.h"

namespace lodarix {

void ControlRegistry::add(std::string name, std::optional<int> index, QObject* control)
{
    controls_[{std::move(name), index}] = control;
}

QObject* ControlRegistry::find(std::string_view name, std::optional<int> index) const
{
    const auto found = controls_.find({std::string(name), index});
    return found == controls_.end() ? nullptr : found->second.data();
}

std::vector<std::pair<int, QObject*>> ControlRegistry::elements(std::string_view name) const
{
    std::vector<std::pair<int, QObject*>> result;
    for (const auto& [key, control] : controls_) {
        if (key.first == name && key.second && control)
            result.emplace_back(*key.second, control.data());
    }
    return result;
}

} // namespace lodarix
