#include "bench/long_session.h"

#include "core/lift/floor_table.h"

#include <random>

using namespace lodarix;

namespace bench {

void playLongSession(lodarix::replay::MotionSession& session)
{
    std::mt19937 random(20240917);
    std::uniform_int_distribution<int> floor(0, lift::FloorTable::Highest);
    std::uniform_int_distribution<int> percent(0, 99);
    const auto rows = [&session] { return session.recorder().rows().size(); };
    while (rows() < LongSessionRows) {
        if (percent(random) < 90)
            session.clickGrilleButton(lodarix::Grille::Closed);
        session.clickFloorButton(static_cast<lift::FloorIndex>(floor(random)));
        const bool interrupt = percent(random) < 10;
        while (session.stepsRunning() && rows() < LongSessionRows) {
            session.timerPeriod();
            if (interrupt && percent(random) < 30)
                break;
        }
        for (int idle = percent(random) % 4; idle > 0; --idle)
            session.timerPeriod();
    }
}

} // namespace bench
