// What the page's tests reach of the core besides what the page does, bound
// into a module of their own (lodarix-web-seam.mjs) that the page never
// carries: the rules' two floors, and the workbook the core writes for a
// record's CSV, which the tests hold the page's download to.

#include "core/motion/motion_csv.h"
#include "core/motion/speed.h"
#include "core/motion/trip_log.h"
#include "core/workbook/motion_workbook.h"
#include "tests/support/motion_csv_reader.h"
#include "web/page/page_window.h"
#include "web/page/typed_arrays.h"

#include <emscripten/bind.h>

namespace {

using lodarix::web::PageWindow;

int currentFloor(const PageWindow& window)
{
    return window.controller().CurrentFloor();
}

int targetFloor(const PageWindow& window)
{
    return window.controller().TargetFloor();
}

// The rows of the CSV, each with the step interval intervalMs.
emscripten::val workbookOfCsv(const std::string& csv, int intervalMs, double heightMetres)
{
    namespace motion = lodarix::motion;
    const auto rows = motion::readCsv(csv, static_cast<std::uint16_t>(intervalMs));
    motion::TripLog trips;
    trips.update(rows);
    return lodarix::web::bytesOf(
        lodarix::workbook::motionWorkbook(rows, trips.trips(), motion::StoreyHeight(heightMetres)));
}

} // namespace

EMSCRIPTEN_BINDINGS(lodarix_test_seam)
{
    emscripten::function("currentFloor", &currentFloor);
    emscripten::function("targetFloor", &targetFloor);
    emscripten::function("workbookOfCsv", &workbookOfCsv);
}
