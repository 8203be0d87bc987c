// The motion record as a workbook of two sheets. "Движение" has a row for
// each row of the record: the time in seconds (the CSV's value, as a
// number), the floor, the trip's final stop, the event's name as in the CSV
// and a Bulgarian word for it. "Курсове" has the trips as the motion window's
// table shows them, as numbers; above them is the storey height, which the
// mean speeds' formulas read, so that the speeds follow when a student
// changes it. The headers are Bulgarian, with units.
#pragma once

#include "core/motion/motion_row.h"
#include "core/motion/speed.h"
#include "core/motion/trip_log.h"
#include "core/texts/motion_window_texts.h"
#include "core/workbook/workbook.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lodarix::workbook {

inline constexpr std::string_view RecordSheetName = lodarix::motion_texts::RecordSheet;
inline constexpr std::string_view TripsSheetName = lodarix::motion_texts::TripsSheet;
// Where the trips sheet holds the storey height (F1), and its first trip (row 3).
inline constexpr int HeightRow = 0;
inline constexpr int HeightColumn = 5;
inline constexpr int FirstTripRow = 2;

// The record sheet, then the trips sheet. Throws std::length_error for a
// record of more rows, or more trips, than a sheet holds.
std::vector<Sheet> motionSheets(std::span<const motion::Row> rows,
                                const std::vector<motion::Trip>& trips,
                                motion::StoreyHeight height);

// The .xlsx file of motionSheets(); throws as it does.
std::string motionWorkbook(std::span<const motion::Row> rows,
                           const std::vector<motion::Trip>& trips, motion::StoreyHeight height);

} // namespace lodarix::workbook
