#include "window/description/form_description.h"

namespace lodarix {

const ControlDescription* FormDescription::find(std::string_view control,
                                                std::optional<int> index) const
{
    for (const ControlDescription& candidate : controls) {
        if (candidate.name == control && candidate.index == index)
            return &candidate;
    }
    return nullptr;
}

} // namespace lodarix
