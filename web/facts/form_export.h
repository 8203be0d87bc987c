// The window's description as JSON, which the build places in the page
// (page_facts.cpp), so that the page builds its controls from the same data
// as the desktop: positions and sizes already in pixels (twips / 15, as the
// desktop places them), colours as "#RRGGBB", texts with line feeds, the tab
// indices, the states, the font, and for each floor button the name and the
// marker's meaning that assistive technology is told.
#pragma once

#include <string>

namespace lodarix::web {

// {name, caption, width, height, background, font: {family, pointSize, weight},
//  controls: [{name, index, kind, container, rect: {left, top, width, height},
//  text, background, tabIndex, graphical, multiLine, verticalScrollBar, enabled,
//  visible, selected, intervalMs, items, accessibleName, accessibleDescription}]},
// the controls in the stored order; an absent index, background or tab index is null.
std::string formDescriptionJson();
// The same, with each control's state as the trip rules leave it once the
// window has loaded: what the page shows first.
std::string loadedFormDescriptionJson();
// [{name, index, text, background, enabled, visible, selected}]: the stored
// state of each control whose state the load changes, for the page to put
// the window back to its description before a program's Form_Load.
std::string storedStatesJson();

} // namespace lodarix::web
