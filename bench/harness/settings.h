// What one run of lodarix-bench measures and where it writes (its command
// line), and the probes it runs: each a program of bench/ started afresh,
// whose figures come back on its output.
#pragma once

#include "bench/harness/child_process.h"

#include <string>
#include <vector>

namespace bench {

struct Settings {
    int startRuns = 11;
    int longRuns = 7; // the runs of the figures that take seconds each
    std::string output = "results.md";
    std::string errorLog;
    std::string only; // empty: every group

    bool runs(const std::string& group) const { return only.empty() || only == group; }
};

// --runs N, --output FILE, --only GROUP; prints the usage and exits 2 on anything else.
Settings parseSettings(int argc, char* argv[]);

using Environment = std::vector<std::string>;

// A line on standard error about what is being measured.
void progress(const std::string& text);

// The probe program with LODARIX_BENCH_PROBE=mode; throws std::runtime_error when it failed.
ChildRun probe(const std::string& program, const Environment& environment, const std::string& mode,
               const Settings& settings);

} // namespace bench
