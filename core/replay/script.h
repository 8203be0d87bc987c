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

// What a bad line gets wrong, so that a face can say it in its own words.
enum class Problem {
    UnknownCommand,  // word: the command
    UnexpectedWord,  // a command without argument got one; word: that argument
    FloorMissing,    // "pick" alone
    ExtraWord,       // word: what follows pick's floor number
    NotAFloorNumber, // word: pick's argument
};

struct ScriptError {
    std::string message; // what is wrong, without the line number
    Problem problem;
    // The word not understood, as the message shows it without its quotes:
    // control characters escaped, a long word cut; empty for FloorMissing.
    std::string word;
    // The command the line starts with.
    std::string command;
};

using ParsedLine = std::variant<Command, Skip, ScriptError>;

// Reads one line of a script (without its line feed; a trailing CR is a blank).
ParsedLine parseLine(std::string_view line);

} // namespace lodarix::replay
