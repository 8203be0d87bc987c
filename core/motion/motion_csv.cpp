#include "core/motion/motion_csv.h"

#include "core/texts/number_texts.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace lodarix::motion {

namespace {

template <typename Integer> void appendNumber(std::string& text, Integer value)
{
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    text.append(digits.data(), end);
}

} // namespace

std::string csvLine(const Row& row)
{
    std::string line;
    line.reserve(32);
    line += texts::pointSeconds(row.timeMs);
    line += ',';
    // Floor 0: the form's code left the floor as none; the field stays empty.
    if (row.floor != 0)
        appendNumber(line, int{row.floor});
    line += ',';
    if (row.target != 0)
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

} // namespace lodarix::motion
