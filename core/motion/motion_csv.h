// The motion record as CSV: the header "time_s,floor,target,event", then one
// line a row such as "0.800,2,4,step": seconds with three decimals, floor
// numbers 1 to 11, the event's name. Comma separated, decimal point whatever
// the locale, LF line ends, UTF-8, nothing quoted. The step interval is not
// written. readCsv reads such a text back.
#pragma once

#include "core/motion/motion_row.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lodarix::motion {

inline constexpr std::string_view CsvHeader = "time_s,floor,target,event\n";

// One row as a CSV line, its LF included.
std::string csvLine(const Row& row);

// The header and every row.
void writeCsv(std::ostream& out, std::span<const Row> rows);
std::string toCsv(std::span<const Row> rows);

// The rows of a text that toCsv wrote, each with intervalMs, which the text
// does not hold. Throws std::invalid_argument, naming the line, for any other text.
std::vector<Row> readCsv(std::string_view csv, std::uint16_t intervalMs);

} // namespace lodarix::motion
