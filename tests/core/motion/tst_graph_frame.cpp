// What both faces draw around the record's graphs and hand the page as
// numbers: the span shown, the axes' steps, ticks and labels, the fastest
// speed the speed axis must reach, the step points marked, and a graph laid
// out as numbers with the fields where the page reads them.

#include "core/motion/graph_frame.h"
#include "core/motion/path_numbers.h"
#include "core/motion/trip_log.h"

#include <QTest>

#include <vector>

using namespace lodarix;
using motion::Event;
using motion::Row;

namespace {

QStringList labels(const motion::Axis& axis)
{
    QStringList all;
    for (const motion::Tick& tick : motion::ticks(axis))
        all << QString::fromStdString(tick.label);
    return all;
}

// Trips from floor 1 to 4 and back, picked at 0 and at 3000 ms, 800 ms a step.
std::vector<Row> twoTrips()
{
    std::vector<Row> rows{{0, 1, 1, Event::Start, 800}, {0, 1, 4, Event::Pick, 800}};
    for (int floor = 2; floor <= 4; ++floor)
        rows.push_back({800 * (floor - 1), std::int8_t(floor), 4,
                        floor == 4 ? Event::Arrive : Event::Step, 800});
    rows.push_back({3000, 4, 1, Event::Pick, 800});
    for (int floor = 3; floor >= 2; --floor)
        rows.push_back({3000 + 800 * (4 - floor), std::int8_t(floor), 1, Event::Step, 800});
    return rows;
}

} // namespace

class TestGraphFrame : public QObject {
    Q_OBJECT

private slots:
    void niceStepsAreOneTwoOrFiveTimesAPowerOfTen_data()
    {
        QTest::addColumn<double>("roughly");
        QTest::addColumn<double>("step");
        QTest::newRow("exactly one") << 1.0 << 1.0;
        QTest::newRow("up to two") << 1.2 << 2.0;
        QTest::newRow("up to five") << 3.0 << 5.0;
        QTest::newRow("up to ten") << 7.0 << 10.0;
        QTest::newRow("tenths") << 0.0934 << 0.1;
        QTest::newRow("hundreds") << 120.0 << 200.0;
        QTest::newRow("nothing to step over") << 0.0 << 1.0;
        QTest::newRow("not a number") << qQNaN() << 1.0;
        QTest::newRow("infinite") << qInf() << 1.0;
    }
    void niceStepsAreOneTwoOrFiveTimesAPowerOfTen()
    {
        QFETCH(double, roughly);
        QFETCH(double, step);
        QCOMPARE(motion::niceStep(roughly), step);
    }

    void theGraphsFollowTheLastMinuteOrShowTheWholeSession()
    {
        QCOMPARE(motion::shownSpan(12'000, false), (motion::TimeSpan{0, 60'000}));
        QCOMPARE(motion::shownSpan(75'500, false), (motion::TimeSpan{15'500, 75'500}));
        QCOMPARE(motion::shownSpan(400, true), (motion::TimeSpan{0, 1000}));
        QCOMPARE(motion::shownSpan(75'500, true), (motion::TimeSpan{0, 75'500}));
    }

    void theAxesTicksAndLabels()
    {
        QCOMPARE(labels(motion::floorAxis()),
                 QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
        QCOMPARE(motion::speedAxis(3.75), (motion::Axis{-4, 4, 1, 0}));
        QCOMPARE(labels(motion::speedAxis(0.3)),
                 QStringList({"-1,0", "-0,5", "0,0", "0,5", "1,0"}));
        QCOMPARE(labels(motion::speedAxis(2.2)),
                 QStringList({"-3", "-2", "-1", "0", "1", "2", "3"}));
        QCOMPARE(motion::speedAxis(15), (motion::Axis{-15, 15, 5, 0}));
        // 60 s over 600 pixels, labels 36 pixels wide with room for 1,6 of
        // them: about ten labels, a tick every 10 s.
        const motion::Axis minute = motion::timeAxis({15'500, 75'500}, 600, 36);
        QCOMPARE(minute.tickStep, 10'000.0);
        QCOMPARE(labels(minute), QStringList({"20", "30", "40", "50", "60", "70"}));
        QCOMPARE(labels(motion::timeAxis({0, 1000}, 600, 36)).first(), QStringLiteral("0,0"));
        QCOMPARE(labels(motion::timeAxis({0, 1000}, 600, 36)).at(1), QStringLiteral("0,1"));
    }

    void theSpeedAxisReachesAStepsSpeedAndEveryFasterOneShown()
    {
        const motion::StoreyHeight height(3.0);
        const std::vector<motion::Stretch> path{
            {0, 800, 1, 2, motion::StretchKind::Motion, 1, 1},
            {900, 1000, 2, 3, motion::StretchKind::Motion, 2, 2}};
        const std::vector<std::optional<motion::SpeedRange>> speeds{
            motion::SpeedRange{3.75, 3.75, 3.75}, motion::SpeedRange{-30, 30, 30}};
        QCOMPARE(motion::fastestShown(path, speeds, {0, 850}, height, 800), 3.75);
        QCOMPARE(motion::fastestShown(path, speeds, {0, 850}, height, 200), 15.0);
        QCOMPARE(motion::fastestShown(path, speeds, {0, 60'000}, height, 800), 30.0);
    }

    void stepPointsAreMarkedWhileTheyStandApart()
    {
        const std::vector<Row> rows = twoTrips();
        const auto points = motion::decimate(rows, 0, 60'000, 1000);
        const auto marked = motion::markedSteps(rows, points, 1000);
        QCOMPARE(marked.size(), std::size_t(5));
        for (const motion::PlotPoint& point : marked)
            QVERIFY(motion::isStep(rows[point.row].event));
        QVERIFY(motion::markedSteps(rows, points, 20).empty());
    }

    void aGraphAsNumbersWithItsFieldsInPlace()
    {
        namespace numbers = motion::path_numbers;
        const std::vector<Row> rows = twoTrips();
        motion::TripLog trips;
        trips.update(rows);
        const auto position =
            numbers::pathNumbers(rows, trips.trips(), {{0, 60'000}, 1000, 4600, std::nullopt, 800})
                .path;
        const auto stretches = static_cast<std::size_t>(position[numbers::StretchCount]);
        QVERIFY(stretches > 0);
        QCOMPARE(position[numbers::PointCount], 5.0);
        QCOMPARE(position[numbers::FinalStop], 1.0);
        QCOMPARE(position[numbers::FinalStopFromMs], 3000.0);
        QCOMPARE(position[numbers::Fastest], 0.0);
        QCOMPARE(position.size(),
                 numbers::HeaderSize + stretches * numbers::StretchSize + 5 * numbers::PointSize);
        const double* first = position.data() + numbers::HeaderSize;
        QCOMPARE(first[numbers::FromMs], 0.0);
        QCOMPARE(first[numbers::ToMs], 800.0);
        QCOMPARE(first[numbers::FromFloor], 1.0);
        QCOMPARE(first[numbers::ToFloor], 2.0);
        QCOMPARE(first[numbers::Kind], double(motion::StretchKind::Motion));
        QCOMPARE(first[numbers::HasSpeed], 0.0);
        const double* point = first + stretches * numbers::StretchSize;
        QCOMPARE(point[numbers::PointMs], 800.0);
        QCOMPARE(point[numbers::PointFloor], 2.0);

        const auto line =
            numbers::pathNumbers(rows, trips.trips(),
                                 {{0, 60'000}, 1000, 4600, std::nullopt, 800, {10, 0, 1000, 110}})
                .line;
        QCOMPARE(line[2], 10.0);
        QCOMPARE(line[3], 105.0); // floor 1 of 0,5 to 11,5

        const auto speed =
            numbers::pathNumbers(rows, trips.trips(),
                                 {{0, 60'000}, 1000, 4600, motion::StoreyHeight(3.0), 800})
                .path;
        QCOMPARE(speed[numbers::PointCount], 0.0);
        QCOMPARE(speed[numbers::Fastest], 3.75);
        const double* moving = speed.data() + numbers::HeaderSize;
        QCOMPARE(moving[numbers::HasSpeed], 1.0);
        QCOMPARE(moving[numbers::Last], 3.75);
    }

    void coloursAsThePageWritesThem()
    {
        QCOMPARE(QString::fromStdString(lift::hexRgb(motion::graph_colors::Position)),
                 QStringLiteral("#1946A0"));
    }
};

QTEST_APPLESS_MAIN(TestGraphFrame)
#include "tst_graph_frame.moc"
