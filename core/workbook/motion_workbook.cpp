#include "core/workbook/motion_workbook.h"

#include "core/workbook/cell_reference.h"

#include <stdexcept>

namespace workbook {

namespace {

std::string eventWord(motion::Event event)
{
    switch (event) {
    case motion::Event::Start:
        return "начало";
    case motion::Event::Pick:
        return "избор";
    case motion::Event::Step:
        return "стъпка";
    case motion::Event::Arrive:
        return "пристигане";
    }
    return {};
}

// The trip's note in the motion window's table.
Cell note(const motion::Trip& trip)
{
    if (trip.interrupted)
        return std::string("прекъснат");
    if (trip.running)
        return std::string("в движение");
    return {};
}

Sheet recordSheet(std::span<const motion::Row> rows)
{
    Sheet sheet{std::string(RecordSheetName), {}, {{10, 3}, {8}, {14}, {10}, {12}}, 1};
    sheet.rows.reserve(rows.size() + 1);
    sheet.rows.push_back({std::string("Време, s"), std::string("Етаж"),
                          std::string("Крайна спирка"), std::string("Събитие"),
                          std::string("Описание")});
    for (const motion::Row& row : rows)
        sheet.rows.push_back({static_cast<double>(row.timeMs) / 1000.0,
                              static_cast<double>(row.floor), static_cast<double>(row.target),
                              std::string(motion::eventName(row.event)), eventWord(row.event)});
    return sheet;
}

// Floors × height / time, or a dash while the trip has taken no time, as
// the motion window shows it.
Formula meanSpeed(const motion::Trip& trip, motion::StoreyHeight height, int row)
{
    const std::string floors = cellReference(3, row);
    const std::string time = cellReference(4, row);
    const std::string storey = "$" + columnName(HeightColumn) + "$" + std::to_string(HeightRow + 1);
    Formula formula{"IF(" + time + ">0," + floors + "*" + storey + "/" + time + ",\"–\")",
                    std::string("–")};
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
    heading.front() = std::string("Височина на етаж, m");
    heading.back() = height.metres();
    sheet.rows.push_back(std::move(heading));
    sheet.rows.push_back({std::string("№"), std::string("От етаж"), std::string("До етаж"),
                          std::string("Етажи"), std::string("Време, s"),
                          std::string("Средна скорост, m/s"), std::string("Бележка")});
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

} // namespace workbook
