// The motion record told in the motion window's words (core/texts): a trip,
// its mean speed, the trips table, the graphs' text alternatives, the
// clocks. Every face shows these strings as they are.
#pragma once

#include "core/motion/motion_recorder.h"
#include "core/motion/speed.h"
#include "core/motion/trip_log.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lodarix::motion {

// "1 етаж", "5 етажа".
std::string floorsText(int count);
// The mean speed with two decimals, or "–" while the trip has taken no time.
std::string meanSpeedText(const Trip& trip, StoreyHeight height);
// "прекъснат", "в движение", or nothing for a trip that arrived.
std::string tripNote(const Trip& trip);
// "Курс 3: от етаж 2 до етаж 7, 5 етажа за 4,0 s", with ", прекъснат" or
// ", в движение" for a trip cut short or under way.
std::string tripSummary(const Trip& trip);
// The summary of the last trip, or that there has been none yet.
std::string latestTripSummary(const std::vector<Trip>& trips);
// The graphs' text alternatives: the last trip's summary, and for the speed
// graph its mean speed as well.
std::string positionGraphDescription(const std::vector<Trip>& trips);
std::string speedGraphDescription(const std::vector<Trip>& trips, StoreyHeight height);

// The trips table: a row a trip, these columns; the note stands left, the
// numbers right.
enum TripColumn {
    NumberColumn,
    FromColumn,
    ToColumn,
    FloorsColumn,
    TimeColumn,
    MeanSpeedColumn,
    NoteColumn,
    TripColumnCount
};
// The columns' headings, each with its line feed where it breaks.
const std::array<std::string_view, TripColumnCount>& tripColumnHeadings();
// A trip's row, column by column.
std::array<std::string, TripColumnCount> tripRow(const Trip& trip, StoreyHeight height);

// The clock of model time: "t = 12,8 s", and " (пауза)" while paused.
std::string clockText(std::int64_t nowMs, bool paused);
// The last trip's time: "Курс 3: 2,4 s" while it runs, its whole time and
// " (завършен)" after; "Курс: –" before the first.
std::string tripClockText(const MotionRecorder& record, std::int64_t nowMs);

} // namespace lodarix::motion
