#include "core/replay/state_json.h"

#include "core/form/lodarix_controls.h"
#include "core/json/json_object.h"
#include "core/lift/colors.h"
#include "core/lift/floor_table.h"

namespace lodarix::replay {

namespace {

std::string_view grilleName(Grille grille)
{
    switch (grille) {
    case Grille::Closed:
        return "closed";
    case Grille::Open:
        return "open";
    case Grille::None:
        break;
    }
    return "none";
}

// A floor the form's code left as none is null.
std::optional<int> floorOrNone(lift::FloorIndex floor)
{
    if (!lift::FloorTable::isValid(floor))
        return std::nullopt;
    return floor;
}

} // namespace

std::string stateLine(const LodarixModel& model, std::string_view command)
{
    const WindowModel& window = model.window();
    std::string out;
    {
        json::Object state(out);
        {
            json::Array colors(state.key("colors"));
            for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor)
                colors.text(lift::toHexRgb(window.backColor(controls::FloorButtons, floor)));
        }
        state.text("command", command);
        state.optionalNumber("current", floorOrNone(model.controller().CurrentFloor()));
        state.text("grille", grilleName(model.grille()));
        state.boolean("listVisible", window.isVisible(controls::FloorNameList));
        state.optionalNumber("selectedFloor", window.selectedIndex(controls::FloorButtons));
        state.text("status", window.statusText());
        state.optionalNumber("target", floorOrNone(model.controller().TargetFloor()));
        state.boolean("timer", window.isEnabled(controls::StepTimer));
    }
    return out;
}

} // namespace lodarix::replay
