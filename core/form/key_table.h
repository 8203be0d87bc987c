// The keys of both faces, once. Each row is a thing keys do: the keys, each
// by the name a browser gives it (KeyboardEvent.key), the faces that have
// it, and the help's words for the keys and for what they do
// (core/texts/help_texts.h). The rows stand in the help's order. The help
// (help.h) is made of a face's rows; the desktop binds its keys through
// desktop/window/key_sequences.h and the page through the build's facts
// (web/facts/help_export.h), so the help says what the keys do.
#pragma once

#include "core/texts/help_texts.h"

#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

namespace lodarix::form {

enum class Face { Desktop, Page };

enum class KeyAction {
    NextControl,
    Arrows,
    Choose,
    Help,
    MotionView,
    EventsView,
    CodeView,
    Pause,
    Step,
    NextLine,
    ReadLine,
    RunCode,
    WindowMenu,
    Close,
};

enum class Faces { Both, Desktop, Page };

constexpr bool has(Faces faces, Face face)
{
    return faces == Faces::Both || (faces == Faces::Desktop) == (face == Face::Desktop);
}

struct Key {
    std::string_view name; // KeyboardEvent.key: "F1", "p", "Pause", "ContextMenu", " "
    bool shift = false;    // held with Shift
    bool ctrl = false;     // held with Ctrl
    bool bound = true;     // false: the controls or the toolkit take it; no face binds it
};

struct KeyRow {
    KeyAction action;
    std::string_view id; // the page's name for it: "motionView"
    Faces faces;
    std::span<const Key> keys;
    std::string_view keysWords; // "P или Pause"
    std::string_view does;
};

namespace key_lists {
inline constexpr Key Tab[] = {{.name = "Tab", .bound = false},
                              {.name = "Tab", .shift = true, .bound = false}};
inline constexpr Key Arrows[] = {{.name = "ArrowUp", .bound = false},
                                 {.name = "ArrowDown", .bound = false},
                                 {.name = "ArrowLeft", .bound = false},
                                 {.name = "ArrowRight", .bound = false}};
inline constexpr Key Space[] = {{.name = " ", .bound = false}};
inline constexpr Key Help[] = {{.name = "F1"}};
inline constexpr Key Motion[] = {{.name = "F2"}};
inline constexpr Key Events[] = {{.name = "F3"}};
inline constexpr Key Code[] = {{.name = "F4"}};
inline constexpr Key Pause[] = {{.name = "p"}, {.name = "Pause"}};
inline constexpr Key Step[] = {{.name = "s"}};
inline constexpr Key NextLine[] = {{.name = "F10"}};
inline constexpr Key ReadLine[] = {{.name = "Enter"}};
inline constexpr Key RunCode[] = {{.name = "Enter", .ctrl = true}};
inline constexpr Key Menu[] = {{.name = "F10", .shift = true},
                               {.name = "ContextMenu", .bound = false}};
inline constexpr Key Escape[] = {{.name = "Escape"}};
} // namespace key_lists

inline constexpr KeyRow KeyTable[] = {
    {KeyAction::NextControl, "nextControl", Faces::Both, key_lists::Tab, help_texts::TabKeys,
     help_texts::TabDoes},
    {KeyAction::Arrows, "arrows", Faces::Both, key_lists::Arrows, help_texts::ArrowKeys,
     help_texts::ArrowsDo},
    {KeyAction::Choose, "choose", Faces::Both, key_lists::Space, help_texts::SpaceKey,
     help_texts::SpaceDoes},
    {KeyAction::Help, "help", Faces::Both, key_lists::Help, help_texts::HelpKey,
     help_texts::HelpDoes},
    {KeyAction::MotionView, "motionView", Faces::Both, key_lists::Motion, help_texts::MotionKey,
     help_texts::MotionDoes},
    {KeyAction::EventsView, "eventsView", Faces::Both, key_lists::Events, help_texts::EventsKey,
     help_texts::EventsDoes},
    {KeyAction::CodeView, "codeView", Faces::Both, key_lists::Code, help_texts::CodeKey,
     help_texts::CodeDoes},
    {KeyAction::Pause, "pause", Faces::Both, key_lists::Pause, help_texts::PauseKeys,
     help_texts::PauseDoes},
    {KeyAction::Step, "step", Faces::Both, key_lists::Step, help_texts::StepKey,
     help_texts::StepDoes},
    {KeyAction::NextLine, "nextLine", Faces::Both, key_lists::NextLine, help_texts::NextLineKey,
     help_texts::NextLineDoes},
    {KeyAction::ReadLine, "readLine", Faces::Both, key_lists::ReadLine, help_texts::ReadLineKey,
     help_texts::ReadLineDoes},
    {KeyAction::RunCode, "runCode", Faces::Both, key_lists::RunCode, help_texts::RunCodeKey,
     help_texts::RunCodeDoes},
    {KeyAction::WindowMenu, "windowMenu", Faces::Desktop, key_lists::Menu, help_texts::MenuKeys,
     help_texts::MenuDoes},
    {KeyAction::Close, "close", Faces::Page, key_lists::Escape, help_texts::EscapeKey,
     help_texts::EscapeDoes},
};

constexpr bool inActionOrder()
{
    if (std::size(KeyTable) != static_cast<std::size_t>(KeyAction::Close) + 1)
        return false;
    for (std::size_t i = 0; i < std::size(KeyTable); ++i) {
        if (KeyTable[i].action != static_cast<KeyAction>(i))
            return false;
    }
    return true;
}
static_assert(inActionOrder(), "one row per action, in the order of KeyAction");

constexpr const KeyRow& keyRow(KeyAction action)
{
    return KeyTable[static_cast<std::size_t>(action)];
}

} // namespace lodarix::form
