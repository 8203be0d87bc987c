#include "core/replay/state_json.h"

#include "core/form/lodarix_controls.h"
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

void appendString(std::string& out, std::string_view text)
{
    constexpr std::string_view Hex = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += Hex[byte >> 4];
                out += Hex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendKey(std::string& out, std::string_view key)
{
    out += out.size() == 1 ? "" : ",";
    appendString(out, key);
    out += ':';
}

std::string_view boolean(bool value)
{
    return value ? "true" : "false";
}

} // namespace

std::string stateLine(const LodarixModel& model, std::string_view command)
{
    const WindowModel& window = model.window();
    std::string out = "{";

    appendKey(out, "colors");
    out += '[';
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor) {
        if (floor > 0)
            out += ',';
        appendString(out, lift::toHexRgb(window.backColor(controls::FloorButtons, floor)));
    }
    out += ']';

    appendKey(out, "command");
    appendString(out, command);
    appendKey(out, "current");
    out += std::to_string(model.controller().CurrentFloor());
    appendKey(out, "grille");
    appendString(out, grilleName(model.grille()));
    appendKey(out, "listVisible");
    out += boolean(window.isVisible(controls::FloorNameList));
    appendKey(out, "selectedFloor");
    const std::optional<int> selected = window.selectedIndex(controls::FloorButtons);
    out += selected ? std::to_string(*selected) : "null";
    appendKey(out, "status");
    appendString(out, window.statusText());
    appendKey(out, "target");
    out += std::to_string(model.controller().TargetFloor());
    appendKey(out, "timer");
    out += boolean(window.isEnabled(controls::StepTimer));

    out += '}';
    return out;
}

} // namespace lodarix::replay
