#include "core/motion/model_clock.h"

#include <stdexcept>
#include <utility>

namespace lodarix::motion {

ModelClock::ModelClock(Clock source)
    : source_(std::move(source))
{
    if (!source_)
        throw std::invalid_argument("the model clock needs a source");
    offset_ = source_();
}

std::int64_t ModelClock::now() const
{
    return paused_ ? stoppedAt_ : source_() - offset_;
}

void ModelClock::pause()
{
    if (paused_)
        return;
    stoppedAt_ = now();
    paused_ = true;
}

void ModelClock::resume()
{
    if (!paused_)
        return;
    offset_ = source_() - stoppedAt_;
    paused_ = false;
}

void ModelClock::advance(std::int64_t ms)
{
    if (ms < 0)
        throw std::invalid_argument("model time does not go back");
    if (paused_)
        stoppedAt_ += ms;
    else
        offset_ -= ms;
}

} // namespace lodarix::motion
