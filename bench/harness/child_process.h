// Runs a program to its end as the harness measures it: the clock is read
// just before the program is spawned, its standard output is collected as
// "key value" lines, and its resource use comes from its own wait status.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct ChildRun {
    std::int64_t spawnedNs = 0;                      // CLOCK_MONOTONIC just before the spawn
    bool succeeded = false;                          // exited with status 0
    std::string output;                              // all of its standard output
    long maxRssKb = 0;                               // its peak resident set
    std::multimap<std::string, std::int64_t> values; // the "key value" lines

    std::int64_t value(const std::string& key) const; // the first one; throws when absent
    std::vector<std::int64_t> all(const std::string& key) const;
};

// Runs program with arguments and the harness's environment plus the
// NAME=value settings in extra; its standard error goes to errorLog.
ChildRun runChild(const std::vector<std::string>& command, const std::vector<std::string>& extra,
                  const std::string& errorLog);

} // namespace bench
