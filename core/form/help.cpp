#include "core/form/help.h"

#include "core/texts/help_texts.h"
#include "core/texts/main_window_texts.h"

namespace lodarix::form {

Help help(Face face)
{
    namespace words = help_texts;
    Help help{
        .title = words::Title,
        .coloursHeading = words::ColoursHeading,
        .colours = {{{lift::ColorIdle, words::Green, texts::FloorFree},
                     {lift::ColorCabin, words::LightRed, texts::FloorOfCabin},
                     {lift::ColorTarget, words::LightBlue, texts::FloorOfTarget}}},
        .grilleRule = words::GrilleRule,
        .keysHeading = words::KeysHeading,
        .close = words::Close,
    };
    for (const KeyRow& row : KeyTable) {
        if (has(row.faces, face))
            help.keys.push_back({row.keysWords, row.does});
    }
    return help;
}

} // namespace lodarix::form
