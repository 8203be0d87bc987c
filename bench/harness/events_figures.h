// The events window's figures (lodarix-bench-events, offscreen): a row
// appended at 100,000 events with the window shown, the rows the table
// draws, and the memory a row of the trace takes beyond the text its event
// wrote.
#pragma once

#include "bench/harness/table.h"

#include <string>

namespace bench {

void measureEventsWindow(Table& table, const std::string& program, int runs,
                         const std::string& errorLog);

} // namespace bench
