#include "core/form/accessible_texts.h"

#include "core/texts/main_window_texts.h"
#include "core/texts/number_texts.h"

namespace lodarix::texts {

std::string floorButtonName(std::string_view caption)
{
    return fill(FloorButtonName, {caption});
}

std::string_view markerMeaning(lift::Color marker)
{
    switch (marker) {
    case lift::ColorCabin:
        return FloorOfCabin;
    case lift::ColorTarget:
        return FloorOfTarget;
    default:
        return FloorFree;
    }
}

} // namespace lodarix::texts
