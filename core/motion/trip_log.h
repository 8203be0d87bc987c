// The trips of a motion record, derived from its rows as they come: a trip
// begins at an accepted pick and ends at its arrival, or is cut short by the
// next pick. Only the rows added since the last update are read.
#pragma once

#include "core/motion/motion_row.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lodarix::motion {

struct Trip {
    int number;              // 1 for the record's first trip
    int startFloor;          // the pick row's floor
    int finalStop;           // the pick row's target
    int floorsTravelled;     // steps that moved the cabin
    std::int64_t durationMs; // from the pick row to the trip's last step row; 0 before any step
    bool interrupted;        // a new pick came before the arrival
    bool running;            // neither arrived nor interrupted yet
    std::size_t pickRow;     // the position of the pick row in the record
    std::size_t
        lastRow; // the position of the trip's last row so far (the pick row before any step)

    double durationSeconds() const { return static_cast<double>(durationMs) / 1000.0; }

    friend bool operator==(const Trip&, const Trip&) = default;
};

class TripLog {
public:
    // Reads the rows after those seen by the previous update. rows must be
    // the rows given before with rows added at the end; after a new record
    // began, clear() first.
    void update(std::span<const Row> rows);
    void clear();

    const std::vector<Trip>& trips() const { return trips_; }

private:
    void add(std::span<const Row> rows, std::size_t row);

    std::vector<Trip> trips_;
    std::size_t rowsSeen_ = 0;
};

} // namespace lodarix::motion
