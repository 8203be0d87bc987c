#include "core/motion/trip_log.h"

namespace lodarix::motion {

void TripLog::update(std::span<const Row> rows)
{
    for (; rowsSeen_ < rows.size(); ++rowsSeen_)
        add(rows, rowsSeen_);
}

void TripLog::clear()
{
    trips_.clear();
    rowsSeen_ = 0;
}

void TripLog::add(std::span<const Row> rows, std::size_t row)
{
    const Row& made = rows[row];
    const bool underWay = !trips_.empty() && trips_.back().running;
    // A row whose floor the form's code left as none ends the trip under
    // way, which the table then skips, and starts none.
    if (made.floor == 0 || made.target == 0) {
        if (underWay)
            trips_.pop_back();
        return;
    }
    if (made.event == Event::Pick) {
        if (underWay) {
            trips_.back().running = false;
            trips_.back().interrupted = true;
        }
        trips_.push_back({static_cast<int>(trips_.size()) + 1, made.floor, made.target, 0, 0, false,
                          true, row, row});
        return;
    }
    if (!isStep(made.event) || !underWay || row == 0)
        return;
    Trip& trip = trips_.back();
    if (made.floor != rows[row - 1].floor)
        ++trip.floorsTravelled;
    trip.durationMs = made.timeMs - rows[trip.pickRow].timeMs;
    trip.lastRow = row;
    if (made.event == Event::Arrive)
        trip.running = false;
}

} // namespace lodarix::motion
