// Any bytes as a whole script, read a line at a time as lodarix-replay reads
// it: each command runs through the window model, with its motion recorded,
// until the first bad line. After each the model must keep what the trip
// rules guarantee, and the record must follow the model: rows in time order,
// floors in the building, no step longer than one floor.

#include "core/form/lodarix_form.h"
#include "core/lift/colors.h"
#include "core/lift/floor_table.h"
#include "core/model/lodarix_model.h"
#include "core/motion/decimation.h"
#include "core/motion/trip_log.h"
#include "core/replay/motion_session.h"
#include "core/replay/script.h"
#include "fuzz/check.h"
#include "tests/support/model_guarantees.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace lodarix;

namespace {

void checkTheRules(const lodarix::LodarixModel& model)
{
    const std::string broken = test_support::brokenGuarantee(model);
    if (!broken.empty())
        std::fprintf(stderr, "%s\n", broken.c_str());
    FUZZ_CHECK(broken.empty());
}

// The rows from checked on, each against the row before it.
void checkTheRecord(const lodarix::replay::MotionSession& session, std::size_t checked)
{
    using motion::Event;
    const auto rows = session.recorder().rows();
    FUZZ_CHECK(!rows.empty());
    FUZZ_CHECK(rows[0]
               == (motion::Row{0, 1, 1, Event::Start,
                               static_cast<std::uint16_t>(lodarix::stepPeriodMs())}));
    for (std::size_t i = std::max<std::size_t>(checked, 1); i < rows.size(); ++i) {
        const motion::Row& row = rows[i];
        const motion::Row& before = rows[i - 1];
        FUZZ_CHECK(row.timeMs >= before.timeMs && row.timeMs <= session.nowMs());
        FUZZ_CHECK(row.floor >= 1 && row.floor <= 11 && row.target >= 1 && row.target <= 11);
        FUZZ_CHECK(row.event != Event::Start);
        if (row.event == Event::Pick) {
            FUZZ_CHECK(row.floor == before.target);
        } else {
            FUZZ_CHECK(std::abs(row.floor - before.floor) <= 1 && row.target == before.target);
            FUZZ_CHECK((row.event == Event::Arrive) == (row.floor == row.target));
        }
    }
    if (rows.size() > checked) {
        const auto& controller = session.model().controller();
        FUZZ_CHECK(rows.back().floor == controller.CurrentFloor() + 1);
        FUZZ_CHECK(rows.back().target == controller.TargetFloor() + 1);
    }
    const auto& trips = session.recorder().trips();
    FUZZ_CHECK(session.model().window().isEnabled("Timer1")
               == (!trips.empty() && trips.back().running));
}

// Trips read at once equal those read row by row, and the graph's points
// are rows of the record in time order.
void checkTheViews(const lodarix::replay::MotionSession& session)
{
    const auto rows = session.recorder().rows();
    motion::TripLog atOnce;
    atOnce.update(rows);
    FUZZ_CHECK(atOnce.trips() == session.recorder().trips());

    const int columns = 1 + static_cast<int>(rows.size() % 7);
    const auto points = motion::decimate(rows, 0, rows.back().timeMs, columns);
    FUZZ_CHECK(!points.empty() && points.size() <= 3 * static_cast<std::size_t>(columns));
    for (std::size_t i = 0; i < points.size(); ++i) {
        const motion::PlotPoint& point = points[i];
        FUZZ_CHECK(point.row < rows.size() && (i == 0 || point.row > points[i - 1].row));
        FUZZ_CHECK(point.timeMs == rows[point.row].timeMs && point.floor == rows[point.row].floor);
        FUZZ_CHECK(point.jump == motion::isJump(rows, point.row));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lodarix::replay;
    std::string_view script(reinterpret_cast<const char*>(data), size);
    MotionSession session;
    checkTheRules(session.model());
    checkTheRecord(session, 0);
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        const ParsedLine parsed = parseLine(line);
        if (std::holds_alternative<ScriptError>(parsed))
            break;
        if (const auto* command = std::get_if<Command>(&parsed)) {
            const std::size_t rowsBefore = session.recorder().rows().size();
            session.run(*command);
            checkTheRules(session.model());
            checkTheRecord(session, rowsBefore);
        }
    }
    checkTheViews(session);
    return 0;
}
