// How both faces draw the window's sketch (window_sketch.h), so that it reads
// the same everywhere: its sizes, in the window's pixels and scaled with the
// sketch, and its fixed colours. The colours that follow a control's own
// (a frame's edge, a floor button's bevel) come with each shape.
#pragma once

#include "core/lift/colors.h"

namespace lodarix::trace::sketch_style {

inline constexpr int FontPx = 16;              // the form's 12 pt at 96 dots per inch
inline constexpr double TextLineHeight = 1.15; // a status box line, in FontPx
inline constexpr int TextPadding = 3;          // between the status box's edge and its text
inline constexpr double EdgeWidth = 1;         // a frame's, a text box's and a mark's edge
inline constexpr double BevelWidth = 1.5;      // a floor button's raised or pressed edge
inline constexpr double BevelInset = 0.75;     // from the button's bounds to the bevel's middle
inline constexpr double MarkWidth = 13;        // a grille button's round mark, at most
inline constexpr double MarkShare = 0.6;       // the mark's width, at most, of the button's height
inline constexpr double MarkLeft = 2;          // from the button's left to its mark
inline constexpr double MarkGap = 4;           // from the mark to the caption

inline constexpr lift::Rgb Ink{0, 0, 0};
inline constexpr lift::Rgb MarkFill{255, 255, 255};
inline constexpr lift::Rgb TextBoxEdge{0x7A, 0x7A, 0x7A};

// A frame's edge: its face darkened.
lift::Color frameEdge(lift::Color face);
// A raised floor button's lit top left and shaded bottom right, swapped when pressed.
lift::Color bevelLit(lift::Color face);
lift::Color bevelShaded(lift::Color face);

} // namespace lodarix::trace::sketch_style
