#include "lift/colors.h"

#include <array>

namespace lift {

std::string toHexRgb(Color color)
{
    static constexpr std::array<char, 16> digits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    const Rgb rgb = toRgb(color);
    std::string hex = "#";
    for (const std::uint8_t channel : {rgb.red, rgb.green, rgb.blue}) {
        hex += digits[channel >> 4];
        hex += digits[channel & 0x0F];
    }
    return hex;
}

} // namespace lift
