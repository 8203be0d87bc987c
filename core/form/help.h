// The short help, in order, for each face: its title, the floor buttons'
// colours with what each means (the same meanings that assistive technology
// is told), the grille's rule, and the face's rows of the keys' table
// (key_table.h), in its order. Words from core/texts/help_texts.h.
#pragma once

#include "core/form/key_table.h"
#include "core/lift/colors.h"

#include <array>
#include <string_view>
#include <vector>

namespace lodarix::form {

struct HelpColour {
    lift::Color color;
    std::string_view name;    // "зелен"
    std::string_view meaning; // "свободен"
};

struct HelpKey {
    std::string_view keys; // "F2"
    std::string_view does; // "показва графиката на движението"
};

struct Help {
    std::string_view title;
    std::string_view coloursHeading;
    std::array<HelpColour, 3> colours;
    std::string_view grilleRule;
    std::string_view keysHeading;
    std::vector<HelpKey> keys;
    std::string_view close;
};

Help help(Face face);

} // namespace lodarix::form
