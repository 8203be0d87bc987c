// What the page's motion view takes from the core besides the record: its
// words (core/texts/motion_window_texts.h), by the names of the core's
// constants; the ranges of the teacher's controls
// (core/motion/teacher_controls.h); and the graphs' colours, the layout of
// the numbers the graphs are drawn from, and the trips table's columns; each
// as one JSON object, so that the page writes none of them again.
#pragma once

#include <string>

namespace lodarix::web {

// {ShowMotionWindow, WindowTitle, Pause, Continue, ...}: the main window's
// control that opens the view, then every text of the motion window.
std::string motionTextsJson();

// {shortestIntervalMs, longestIntervalMs, intervalStepMs, lowestStoreyM,
// highestStoreyM, storeyStepM, defaultStoreyM, viewUpdateMs}.
std::string motionControlsJson();

// What the view draws and lists by the core's facts
// (core/motion/graph_frame.h, path_numbers.h, record_texts.h):
// {colors: {grid, axis, text, position, target, positionJump, speed, zero,
// speedJump}, path: {header, stretch, point: each {field: position, ...,
// size}, kinds: {rest, motion, jump, dense}}, timeLabelSample,
// tripColumns: {headings, note}}.
std::string motionGraphJson();

} // namespace lodarix::web
