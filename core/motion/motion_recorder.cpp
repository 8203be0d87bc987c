#include "core/motion/motion_recorder.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace lodarix::motion {

namespace {

std::int8_t floorNumber(lift::FloorIndex index)
{
    return static_cast<std::int8_t>(index + 1);
}

} // namespace

MotionRecorder::MotionRecorder(Clock clock, int intervalMs)
    : clock_(std::move(clock))
{
    if (!clock_)
        throw std::invalid_argument("the motion recorder needs a clock");
    setStepInterval(intervalMs);
}

void MotionRecorder::loaded(const lift::FormState& controller)
{
    rows_.clear();
    trips_.clear();
    origin_ = clock_();
    loaded_ = true;
    tripUnderWay_ = false;
    append(controller, Event::Start);
}

void MotionRecorder::floorPicked(const lift::FormState& controller, bool grilleWasClosed)
{
    if (!loaded_)
        throw std::logic_error("a floor pick recorded before the load");
    if (!grilleWasClosed)
        return;
    tripUnderWay_ = true;
    append(controller, Event::Pick);
}

void MotionRecorder::stepRan(const lift::FormState& controller)
{
    if (!loaded_)
        throw std::logic_error("a step recorded before the load");
    // The form's code may start the timer with no pick: its steps are rows
    // all the same, though of no trip.
    const bool arrived = controller.CurrentFloor() == controller.TargetFloor();
    tripUnderWay_ = tripUnderWay_ && !arrived;
    append(controller, arrived ? Event::Arrive : Event::Step);
}

void MotionRecorder::setStepInterval(int intervalMs)
{
    if (intervalMs < 1 || intervalMs > std::numeric_limits<std::uint16_t>::max())
        throw std::out_of_range("a step interval is 1 to 65535 ms");
    intervalMs_ = static_cast<std::uint16_t>(intervalMs);
}

std::int64_t MotionRecorder::nowMs() const
{
    if (!loaded_)
        return 0;
    // A clock that goes back is held at the last row, so the rows stay in time order.
    const std::int64_t now = clock_() - origin_;
    return rows_.empty() ? now : std::max(now, rows_.back().timeMs);
}

void MotionRecorder::append(const lift::FormState& controller, Event event)
{
    rows_.push_back({event == Event::Start ? 0 : nowMs(), floorNumber(controller.CurrentFloor()),
                     floorNumber(controller.TargetFloor()), event, intervalMs_});
    trips_.update(rows_);
}

} // namespace lodarix::motion
