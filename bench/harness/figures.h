// The figures of lodarix-bench, each group measured from outside the
// program and added to the table: start-up and memory against a minimal
// window, CPU time, the cost of an append to a long status text and the
// graphs' repaints (window_figures.cpp); the step cadence (cadence_figures.cpp);
// the core's throughput and the motion record (core_figures.cpp).
#pragma once

#include "bench/harness/settings.h"
#include "bench/harness/table.h"

namespace bench {

void measureStartUp(Table& table, const std::string& platform, const Environment& environment,
                    const Settings& settings);
void measureCpu(Table& table, const Environment& environment, const Settings& settings);
void measureAppendCost(Table& table, const Environment& environment, const Settings& settings);
void measureGraphs(Table& table, const Settings& settings);

void measureCadence(Table& table, const Environment& environment, const Settings& settings);
void measureSetIntervals(Table& table, const Environment& environment, const Settings& settings);

// The throughput of the rules and the figures of the motion record, from one
// run of the core's Google Benchmark.
void measureCore(Table& table, const Settings& settings);

// a[i] / b[i].
std::vector<double> ratios(const std::vector<double>& a, const std::vector<double>& b);

} // namespace bench
