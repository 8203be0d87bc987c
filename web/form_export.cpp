#include "web/form_export.h"

#include "core/form/accessible_texts.h"
#include "core/form/lodarix_form.h"
#include "web/crlf_text.h"

#include <optional>
#include <string>

namespace lodarix::web {

using emscripten::val;

namespace {

val string(std::string_view text)
{
    return val(std::string(text));
}

template <class T> val optional(const std::optional<T>& value)
{
    return value ? val(*value) : val::null();
}

val colour(std::optional<lift::Color> color)
{
    return color ? val(lift::toHexRgb(*color)) : val::null();
}

val pixels(const TwipsRect& twips)
{
    val rect = val::object();
    rect.set("left", twips.left / TwipsPerPixel);
    rect.set("top", twips.top / TwipsPerPixel);
    rect.set("width", twips.width / TwipsPerPixel);
    rect.set("height", twips.height / TwipsPerPixel);
    return rect;
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

val control(const ControlDescription& description)
{
    val out = val::object();
    out.set("name", string(description.name));
    out.set("index", optional(description.index));
    out.set("kind", val(kindName(description.kind)));
    out.set("container", string(description.container));
    out.set("rect", pixels(description.rect));
    out.set("text", val(toBoxText(description.text)));
    out.set("background", colour(description.background));
    out.set("tabIndex", optional(description.tabIndex));
    out.set("graphical", description.graphical);
    out.set("multiLine", description.multiLine);
    out.set("verticalScrollBar", description.verticalScrollBar);
    out.set("enabled", description.enabled);
    out.set("visible", description.visible);
    out.set("selected", description.selected);
    out.set("intervalMs", description.intervalMs);
    val items = val::array();
    for (const std::string_view item : description.items)
        items.call<void>("push", string(item));
    out.set("items", items);
    // A floor button goes by its floor and says what its marker means, as
    // the desktop's does.
    const bool floorButton = description.kind == ControlKind::OptionButton && description.graphical;
    const lift::Color marker = description.background.value_or(lift::ColorIdle);
    out.set("accessibleName",
            floorButton ? texts::floorButtonName(description.text)
                        : std::string(description.accessibleName));
    out.set("accessibleDescription",
            std::string(floorButton ? texts::markerMeaning(marker) : std::string_view()));
    return out;
}

} // namespace

val formDescription()
{
    const FormDescription& form = lodarixForm();
    val out = val::object();
    out.set("name", string(form.name));
    out.set("caption", string(form.caption));
    out.set("width", form.clientWidth / TwipsPerPixel);
    out.set("height", form.clientHeight / TwipsPerPixel);
    out.set("background", colour(form.background));
    val font = val::object();
    font.set("family", string(form.font.family));
    font.set("pointSize", form.font.pointSize);
    font.set("weight", form.font.weight);
    out.set("font", font);
    val controls = val::array();
    for (const ControlDescription& description : form.controls)
        controls.call<void>("push", control(description));
    out.set("controls", controls);
    return out;
}

} // namespace lodarix::web
