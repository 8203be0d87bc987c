#include "web/facts/form_export.h"

#include "core/form/accessible_texts.h"
#include "core/form/lodarix_form.h"
#include "core/json/json_object.h"
#include "core/line_ends/crlf_text.h"
#include "core/model/lodarix_model.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lodarix::web {

namespace {

void colour(json::Object& object, std::string_view name, std::optional<lift::Color> value)
{
    if (value)
        object.text(name, lift::toHexRgb(*value));
    else
        object.key(name) += "null";
}

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::OptionButton:
        return "OptionButton";
    case ControlKind::ListBox:
        return "ListBox";
    case ControlKind::Timer:
        return "Timer";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::Label:
        return "Label";
    }
    return "Label";
}

void appendControl(std::string& out, const ControlDescription& description)
{
    json::Object control(out);
    control.text("name", description.name);
    control.optionalNumber("index", description.index);
    control.text("kind", kindName(description.kind));
    control.text("container", description.container);
    {
        json::Object rect(control.key("rect"));
        const PixelRect pixels = toPixels(description.rect);
        rect.number("left", pixels.left);
        rect.number("top", pixels.top);
        rect.number("width", pixels.width);
        rect.number("height", pixels.height);
    }
    control.text("text", toLineFeeds(description.text));
    colour(control, "background", description.background);
    control.optionalNumber("tabIndex", description.tabIndex);
    control.boolean("graphical", description.graphical);
    control.boolean("multiLine", description.multiLine);
    control.boolean("verticalScrollBar", description.verticalScrollBar);
    control.boolean("enabled", description.enabled);
    control.boolean("visible", description.visible);
    control.boolean("selected", description.selected);
    control.number("intervalMs", description.intervalMs);
    {
        json::Array items(control.key("items"));
        for (const auto& item : description.items)
            items.text(item);
    }
    // A floor button goes by its floor and says what its marker means, as
    // the desktop's does.
    const bool floorButton = description.kind == ControlKind::OptionButton && description.graphical;
    const lift::Color marker = description.background.value_or(lift::ColorIdle);
    control.text("accessibleName",
                 floorButton ? texts::floorButtonName(description.text)
                             : std::string(description.accessibleName));
    control.text("accessibleDescription",
                 floorButton ? texts::markerMeaning(marker) : std::string_view());
}

std::string describe(std::span<const ControlDescription> controlsInOrder)
{
    const FormDescription& form = lodarixForm();
    std::string out;
    {
        json::Object description(out);
        description.text("name", form.name);
        description.text("caption", form.caption);
        description.number("width", toPixels(form.clientWidth));
        description.number("height", toPixels(form.clientHeight));
        colour(description, "background", form.background);
        {
            json::Object font(description.key("font"));
            font.text("family", form.font.family);
            font.number("pointSize", form.font.pointSize);
            font.number("weight", form.font.weight);
        }
        json::Array controls(description.key("controls"));
        for (const ControlDescription& control : controlsInOrder)
            appendControl(controls.next(), control);
    }
    return out;
}

} // namespace

std::string formDescriptionJson()
{
    return describe(lodarixForm().controls);
}

std::string storedStatesJson()
{
    LodarixModel window;
    window.load();
    const std::vector<ControlDescription> loaded = window.window().currentControls();
    const std::span<const ControlDescription> stored = lodarixForm().controls;
    std::string out;
    {
        json::Array states(out);
        for (std::size_t at = 0; at < stored.size() && at < loaded.size(); ++at) {
            const ControlDescription& was = stored[at];
            const ControlDescription& now = loaded[at];
            if (was.text == now.text && was.background == now.background
                && was.enabled == now.enabled && was.visible == now.visible
                && was.selected == now.selected)
                continue;
            json::Object state(states.next());
            state.text("name", was.name);
            state.optionalNumber("index", was.index);
            state.text("text", toLineFeeds(was.text));
            colour(state, "background", was.background);
            state.boolean("enabled", was.enabled);
            state.boolean("visible", was.visible);
            state.boolean("selected", was.selected);
        }
    }
    return out;
}

std::string loadedFormDescriptionJson()
{
    LodarixModel window;
    window.load();
    return describe(window.window().currentControls());
}

} // namespace lodarix::web
