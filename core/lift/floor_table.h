// The building's floors. A floor index runs from 0 (ground) to 10 (top); the
// same index addresses the floor's button and its name in the window.
#pragma once

#include "core/texts/main_window_texts.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lodarix::lift {

using FloorIndex = std::int16_t;

// What the form's code may leave in CurrentFloor or TargetFloor that is no
// floor: a value outside the floors' indices, or none at all. Whatever reads
// the form's state shows it as none; the motion record holds it as floor 0.
inline constexpr FloorIndex NoFloor = -1;

class FloorTable {
public:
    static constexpr FloorIndex Count = 11;
    static constexpr FloorIndex Lowest = 0;
    static constexpr FloorIndex Highest = Count - 1;

    // The floor numbers on the buttons, index 0 first: "1" up to "11".
    static constexpr std::array<std::string_view, Count> Captions{
        "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11",
    };

    // The floor names, index 0 first; the window's floor-name list holds them.
    static constexpr std::array<std::string_view, Count> Names = lodarix::texts::FloorNames;

    static constexpr bool isValid(int index) { return index >= Lowest && index <= Highest; }

    // The floor number on the button: "1" for index 0 up to "11" for index 10.
    // Throws std::out_of_range for an invalid index.
    static std::string_view caption(FloorIndex index);

    // The floor's name: "Етаж" and the floor number in Roman numerals.
    // Throws std::out_of_range for an invalid index.
    static std::string_view name(FloorIndex index);
};

} // namespace lodarix::lift
