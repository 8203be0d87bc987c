// The short help (core/form/help.h) as the page shows it, and the page's
// controls for its size on the screen (core/texts/page_screen_texts.h), each
// as one JSON object for the build to place in the page.
#pragma once

#include <string>

namespace lodarix::web {

// {title, coloursHeading, colours: [{color: "#RRGGBB", name, meaning}],
// grilleRule, keysHeading, keys: [{keys, does}], close}.
std::string helpJson();

// {FitToWindow, FitToWindowTip, ...}, by the names of the core's constants.
std::string screenTextsJson();

} // namespace lodarix::web
