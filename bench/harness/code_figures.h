// The code window's figures (lodarix-bench-code, offscreen): a step chosen
// among 100,000 kept and the window drawn after it, and the memory a
// statement of the history takes.
#pragma once

#include "bench/harness/table.h"

#include <string>

namespace bench {

void measureCodeWindow(Table& table, const std::string& program, int runs,
                       const std::string& errorLog);

} // namespace bench
