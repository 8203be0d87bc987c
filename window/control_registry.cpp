#include "window/control_registry.h"

namespace lodarix {

void ControlRegistry::add(std::string name, std::optional<int> index, QObject* control)
{
    controls_[{std::move(name), index}] = control;
}

QObject* ControlRegistry::find(const std::string& name, std::optional<int> index) const
{
    const auto found = controls_.find({name, index});
    return found == controls_.end() ? nullptr : found->second.data();
}

std::vector<std::pair<int, QObject*>> ControlRegistry::elements(const std::string& name) const
{
    std::vector<std::pair<int, QObject*>> result;
    for (const auto& [key, control] : controls_) {
        if (key.first == name && key.second && control)
            result.emplace_back(*key.second, control.data());
    }
    return result;
}

} // namespace lodarix
