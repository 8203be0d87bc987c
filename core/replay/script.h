// The replay script: one command a line ("close", "open", "pick N", "tick");
// blank lines and lines starting with '#' are skipped, surrounding blanks
// ignored.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace lodarix::replay {

struct Close {};
struct Open {};
struct Pick {
    int floorNumber; // the caption of the floor button, 1 to 11
};
struct Tick {};

using Action = std::variant<Close, Open, Pick, Tick>;

struct Command {
    Action action;
    std::string text; // the line as written, blanks around it removed
};

struct Skip {}; // a blank line or a comment

struct ScriptError {
    std::string message; // what is wrong, without the line number
};

using ParsedLine = std::variant<Command, Skip, ScriptError>;

// Reads one line of a script (without its line feed; a trailing CR is a blank).
ParsedLine parseLine(std::string_view line);

} // namespace lodarix::replay
