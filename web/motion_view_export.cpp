#include "web/motion_view_export.h"

#include "core/json/json_object.h"
#include "core/motion/speed.h"
#include "core/motion/teacher_controls.h"
#include "core/texts/main_window_texts.h"
#include "core/texts/motion_window_texts.h"

#include <cstdio>
#include <string_view>
#include <utility>

namespace lodarix::web {

namespace {

namespace words = motion_texts;

void decimal(json::Object& object, std::string_view name, double value)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.15g", value);
    object.key(name) += digits;
}

} // namespace

std::string motionTextsJson()
{
    const std::pair<std::string_view, std::string_view> texts[] = {
        {"ShowMotionWindow", texts::ShowMotionWindow},
#include "motion_text_names.inc"
    };
    std::string out;
    {
        json::Object object(out);
        for (const auto& [name, text] : texts)
            object.text(name, text);
    }
    return out;
}

std::string motionControlsJson()
{
    std::string out;
    {
        json::Object object(out);
        object.number("shortestIntervalMs", motion::ShortestIntervalMs);
        object.number("longestIntervalMs", motion::LongestIntervalMs);
        object.number("intervalStepMs", motion::IntervalStepMs);
        decimal(object, "lowestStoreyM", motion::StoreyHeight::Lowest);
        decimal(object, "highestStoreyM", motion::StoreyHeight::Highest);
        decimal(object, "storeyStepM", motion::StoreyHeightStep);
        decimal(object, "defaultStoreyM", motion::StoreyHeight::Default);
        object.number("viewUpdateMs", motion::ViewUpdateMs);
    }
    return out;
}

} // namespace lodarix::web
