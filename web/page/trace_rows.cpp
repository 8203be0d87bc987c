#include "web/page/trace_rows.h"

#include "core/json/json_object.h"
#include "core/line_ends/crlf_text.h"
#include "core/texts/events_view_texts.h"
#include "core/texts/number_texts.h"
#include "core/trace/trace_texts.h"
#include "core/trace/window_sketch.h"

#include <algorithm>

namespace lodarix::web {

namespace {

bool has(const trace::EventTrace& trace, int row)
{
    return row >= 0 && static_cast<std::size_t>(row) < trace.size();
}

const char* kindName(trace::SketchShape::Kind kind)
{
    using Kind = trace::SketchShape::Kind;
    switch (kind) {
    case Kind::Frame:
        return "frame";
    case Kind::Label:
        return "label";
    case Kind::FloorButton:
        return "floorButton";
    case Kind::RadioButton:
        return "radioButton";
    case Kind::TextBox:
        break;
    }
    return "textBox";
}

} // namespace

std::string TraceRows::rowsJson(int first, int count) const
{
    const trace::EventTrace& trace = events();
    const auto from = static_cast<std::size_t>(std::max(first, 0));
    const std::size_t to =
        std::min(trace.size(), from + static_cast<std::size_t>(std::max(count, 0)));
    std::string out;
    {
        json::Array rows(out);
        for (std::size_t row = from; row < to; ++row) {
            json::Array cells(rows.next());
            for (const std::string& cell : trace::traceCells(trace, row))
                cells.text(cell);
        }
    }
    return out;
}

std::string TraceRows::summary(int row) const
{
    const trace::EventTrace& trace = events();
    return has(trace, row) ? trace::rowSummary(trace, static_cast<std::size_t>(row))
                           : std::string();
}

std::string TraceRows::sketchJson(int row) const
{
    const trace::EventTrace& trace = events();
    if (!has(trace, row))
        return "null";
    return web::sketchJson(trace::sketchAfter(trace, static_cast<std::size_t>(row)),
                           texts::fill(events_texts::Drawing, {std::to_string(row + 1)}));
}

std::string sketchJson(const trace::WindowSketch& sketch, std::string_view name)
{
    std::string out;
    {
        json::Object object(out);
        object.number("width", sketch.width);
        object.number("height", sketch.height);
        object.text("background", lift::toHexRgb(sketch.background));
        object.text("name", name);
        object.text("description", sketch.description);
        json::Array shapes(object.key("shapes"));
        for (const trace::SketchShape& shape : sketch.shapes) {
            json::Object one(shapes.next());
            one.text("kind", kindName(shape.kind));
            one.number("left", shape.left);
            one.number("top", shape.top);
            one.number("width", shape.width);
            one.number("height", shape.height);
            one.text("fill", lift::toHexRgb(shape.fill));
            one.text("edge", lift::toHexRgb(shape.edge));
            one.text("lit", lift::toHexRgb(shape.lit));
            one.text("shaded", lift::toHexRgb(shape.shaded));
            one.text("text", toLineFeeds(shape.text));
            one.boolean("selected", shape.selected);
        }
    }
    return out;
}

} // namespace lodarix::web
