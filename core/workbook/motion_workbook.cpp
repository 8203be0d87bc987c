#include "core/workbook/motion_workbook.h"

#include "core/motion/record_texts.h"
#include "core/workbook/cell_reference.h"

#include <stdexcept>

namespace lodarix::workbook {

namespace {

namespace words = lodarix::motion_texts;

std::string eventWord(motion::Event event)
{
    switch (event) {
    case motion::Event::Start:
        return std::string(words::StartWord);
    case motion::Event::Pick:
        return std::string(words::PickWord);
    case motion::Event::Step:
        return std::string(words::StepWord);
    case motion::Event::Arrive:
        return std::string(words::ArriveWord);
    }
    return {};
}

// The trip's note in the motion window's table.
Cell note(const motion::Trip& trip)
{
    std::string text = motion::tripNote(trip);
    return text.empty() ? Cell{} : Cell{std::move(text)};
}

Cell text(std::string_view words)
{
    return std::string(words);
}

Sheet recordSheet(std::span<const motion::Row> rows)
{
    Sheet sheet{std::string(RecordSheetName), {}, {{10, 3}, {8}, {14}, {10}, {12}}, 1};
    sheet.rows.reserve(rows.size() + 1);
    sheet.rows.push_back({text(words::TimeHeading), text(words::FloorHeading),
                          text(words::TargetHeading), text(words::EventHeading),
                          text(words::EventWordHeading)});
    // Floor 0: the form's code left the floor as none, an empty cell.
    const auto floor = [](std::int8_t number) -> Cell {
        if (number == 0)
            return std::monostate{};
        return static_cast<double>(number);
    };
    for (const motion::Row& row : rows)
        sheet.rows.push_back({static_cast<double>(row.timeMs) / 1000.0, floor(row.floor),
                              floor(row.target), std::string(motion::eventName(row.event)),
                              eventWord(row.event)});
    return sheet;
}

// Floors × height / time, or a dash while the trip has taken no time, as
// the motion window shows it.
Formula meanSpeed(const motion::Trip& trip, motion::StoreyHeight height, int row)
{
    const std::string floors = cellReference(3, row);
    const std::string time = cellReference(4, row);
    const std::string storey = "$" + columnName(HeightColumn) + "$" + std::to_string(HeightRow + 1);
    const std::string noSpeed(words::NoSpeed);
    Formula formula{"IF(" + time + ">0," + floors + "*" + storey + "/" + time + ",\"" + noSpeed
                        + "\")",
                    noSpeed};
    if (const auto speed = motion::meanSpeed(trip, height))
        formula.cached = *speed;
    return formula;
}

Sheet tripsSheet(const std::vector<motion::Trip>& trips, motion::StoreyHeight height)
{
    Sheet sheet{std::string(TripsSheetName),
                {},
                {{5}, {9}, {9}, {8}, {10, 1}, {20, 2}, {12}},
                FirstTripRow};
    std::vector<Cell> heading(HeightColumn + 1);
    heading.front() = text(words::StoreyHeight);
    heading.back() = height.metres();
    sheet.rows.push_back(std::move(heading));
    sheet.rows.push_back({text(words::NumberColumn), text(words::FromHeading),
                          text(words::ToHeading), text(words::FloorsColumn),
                          text(words::TimeHeading), text(words::MeanSpeedHeading),
                          text(words::NoteColumn)});
    for (const motion::Trip& trip : trips) {
        const int row = static_cast<int>(sheet.rows.size());
        sheet.rows.push_back(
            {static_cast<double>(trip.number), static_cast<double>(trip.startFloor),
             static_cast<double>(trip.finalStop), static_cast<double>(trip.floorsTravelled),
             trip.durationSeconds(), meanSpeed(trip, height, row), note(trip)});
    }
    return sheet;
}

} // namespace

std::vector<Sheet> motionSheets(std::span<const motion::Row> rows,
                                const std::vector<motion::Trip>& trips, motion::StoreyHeight height)
{
    // A sheet holds the header and every row, or the two heading rows and every trip.
    if (rows.size() >= static_cast<std::size_t>(MaxRows)
        || trips.size() > static_cast<std::size_t>(MaxRows - FirstTripRow))
        throw std::length_error("the record has more rows than a sheet holds");
    std::vector<Sheet> sheets;
    sheets.push_back(recordSheet(rows));
    sheets.push_back(tripsSheet(trips, height));
    return sheets;
}

std::string motionWorkbook(std::span<const motion::Row> rows,
                           const std::vector<motion::Trip>& trips, motion::StoreyHeight height)
{
    return xlsx(motionSheets(rows, trips, height));
}

} // namespace lodarix::workbook
