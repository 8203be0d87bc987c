#include "core/replay/script.h"

#include "core/lift/floor_table.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace lodarix::replay {

namespace {

constexpr std::string_view Blanks = " \t\r\v\f";
// Floor numbers are the floor indices counted from 1, as on the buttons.
constexpr int LowestFloorNumber = lift::FloorTable::Lowest + 1;
constexpr int HighestFloorNumber = lift::FloorTable::Highest + 1;

std::string floorNumbers()
{
    return std::to_string(LowestFloorNumber) + " to " + std::to_string(HighestFloorNumber);
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    while (!(text = trimmed(text)).empty()) {
        const auto end = std::min(text.find_first_of(Blanks), text.size());
        result.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return result;
}

// The word with control characters escaped and a long word cut, so that an
// error message stays one readable line.
std::string escaped(std::string_view text)
{
    constexpr std::size_t MaxShown = 40;
    constexpr std::size_t LongestContinuation = 3; // a UTF-8 sequence is at most 4 bytes
    const auto continues = [text](std::size_t at) {
        return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    // When the first byte left out continues a character, cut where that
    // character starts; bytes with no start within reach are no UTF-8 and
    // are cut anywhere.
    std::size_t shown = std::min(text.size(), MaxShown);
    if (shown < text.size()) {
        for (std::size_t start = shown; start > 0 && start + LongestContinuation >= shown;
             --start) {
            if (!continues(start)) {
                shown = start;
                break;
            }
        }
    }
    std::string result;
    for (const char c : text.substr(0, shown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '"' || c == '\\') {
            char code[sizeof "\\xFF"];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            result += code;
        } else {
            result += c;
        }
    }
    if (shown < text.size())
        result += "...";
    return result;
}

std::string quoted(std::string_view text)
{
    return "\"" + escaped(text) + "\"";
}

ScriptError error(std::string message, Problem problem, std::string_view word,
                  std::string_view command)
{
    return {std::move(message), problem, word.empty() ? std::string() : escaped(word),
            escaped(command)};
}

// A floor number written in decimal digits only, within the building.
bool readFloorNumber(std::string_view word, int& number)
{
    if (word.empty() || word.size() > 4)
        return false;
    number = 0;
    for (const char digit : word) {
        if (digit < '0' || digit > '9')
            return false;
        number = number * 10 + (digit - '0');
    }
    return number >= LowestFloorNumber && number <= HighestFloorNumber;
}

ParsedLine withoutArgument(const std::vector<std::string_view>& parts, Action action,
                           std::string_view text)
{
    if (parts.size() > 1)
        return error(quoted(parts[0]) + " takes no argument, but got " + quoted(parts[1]),
                     Problem::UnexpectedWord, parts[1], parts[0]);
    return Command{action, std::string{text}};
}

} // namespace

ParsedLine parseLine(std::string_view line)
{
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#')
        return Skip{};

    const std::vector<std::string_view> parts = words(text);
    const std::string_view name = parts.front();
    if (name == "close")
        return withoutArgument(parts, Close{}, text);
    if (name == "open")
        return withoutArgument(parts, Open{}, text);
    if (name == "tick")
        return withoutArgument(parts, Tick{}, text);
    if (name == "pick") {
        if (parts.size() < 2)
            return error("\"pick\" needs a floor number from " + floorNumbers(),
                         Problem::FloorMissing, {}, name);
        if (parts.size() > 2)
            return error("\"pick\" takes one floor number, but got also " + quoted(parts[2]),
                         Problem::ExtraWord, parts[2], name);
        int number = 0;
        if (!readFloorNumber(parts[1], number))
            return error("floor " + quoted(parts[1]) + " is not a floor number from "
                             + floorNumbers(),
                         Problem::NotAFloorNumber, parts[1], name);
        return Command{Pick{number}, std::string{text}};
    }
    return error("unknown command " + quoted(name) + " (expected close, open, pick N or tick)",
                 Problem::UnknownCommand, name, name);
}

} // namespace lodarix::replay
