// The types of a window description. Positions and sizes are in twips
// (1/1440 inch, 15 to a pixel at 96 dots per inch) relative to the client
// area of the control's container.
#pragma once

#include "core/lift/colors.h"

#include <optional>
#include <span>
#include <string_view>

namespace lodarix {

constexpr int TwipsPerPixel = 15;

enum class ControlKind { Frame, OptionButton, ListBox, Timer, TextBox, Label };

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Twips as the faces place them: device-independent pixels at 96 dots per inch.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int toPixels(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr PixelRect toPixels(const TwipsRect& twips)
{
    return {toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
            toPixels(twips.height)};
}

struct ControlDescription {
    std::string_view name;
    std::optional<int> index; // element index within a control array
    ControlKind kind = ControlKind::Label;
    std::string_view container; // empty for the form itself
    TwipsRect rect;
    std::string_view text;                 // caption, or the text box's text
    std::optional<lift::Color> background; // absent: the platform's default
    std::optional<int> tabIndex;           // absent for controls outside the tab order
    bool graphical = false;                // option button drawn as a push button
    bool multiLine = false;
    bool verticalScrollBar = false;
    bool enabled = true;
    bool visible = true;
    bool selected = false;                   // option buttons only
    int intervalMs = 0;                      // timers only
    std::span<const std::string_view> items; // list boxes only
    std::string_view accessibleName; // for assistive technology, where the text does not say it
};

// A regular upright font: the description's font is neither italic,
// underlined nor struck out.
struct FontDescription {
    std::string_view family;
    int pointSize = 0;
    int weight = 400;
    int charset = 0;
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    lift::Color background = 0;
    FontDescription font;
    std::string_view icon;                        // the name of the icon resource
    std::span<const ControlDescription> controls; // in stored order
};

} // namespace lodarix
