// The long session that the record's benchmarks share: random picks, some
// during a trip (jumps), some with the grille open, idle periods between
// trips, played on a recorded session until its record holds LongSessionRows
// rows. The same seed gives the same session every time.
#pragma once

#include "core/replay/motion_session.h"

#include <cstddef>

namespace bench {

inline constexpr std::size_t LongSessionRows = 100'000;

void playLongSession(lodarix::replay::MotionSession& session);

} // namespace bench
