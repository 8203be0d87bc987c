#include "core/motion/motion_csv.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace motion {

namespace {

template <typename Integer> void appendNumber(std::string& text, Integer value)
{
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    text.append(digits.data(), end);
}

// Milliseconds as seconds with three decimals: 800 is "0.800", -5 is "-0.005".
void appendSeconds(std::string& text, std::int64_t ms)
{
    if (ms < 0)
        text += '-';
    const auto magnitude =
        ms < 0 ? 0 - static_cast<std::uint64_t>(ms) : static_cast<std::uint64_t>(ms);
    const std::uint64_t fraction = magnitude % 1000;
    appendNumber(text, magnitude / 1000);
    text += '.';
    text += static_cast<char>('0' + fraction / 100);
    text += static_cast<char>('0' + fraction / 10 % 10);
    text += static_cast<char>('0' + fraction % 10);
}

} // namespace

std::string csvLine(const Row& row)
{
    std::string line;
    line.reserve(32);
    appendSeconds(line, row.timeMs);
    line += ',';
    appendNumber(line, int{row.floor});
    line += ',';
    appendNumber(line, int{row.target});
    line += ',';
    line += eventName(row.event);
    line += '\n';
    return line;
}

void writeCsv(std::ostream& out, std::span<const Row> rows)
{
    out << CsvHeader;
    for (const Row& row : rows)
        out << csvLine(row);
}

std::string toCsv(std::span<const Row> rows)
{
    std::string text{CsvHeader};
    for (const Row& row : rows)
        text += csvLine(row);
    return text;
}

} // namespace motion
