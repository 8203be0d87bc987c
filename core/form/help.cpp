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
        .keys = {{words::TabKeys, words::TabDoes},
                 {words::ArrowKeys, words::ArrowsDo},
                 {words::SpaceKey, words::SpaceDoes},
                 {words::HelpKey, words::HelpDoes},
                 {words::MotionKey, words::MotionDoes},
                 {words::EventsKey, words::EventsDoes},
                 {words::PauseKeys, words::PauseDoes},
                 {words::StepKey, words::StepDoes}},
        .close = words::Close,
    };
    if (face == Face::Desktop)
        help.keys.push_back({words::MenuKeys, words::MenuDoes});
    else
        help.keys.push_back({words::EscapeKey, words::EscapeDoes});
    return help;
}

} // namespace lodarix::form
