#include "core/motion/motion_row.h"

namespace lodarix::motion {

std::string_view eventName(Event event)
{
    switch (event) {
    case Event::Start:
        return "start";
    case Event::Pick:
        return "pick";
    case Event::Step:
        return "step";
    case Event::Arrive:
        return "arrive";
    }
    return "unknown";
}

bool isJump(std::span<const Row> rows, std::size_t row) noexcept
{
    // Floor 0 is none: no jump leads to it or from it, only a gap.
    return row > 0 && row < rows.size() && rows[row].event == Event::Pick
        && rows[row].floor != rows[row - 1].floor && rows[row].floor != 0
        && rows[row - 1].floor != 0;
}

} // namespace lodarix::motion
