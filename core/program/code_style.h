// How both faces show the form's code: the colour of each kind of span
// (highlight.h), the ground of the line that ran last, of a line whose
// error stopped the program and of the line where a comparison found a
// difference, the mark of a reading error's column, and the line-number margin. The text itself is
// drawn in the plain colour on the white ground.
#pragma once

#include "core/lift/colors.h"
#include "core/program/highlight.h"

namespace lodarix::program::code_style {

inline constexpr lift::Rgb Plain{0x00, 0x00, 0x00};
inline constexpr lift::Rgb Ground{0xFF, 0xFF, 0xFF};
inline constexpr lift::Rgb Keyword{0x00, 0x00, 0xC0};
inline constexpr lift::Rgb Name{0x00, 0x50, 0x70};
inline constexpr lift::Rgb Literal{0xA0, 0x20, 0x20};
inline constexpr lift::Rgb Comment{0x00, 0x70, 0x00};

// The ground of the line that ran last.
inline constexpr lift::Rgb RanLine{0xFF, 0xF0, 0x80};
// The ground of the line whose error stopped the program.
inline constexpr lift::Rgb ErrorLine{0xFF, 0xC0, 0xC0};
// The ground of the line where a program parts from the one it is compared with.
inline constexpr lift::Rgb DifferenceLine{0xC8, 0xE0, 0xFF};
// The mark of the column where a reading error lies, on the error's line.
inline constexpr lift::Rgb ErrorColumn{0xB0, 0x00, 0x00};

inline constexpr lift::Rgb MarginGround{0xEC, 0xEC, 0xEC};
inline constexpr lift::Rgb MarginNumber{0x60, 0x60, 0x60};
inline constexpr lift::Rgb NextLineMark{0xD0, 0x60, 0x00};

constexpr lift::Rgb colorOf(Highlight kind)
{
    switch (kind) {
    case Highlight::Keyword:
        return Keyword;
    case Highlight::Name:
        return Name;
    case Highlight::Literal:
        return Literal;
    case Highlight::Comment:
        return Comment;
    }
    return Plain;
}

} // namespace lodarix::program::code_style
