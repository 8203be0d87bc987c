// What assistive technology is told about a floor button beyond its caption:
// the name it goes by and what its marker colour means, since the colour
// alone would not say it. Every face names the buttons with these texts.
#pragma once

#include "core/lift/colors.h"

#include <string>
#include <string_view>

namespace lodarix::texts {

// "Етаж 4" for the button captioned "4".
std::string floorButtonName(std::string_view caption);

// "кабината е тук", "крайна спирка" or, for any other colour, "свободен".
std::string_view markerMeaning(lift::Color marker);

} // namespace lodarix::texts
