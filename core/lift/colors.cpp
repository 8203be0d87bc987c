#include "core/lift/colors.h"

namespace lodarix::lift {

std::string hexRgb(Rgb rgb)
{
    constexpr char Digits[] = "0123456789ABCDEF";
    std::string hex = "#";
    for (const std::uint8_t part : {rgb.red, rgb.green, rgb.blue}) {
        hex += Digits[part >> 4];
        hex += Digits[part & 0xFu];
    }
    return hex;
}

} // namespace lodarix::lift
