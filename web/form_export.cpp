#include "web/form_export.h"

#include "core/form/accessible_texts.h"
#include "core/form/lodarix_form.h"
#include "web/crlf_text.h"

#include <optional>
#include <string_view>

namespace lodarix::web {

namespace {

// Writes one JSON object's members in order; texts are UTF-8 as they stand,
// with '"', '\' and control characters escaped.
class JsonObject {
public:
    explicit JsonObject(std::string& out)
        : out_(out)
    {
        out_ += '{';
    }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;
    ~JsonObject() { out_ += '}'; }

    std::string& key(std::string_view name)
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        appendString(out_, name);
        out_ += ':';
        return out_;
    }
    void text(std::string_view name, std::string_view value) { appendString(key(name), value); }
    void number(std::string_view name, int value) { key(name) += std::to_string(value); }
    void boolean(std::string_view name, bool value) { key(name) += value ? "true" : "false"; }
    void optionalNumber(std::string_view name, std::optional<int> value)
    {
        key(name) += value ? std::to_string(*value) : "null";
    }
    void colour(std::string_view name, std::optional<lift::Color> value)
    {
        if (value)
            text(name, lift::toHexRgb(*value));
        else
            key(name) += "null";
    }

    static void appendString(std::string& out, std::string_view text)
    {
        constexpr std::string_view Hex = "0123456789abcdef";
        out += '"';
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out += '\\';
                out += c;
            } else if (byte < 0x20) {
                out += "\\u00";
                out += Hex[byte >> 4];
                out += Hex[byte & 0xF];
            } else {
                out += c;
            }
        }
        out += '"';
    }

private:
    std::string& out_;
    bool first_ = true;
};

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
    JsonObject control(out);
    control.text("name", description.name);
    control.optionalNumber("index", description.index);
    control.text("kind", kindName(description.kind));
    control.text("container", description.container);
    {
        JsonObject rect(control.key("rect"));
        rect.number("left", description.rect.left / TwipsPerPixel);
        rect.number("top", description.rect.top / TwipsPerPixel);
        rect.number("width", description.rect.width / TwipsPerPixel);
        rect.number("height", description.rect.height / TwipsPerPixel);
    }
    control.text("text", toBoxText(description.text));
    control.colour("background", description.background);
    control.optionalNumber("tabIndex", description.tabIndex);
    control.boolean("graphical", description.graphical);
    control.boolean("multiLine", description.multiLine);
    control.boolean("verticalScrollBar", description.verticalScrollBar);
    control.boolean("enabled", description.enabled);
    control.boolean("visible", description.visible);
    control.boolean("selected", description.selected);
    control.number("intervalMs", description.intervalMs);
    std::string& items = control.key("items");
    items += '[';
    for (std::size_t i = 0; i < description.items.size(); ++i) {
        if (i > 0)
            items += ',';
        JsonObject::appendString(items, description.items[i]);
    }
    items += ']';
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

} // namespace

std::string formDescriptionJson()
{
    const FormDescription& form = lodarixForm();
    std::string out;
    {
        JsonObject description(out);
        description.text("name", form.name);
        description.text("caption", form.caption);
        description.number("width", form.clientWidth / TwipsPerPixel);
        description.number("height", form.clientHeight / TwipsPerPixel);
        description.colour("background", form.background);
        {
            JsonObject font(description.key("font"));
            font.text("family", form.font.family);
            font.number("pointSize", form.font.pointSize);
            font.number("weight", form.font.weight);
        }
        std::string& controls = description.key("controls");
        controls += '[';
        for (std::size_t i = 0; i < form.controls.size(); ++i) {
            if (i > 0)
                controls += ',';
            appendControl(controls, form.controls[i]);
        }
        controls += ']';
    }
    return out;
}

} // namespace lodarix::web
