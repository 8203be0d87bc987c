#include "bench/harness/figures.h"

#include "core/form/lodarix_form.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

namespace {

constexpr int TripSteps = 10;

// The time from the trip's start to each of its ten steps, less the
// interval, appended to deviations (ms); the whole trip's time is returned.
double collectStepDeviations(const ChildRun& run, double intervalMs,
                             std::vector<double>& deviations)
{
    const std::vector<std::int64_t> steps = run.all("step-ns");
    if (steps.size() != TripSteps)
        throw std::runtime_error("a trip to floor 11 did not take ten steps: " + run.output);
    std::int64_t previous = run.value("start-ns");
    for (const std::int64_t step : steps) {
        deviations.push_back(static_cast<double>(step - previous) / 1e6 - intervalMs);
        previous = step;
    }
    return static_cast<double>(steps.back() - run.value("start-ns")) / 1e6;
}

} // namespace

void measureCadence(Table& table, const Environment& environment, const Settings& settings)
{
    progress("step cadence of trips from floor 1 to 11 on xcb");
    const double stepMs = lodarix::stepPeriodMs();
    std::vector<double> stepDeviations, tripDeviations;
    for (int i = 0; i < settings.longRuns; ++i) {
        const ChildRun run = probe(LODARIX_BENCH_WINDOW, environment, "cadence", settings);
        tripDeviations.push_back(collectStepDeviations(run, stepMs, stepDeviations)
                                 - stepMs * TripSteps);
    }
    const Summary steps = summarize(stepDeviations);
    const double worstStep = std::max(std::abs(steps.min), std::abs(steps.max));
    table.add("step deviation from " + std::to_string(lodarix::stepPeriodMs()) + " ms, xcb (ms)",
              steps, 3, "median <= 1, max <= 5", std::abs(steps.median) <= 1 && worstStep <= 5);
    const Summary trips = summarize(tripDeviations);
    table.add("trip 1 to 11: deviation from " + std::to_string(lodarix::stepPeriodMs() * TripSteps)
                  + " ms, xcb (ms)",
              trips, 3, "within 5", std::max(std::abs(trips.min), std::abs(trips.max)) <= 5);
}

// The step interval set in the motion window, as a teacher sets it: each
// step's deviation from it over trips from floor 1 to 11.
void measureSetIntervals(Table& table, const Environment& environment, const Settings& settings)
{
    progress("step periods set in the motion window (200, 800, 2000 ms) on xcb");
    const int runs = std::min(settings.longRuns, 3);
    for (const int intervalMs : {200, 800, 2000}) {
        Environment withInterval = environment;
        withInterval.push_back("LODARIX_BENCH_INTERVAL=" + std::to_string(intervalMs));
        std::vector<double> deviations;
        for (int i = 0; i < runs; ++i) {
            collectStepDeviations(probe(LODARIX_BENCH_WINDOW, withInterval, "cadence", settings),
                                  intervalMs, deviations);
        }
        const Summary summary = summarize(deviations);
        const double worst = std::max(std::abs(summary.min), std::abs(summary.max));
        table.add("step deviation from " + std::to_string(intervalMs)
                      + " ms set in the motion window, xcb (ms)",
                  summary, 3, "median <= 1, max <= 5", std::abs(summary.median) <= 1 && worst <= 5);
    }
}

} // namespace bench
