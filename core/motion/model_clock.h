// Model time: the lesson's clock. It runs with a monotonic source, stands
// still while paused, and while paused a step taken by hand moves it on by
// the step's interval, so that the step lasts one interval of model time as
// it would have running. Milliseconds, 0 when the clock is made.
#pragma once

#include "core/motion/clock.h"

#include <cstdint>

namespace lodarix::motion {

class ModelClock {
public:
    // Throws std::invalid_argument for an empty source.
    explicit ModelClock(Clock source);

    std::int64_t now() const;

    // Stops model time; nothing happens when it is already stopped.
    void pause();
    // Model time runs on from where it stood; nothing happens when it runs.
    void resume();
    bool paused() const { return paused_; }

    // Moves model time on by ms at once; throws std::invalid_argument for ms < 0.
    void advance(std::int64_t ms);

private:
    Clock source_;
    std::int64_t offset_ = 0; // while running, model time is the source's time less this
    std::int64_t stoppedAt_ = 0;
    bool paused_ = false;
};

} // namespace lodarix::motion
