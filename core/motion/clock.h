// The clock the motion record reads: milliseconds on a clock that does not go
// back; where it starts does not matter.
#pragma once

#include <cstdint>
#include <functional>

namespace lodarix::motion {

using Clock = std::function<std::int64_t()>;

} // namespace lodarix::motion
