#include "core/lift/colors.h"

#include <cstdio>

namespace lodarix::lift {

std::string toHexRgb(Color color)
{
    const Rgb rgb = toRgb(color);
    char hex[sizeof "#RRGGBB"];
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", rgb.red, rgb.green, rgb.blue);
    return hex;
}

} // namespace lodarix::lift
