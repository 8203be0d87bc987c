#include "desktop/motion_window/motion_recording.h"

#include <chrono>
#include <utility>

namespace lodarix {

namespace {

std::int64_t monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

MotionRecording::MotionRecording(int intervalMs, motion::Clock source, QObject* parent)
    : QObject(parent)
    , clock_(source ? std::move(source) : motion::Clock(monotonicMs))
    , recorder_([this] { return clock_.now(); }, intervalMs)
{
}

void MotionRecording::setStepInterval(int intervalMs)
{
    recorder_.setStepInterval(intervalMs);
}

void MotionRecording::loaded(const lift::FormState& controller)
{
    recorder_.loaded(controller);
    emit changed();
}

void MotionRecording::floorPicked(const lift::FormState& controller, bool grilleWasClosed)
{
    recorder_.floorPicked(controller, grilleWasClosed);
    emit changed();
}

void MotionRecording::stepRan(const lift::FormState& controller)
{
    recorder_.stepRan(controller);
    emit changed();
}

} // namespace lodarix
