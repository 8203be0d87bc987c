// The motion record as CSV: the header "time_s,floor,target,event", then one
// line a row such as "0.800,2,4,step": seconds with three decimals, floor
// numbers 1 to 11, the event's name. Comma separated, decimal point whatever
// the locale, LF line ends, UTF-8, nothing quoted. The step interval is not
// written.
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

} // namespace lodarix::motion
