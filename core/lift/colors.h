// Marker colours of the floor buttons, kept in the 0x00BBGGRR form (red in the
// low byte), with conversions to red, green and blue.
#pragma once

#include <cstdint>
#include <string>

namespace lodarix::lift {

using Color = std::uint32_t;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

constexpr Color ColorIdle = 0x0000FF00;   // green: neither the cabin's floor nor the final stop
constexpr Color ColorCabin = 0x008080FF;  // light red: the cabin is here
constexpr Color ColorTarget = 0x00FF8080; // light blue: the final stop of the trip under way

constexpr Rgb toRgb(Color color)
{
    return {static_cast<std::uint8_t>(color & 0xFFu),
            static_cast<std::uint8_t>((color >> 8) & 0xFFu),
            static_cast<std::uint8_t>((color >> 16) & 0xFFu)};
}

constexpr Color toColor(Rgb rgb)
{
    return Color{rgb.red} | Color{rgb.green} << 8 | Color{rgb.blue} << 16;
}

// "#RRGGBB" in upper-case hex, red first: the one way a colour is written.
std::string hexRgb(Rgb rgb);
inline std::string toHexRgb(Color color)
{
    return hexRgb(toRgb(color));
}

} // namespace lodarix::lift
