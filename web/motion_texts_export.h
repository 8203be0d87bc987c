// The motion view's words (core/texts/motion_window_texts.h) handed to the
// page's script as one JSON object, by the names of the core's constants, so
// that the page writes none of them again.
#pragma once

#include <string>

namespace lodarix::web {

// {ShowMotionWindow, WindowTitle, Pause, Continue, ...}: the main window's
// control that opens the view, then every text of the motion window.
std::string motionTextsJson();

} // namespace lodarix::web
