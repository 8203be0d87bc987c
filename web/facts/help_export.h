// The short help (core/form/help.h) as the page shows it, the keys the page
// binds (core/form/key_table.h), and the page's controls for its size on the
// screen (core/texts/page_screen_texts.h), each as one JSON object for the
// build to place in the page.
#pragma once

#include <string>

namespace lodarix::web {

// {title, coloursHeading, colours: [{color: "#RRGGBB", name, meaning}],
// grilleRule, keysHeading, keys: [{keys, does}], close}.
std::string helpJson();

// {help: ["F1"], ..., pause: ["p", "Pause"], ...}: by each row's id, the
// KeyboardEvent.key names the page binds, for the rows that have any.
std::string pageKeysJson();

// {FitToWindow, FitToWindowTip, ...}, by the names of the core's constants.
std::string screenTextsJson();

} // namespace lodarix::web
