#include "core/motion/motion_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <stdexcept>

namespace lodarix::motion {

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

template <typename Integer> bool readNumber(std::string_view text, Integer& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "0.800" as 800: an optional minus, whole seconds, and exactly three decimals.
bool readSeconds(std::string_view text, std::int64_t& ms)
{
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = text.size() < 4 ? 0 : text.size() - 4;
    std::uint64_t whole = 0;
    std::uint32_t fraction = 0;
    if (text.size() < 5 || text[point] != '.' || !readNumber(text.substr(0, point), whole)
        || !readNumber(text.substr(point + 1), fraction) || whole > INT64_MAX / 1000 - 1)
        return false;
    ms = static_cast<std::int64_t>(whole * 1000 + fraction);
    if (negative)
        ms = -ms;
    return true;
}

bool readEvent(std::string_view name, Event& event)
{
    for (const Event one : {Event::Start, Event::Pick, Event::Step, Event::Arrive}) {
        if (eventName(one) == name) {
            event = one;
            return true;
        }
    }
    return false;
}

Row readLine(std::string_view line, std::uint16_t intervalMs)
{
    std::array<std::string_view, 4> fields;
    std::size_t count = 0;
    for (std::size_t from = 0; from <= line.size() && count <= fields.size();) {
        const std::size_t comma = std::min(line.find(',', from), line.size());
        if (count < fields.size())
            fields[count] = line.substr(from, comma - from);
        ++count;
        from = comma + 1;
    }
    Row row{0, 0, 0, Event::Start, intervalMs};
    int floor = 0;
    int target = 0;
    if (count != fields.size() || !readSeconds(fields[0], row.timeMs)
        || !readNumber(fields[1], floor) || !readNumber(fields[2], target)
        || !readEvent(fields[3], row.event) || floor < 1 || floor > 11 || target < 1 || target > 11)
        throw std::invalid_argument("not a line of the motion record: " + std::string(line));
    row.floor = static_cast<std::int8_t>(floor);
    row.target = static_cast<std::int8_t>(target);
    return row;
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

std::vector<Row> readCsv(std::string_view csv, std::uint16_t intervalMs)
{
    if (!csv.starts_with(CsvHeader))
        throw std::invalid_argument("the motion record's header is missing");
    std::vector<Row> rows;
    for (std::size_t at = CsvHeader.size(); at < csv.size();) {
        const std::size_t end = csv.find('\n', at);
        if (end == std::string_view::npos)
            throw std::invalid_argument("the motion record's last line has no line end");
        rows.push_back(readLine(csv.substr(at, end - at), intervalMs));
        at = end + 1;
    }
    return rows;
}

} // namespace lodarix::motion
