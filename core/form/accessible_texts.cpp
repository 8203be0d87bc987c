#include "core/form/accessible_texts.h"

namespace lodarix::texts {

std::string floorButtonName(std::string_view caption)
{
    return "Етаж " + std::string(caption);
}

std::string_view markerMeaning(lift::Color marker)
{
    switch (marker) {
    case lift::ColorCabin:
        return "кабината е тук";
    case lift::ColorTarget:
        return "крайна спирка";
    default:
        return "свободен";
    }
}

} // namespace lodarix::texts
