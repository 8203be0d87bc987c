// The motion record's CSV (core/motion/motion_csv.h) read back, for the
// tests that hold what a face wrote to the rows it was written from.
#pragma once

#include "core/motion/motion_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lodarix::motion {

namespace csv_reading {

template <typename Integer> inline bool readNumber(std::string_view text, Integer& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "0.800" as 800: an optional minus, whole seconds, and exactly three decimals.
inline bool readSeconds(std::string_view text, std::int64_t& ms)
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

inline bool readEvent(std::string_view name, Event& event)
{
    for (const Event one : {Event::Start, Event::Pick, Event::Step, Event::Arrive}) {
        if (eventName(one) == name) {
            event = one;
            return true;
        }
    }
    return false;
}

inline Row readLine(std::string_view line, std::uint16_t intervalMs)
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

} // namespace csv_reading

// The rows of a text that toCsv wrote, each with intervalMs, which the text
// does not hold. Throws std::invalid_argument, naming the line, for any other text.
inline std::vector<Row> readCsv(std::string_view csv, std::uint16_t intervalMs)
{
    if (!csv.starts_with(CsvHeader))
        throw std::invalid_argument("the motion record's header is missing");
    std::vector<Row> rows;
    for (std::size_t at = CsvHeader.size(); at < csv.size();) {
        const std::size_t end = csv.find('\n', at);
        if (end == std::string_view::npos)
            throw std::invalid_argument("the motion record's last line has no line end");
        rows.push_back(csv_reading::readLine(csv.substr(at, end - at), intervalMs));
        at = end + 1;
    }
    return rows;
}

} // namespace lodarix::motion
