// What the page's motion view takes from the core besides the record: its
// words (core/texts/motion_window_texts.h), by the names of the core's
// constants, and the ranges of the teacher's controls
// (core/motion/teacher_controls.h), each as one JSON object, so that the page
// writes none of them again.
#pragma once

#include <string>

namespace lodarix::web {

// {ShowMotionWindow, WindowTitle, Pause, Continue, ...}: the main window's
// control that opens the view, then every text of the motion window.
std::string motionTextsJson();

// {shortestIntervalMs, longestIntervalMs, intervalStepMs, lowestStoreyM,
// highestStoreyM, storeyStepM, defaultStoreyM, viewUpdateMs}.
std::string motionControlsJson();

} // namespace lodarix::web
