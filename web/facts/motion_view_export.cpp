#include "web/facts/motion_view_export.h"

#include "core/json/json_object.h"
#include "core/motion/graph_frame.h"
#include "core/motion/graph_path.h"
#include "core/motion/path_numbers.h"
#include "core/motion/record_texts.h"
#include "core/motion/speed.h"
#include "core/motion/teacher_controls.h"
#include "core/texts/main_window_texts.h"
#include "core/texts/motion_window_texts.h"
#include "web/facts/named_texts.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace lodarix::web {

namespace {

namespace words = motion_texts;

void color(json::Object& object, std::string_view name, lift::Rgb value)
{
    object.text(name, lift::hexRgb(value));
}

// {name: position, ..., size}.
void fields(json::Object& layout, std::string_view name,
            std::initializer_list<std::pair<std::string_view, int>> named, int size)
{
    json::Object object(layout.key(name));
    for (const auto& [field, position] : named)
        object.number(field, position);
    object.number("size", size);
}

} // namespace

std::string motionTextsJson()
{
    return namedTextsJson({
        {"ShowMotionWindow", texts::ShowMotionWindow},
#include "motion_text_names.inc"
    });
}

std::string motionControlsJson()
{
    std::string out;
    {
        json::Object object(out);
        object.number("shortestIntervalMs", motion::ShortestIntervalMs);
        object.number("longestIntervalMs", motion::LongestIntervalMs);
        object.number("intervalStepMs", motion::IntervalStepMs);
        object.decimal("lowestStoreyM", motion::StoreyHeight::Lowest);
        object.decimal("highestStoreyM", motion::StoreyHeight::Highest);
        object.decimal("storeyStepM", motion::StoreyHeightStep);
        object.decimal("defaultStoreyM", motion::StoreyHeight::Default);
        object.number("viewUpdateMs", motion::ViewUpdateMs);
    }
    return out;
}

std::string motionGraphJson()
{
    namespace colors = motion::graph_colors;
    namespace numbers = motion::path_numbers;
    std::string out;
    {
        json::Object facts(out);
        {
            json::Object object(facts.key("colors"));
            color(object, "ground", colors::Ground);
            color(object, "grid", colors::Grid);
            color(object, "axis", colors::Axis);
            color(object, "text", colors::Text);
            color(object, "position", colors::Position);
            color(object, "target", colors::Target);
            color(object, "positionJump", colors::PositionJump);
            color(object, "speed", colors::Speed);
            color(object, "zero", colors::Zero);
            color(object, "speedJump", colors::SpeedJump);
        }
        {
            namespace sizes = motion::graph_sizes;
            json::Object object(facts.key("sizes"));
            object.decimal("line", sizes::Line);
            object.decimal("rule", sizes::Rule);
            object.decimal("stepPoint", sizes::StepPoint);
            object.decimal("jumpRing", sizes::JumpRing);
        }
        {
            json::Object path(facts.key("path"));
            fields(path, "header",
                   {{"stretchCount", numbers::StretchCount},
                    {"pointCount", numbers::PointCount},
                    {"finalStop", numbers::FinalStop},
                    {"finalStopFromMs", numbers::FinalStopFromMs},
                    {"fastest", numbers::Fastest}},
                   numbers::HeaderSize);
            fields(path, "stretch",
                   {{"fromMs", numbers::FromMs},
                    {"toMs", numbers::ToMs},
                    {"fromFloor", numbers::FromFloor},
                    {"toFloor", numbers::ToFloor},
                    {"kind", numbers::Kind},
                    {"hasSpeed", numbers::HasSpeed},
                    {"low", numbers::Low},
                    {"high", numbers::High},
                    {"last", numbers::Last}},
                   numbers::StretchSize);
            fields(path, "point", {{"ms", numbers::PointMs}, {"floor", numbers::PointFloor}},
                   numbers::PointSize);
            json::Object kinds(path.key("kinds"));
            kinds.number("rest", static_cast<int>(motion::StretchKind::Rest));
            kinds.number("motion", static_cast<int>(motion::StretchKind::Motion));
            kinds.number("jump", static_cast<int>(motion::StretchKind::Jump));
            kinds.number("dense", static_cast<int>(motion::StretchKind::Dense));
        }
        facts.text("timeLabelSample", motion::TimeLabelSample);
        {
            json::Object columns(facts.key("tripColumns"));
            {
                json::Array headings(columns.key("headings"));
                for (const std::string_view heading : motion::tripColumnHeadings())
                    headings.text(heading);
            }
            columns.number("note", motion::NoteColumn);
        }
    }
    return out;
}

} // namespace lodarix::web
