#include "core/trace/window_sketch.h"

#include "core/form/lodarix_controls.h"
#include "core/form/lodarix_form.h"
#include "core/model/window_model.h"
#include "core/texts/events_view_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/sketch_style.h"
#include "core/trace/trace_texts.h"

#include <map>
#include <stdexcept>
#include <string_view>

namespace lodarix::trace {

namespace {

constexpr lift::Color White = 0x00FFFFFF;

// The floor's number, or that the form's code left none.
std::string floorNumberText(int floorIndex)
{
    if (!lift::FloorTable::isValid(floorIndex))
        return std::string(events_texts::NoFloorValue);
    return std::to_string(floorIndex + 1);
}

// The window model standing as it stood after the row.
void standAsAfter(WindowModel& window, const EventTrace& trace, std::size_t row)
{
    const TraceRow& at = trace.rows()[row];
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor)
        window.paintFloorButton(floor, trace.color(at, floor));
    if (at.selectedFloor >= 0)
        window.select(controls::FloorButtons, at.selectedFloor);
    if (at.grille() == GrilleState::Closed)
        window.select(controls::GrilleButtons, controls::GrilleClosedButton);
    if (at.grille() == GrilleState::Open)
        window.openGrille();
    window.setStepsRunning(at.timerOn());
    window.hideFloorNames(); // Form_Load hid it, and every row comes after the load
    window.setStatusText(trace.statusAfter(row));
}

std::string spokenStatus(const std::string& status)
{
    if (status.empty())
        return std::string(events_texts::EmptyStatus);
    std::string text;
    for (std::size_t at = 0; at < status.size(); ++at) {
        if (status[at] == '\r' && at + 1 < status.size() && status[at + 1] == '\n')
            continue;
        text += status[at] == '\n' || status[at] == '\r' ? ' ' : status[at];
    }
    return text;
}

} // namespace

WindowSketch sketchAfter(const EventTrace& trace, std::size_t row)
{
    if (row >= trace.size())
        throw std::out_of_range("no such row of the trace");
    WindowModel window(lodarixForm());
    standAsAfter(window, trace, row);
    const TraceRow& at = trace.rows()[row];
    return sketchOf(window, at.current, at.target);
}

WindowSketch sketchOf(const WindowModel& window, int current, int target)
{
    const FormDescription& form = lodarixForm();
    WindowSketch sketch{form.clientWidth / TwipsPerPixel,
                        form.clientHeight / TwipsPerPixel,
                        form.background,
                        {},
                        {}};
    std::map<std::string_view, std::pair<int, int>> origins; // a container's top left
    for (const ControlDescription& control : window.currentControls()) {
        const auto [originLeft, originTop] =
            control.container.empty() ? std::pair(0, 0) : origins[control.container];
        const int left = originLeft + control.rect.left / TwipsPerPixel;
        const int top = originTop + control.rect.top / TwipsPerPixel;
        if (control.kind == ControlKind::Frame)
            origins[control.name] = {left, top};
        if (!control.visible || control.kind == ControlKind::Timer
            || control.kind == ControlKind::ListBox)
            continue;
        const lift::Color face = control.background.value_or(form.background);
        SketchShape shape{SketchShape::Kind::Label,
                          left,
                          top,
                          control.rect.width / TwipsPerPixel,
                          control.rect.height / TwipsPerPixel,
                          face,
                          sketch_style::frameEdge(face),
                          sketch_style::bevelLit(face),
                          sketch_style::bevelShaded(face),
                          std::string(control.text),
                          control.selected};
        switch (control.kind) {
        case ControlKind::Frame:
            shape.kind = SketchShape::Kind::Frame;
            shape.text.clear();
            break;
        case ControlKind::OptionButton:
            shape.kind =
                control.graphical ? SketchShape::Kind::FloorButton : SketchShape::Kind::RadioButton;
            break;
        case ControlKind::TextBox:
            shape.kind = SketchShape::Kind::TextBox;
            shape.fill = control.background.value_or(White);
            shape.edge = lift::toColor(sketch_style::TextBoxEdge);
            break;
        default:
            break;
        }
        sketch.shapes.push_back(std::move(shape));
    }

    const GrilleState grille =
        window.isSelected(controls::GrilleButtons, controls::GrilleClosedButton)
        ? GrilleState::Closed
        : window.isSelected(controls::GrilleButtons, controls::GrilleOpenButton)
        ? GrilleState::Open
        : GrilleState::None;
    sketch.description = texts::fill(events_texts::DrawingSummary,
                                     {floorNumberText(current), floorNumberText(target),
                                      grilleText(grille), spokenStatus(window.statusText())});
    return sketch;
}

} // namespace lodarix::trace
