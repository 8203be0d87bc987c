// The window as it stood right after a row of the trace, as shapes for a
// small drawing: the core's window model is built from the description,
// given the row's state (the floor buttons' colours and the one selected,
// the grille, the timer, the status text) and read back control by control.
// Positions are the window's pixels (twips / 15); a face scales the whole.
#pragma once

#include "core/lift/colors.h"
#include "core/model/window_model.h"
#include "core/trace/event_trace.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lodarix::trace {

struct SketchShape {
    enum class Kind : std::uint8_t { Frame, Label, FloorButton, RadioButton, TextBox };
    Kind kind;
    int left;
    int top;
    int width;
    int height;
    lift::Color fill;   // the face's colour; white for a text box
    lift::Color edge;   // a frame's or a text box's edge
    lift::Color lit;    // a floor button's lit bevel (its shaded one when pressed)
    lift::Color shaded; // and its shaded bevel
    std::string text;   // the caption, or the text box's whole text (CR LF line ends)
    bool selected;      // an option button's selection

    friend bool operator==(const SketchShape&, const SketchShape&) = default;
};

struct WindowSketch {
    int width;
    int height;
    lift::Color background;
    std::vector<SketchShape> shapes; // in drawing order, the last on top
    // What the drawing shows, in words: the cabin, the final stop, the
    // grille and the status text.
    std::string description;
};

// Throws std::out_of_range for a row the trace has not got.
WindowSketch sketchAfter(const EventTrace& trace, std::size_t row);
// The window model as it stands, with the form's two floors for its words.
WindowSketch sketchOf(const WindowModel& window, int current, int target);

} // namespace lodarix::trace
