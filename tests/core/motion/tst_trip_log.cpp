// Trips derived from the motion record as it grows, their mean speeds, and the
// speed during each interval of the record for a chosen storey height and
// the step interval each row keeps.

#include "core/motion/speed.h"
#include "core/motion/trip_log.h"
#include "session.h"

#include <QTest>

#include <stdexcept>
#include <vector>

using namespace lodarix;

namespace {

QString described(const motion::Trip& trip)
{
    return QStringLiteral("%1: %2 to %3, %4 floors in %5 ms%6")
        .arg(trip.number)
        .arg(trip.startFloor)
        .arg(trip.finalStop)
        .arg(trip.floorsTravelled)
        .arg(trip.durationMs)
        .arg(trip.interrupted   ? QStringLiteral(", interrupted")
                 : trip.running ? QStringLiteral(", running")
                                : QString());
}

QStringList described(const std::vector<motion::Trip>& trips)
{
    QStringList result;
    for (const motion::Trip& trip : trips)
        result << described(trip);
    return result;
}

QString speed(std::optional<double> metresPerSecond)
{
    return metresPerSecond ? QString::number(*metresPerSecond, 'f', 3) : QStringLiteral("none");
}

using motion::Event;

// Rest, a trip up, a pick of the cabin's own floor, a trip down cut short by a
// pick that jumps, and steps after the interval was changed to 500 ms.
const std::vector<motion::Row> Record{
    {0, 1, 1, Event::Start, 800},    {0, 1, 3, Event::Pick, 800},
    {800, 2, 3, Event::Step, 800},   {1600, 3, 3, Event::Arrive, 800},
    {2000, 3, 3, Event::Pick, 1000}, {3000, 3, 3, Event::Arrive, 1000},
    {3000, 3, 1, Event::Pick, 1000}, {4000, 2, 1, Event::Step, 1000},
    {4200, 1, 5, Event::Pick, 1000}, {5200, 2, 5, Event::Step, 500},
};

} // namespace

class TestTripLog : public QObject {
    Q_OBJECT

private slots:
    void tripsOfSessions_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QStringList>("trips");
        QTest::newRow("none before a pick") << "close, tick 3" << QStringList{};
        QTest::newRow("a whole trip")
            << "close, pick 4, tick 3" << QStringList{"1: 1 to 4, 3 floors in 2400 ms"};
        QTest::newRow("picked, no step yet")
            << "close, pick 6" << QStringList{"1: 1 to 6, 0 floors in 0 ms, running"};
        QTest::newRow("under way")
            << "close, pick 6, tick 2" << QStringList{"1: 1 to 6, 2 floors in 1600 ms, running"};
        QTest::newRow("cut short by a pick that jumps")
            << "close, pick 5, tick, pick 2, tick 3"
            << QStringList{"1: 1 to 5, 1 floors in 800 ms, interrupted",
                           "2: 5 to 2, 3 floors in 2400 ms"};
        QTest::newRow("cut short before its first step")
            << "close, pick 5, pick 2, tick"
            << QStringList{"1: 1 to 5, 0 floors in 0 ms, interrupted",
                           "2: 5 to 2, 1 floors in 800 ms, running"};
        QTest::newRow("the cabin's own floor")
            << "close, pick 1, tick" << QStringList{"1: 1 to 1, 0 floors in 800 ms"};
        QTest::newRow("the wait between trips is not counted")
            << "close, pick 2, tick 5, close, pick 1, tick"
            << QStringList{"1: 1 to 2, 1 floors in 800 ms", "2: 2 to 1, 1 floors in 800 ms"};
    }

    void tripsOfSessions()
    {
        QFETCH(QString, commands);
        QFETCH(QStringList, trips);
        const auto recorded = session::recorded(commands);
        QCOMPARE(described(recorded->recorder().trips()), trips);

        motion::TripLog atOnce;
        atOnce.update(recorded->recorder().rows());
        QCOMPARE(described(atOnce.trips()), trips);
    }

    void speeds_data()
    {
        QTest::addColumn<double>("storeyHeight");
        QTest::addColumn<QStringList>("speeds");
        QTest::addColumn<QStringList>("meanSpeeds");
        QTest::newRow("storeys of 3 m")
            << 3.0 << QStringList{"none",  "0.000", "3.750",  "3.750", "0.000",
                                  "0.000", "0.000", "-3.000", "none",  "6.000"}
            << QStringList{"3.750", "0.000", "3.000", "3.000"};
        QTest::newRow("storeys of 2.5 m")
            << 2.5 << QStringList{"none",  "0.000", "3.125",  "3.125", "0.000",
                                  "0.000", "0.000", "-2.500", "none",  "5.000"}
            << QStringList{"3.125", "0.000", "2.500", "2.500"};
    }

    void speeds()
    {
        QFETCH(double, storeyHeight);
        QFETCH(QStringList, speeds);
        QFETCH(QStringList, meanSpeeds);
        const motion::StoreyHeight height(storeyHeight);
        QStringList actual;
        for (std::size_t row = 0; row < Record.size(); ++row)
            actual << speed(motion::speedEndingAt(Record, row, height));
        QCOMPARE(actual, speeds);
        QCOMPARE(speed(motion::speedEndingAt(Record, Record.size(), height)), "none");

        motion::TripLog log;
        log.update(Record);
        QStringList means;
        for (const motion::Trip& trip : log.trips())
            means << speed(motion::meanSpeed(trip, height));
        QCOMPARE(means, meanSpeeds);
    }

    // Floor 0 is a floor the form's code left as none: the trip under way is
    // skipped, no speed is known across it, and the next trip counts on.
    void aFloorLeftAsNoneSkipsItsTrip()
    {
        const std::vector<motion::Row> rows{
            {0, 1, 1, Event::Start, 800},     {0, 1, 4, Event::Pick, 800},
            {800, 2, 4, Event::Step, 800},    {1600, 0, 4, Event::Step, 800},
            {2400, 4, 4, Event::Arrive, 800}, {3000, 4, 2, Event::Pick, 800},
            {3800, 3, 2, Event::Step, 800},
        };
        motion::TripLog log;
        log.update(rows);
        QCOMPARE(described(log.trips()), QStringList{"1: 4 to 2, 1 floors in 800 ms, running"});
        const motion::StoreyHeight height(3.0);
        QCOMPARE(speed(motion::speedEndingAt(rows, 3, height)), QStringLiteral("none"));
        QCOMPARE(speed(motion::speedEndingAt(rows, 4, height)), QStringLiteral("none"));
        QCOMPARE(speed(motion::speedEndingAt(rows, 6, height)), QStringLiteral("-3.750"));
    }

    void aTripWithoutStepsHasNoMeanSpeed()
    {
        const auto recorded = session::recorded("close, pick 7");
        QCOMPARE(speed(motion::meanSpeed(recorded->recorder().trips().front(), {})), "none");
    }

    void storeyHeightsOutsideTheBuildingsAreRefused_data()
    {
        QTest::addColumn<double>("metres");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lowest") << 2.5 << true;
        QTest::newRow("highest") << 4.0 << true;
        QTest::newRow("too low") << 2.49 << false;
        QTest::newRow("too high") << 4.01 << false;
        QTest::newRow("not a number") << qQNaN() << false;
    }

    void storeyHeightsOutsideTheBuildingsAreRefused()
    {
        QFETCH(double, metres);
        QFETCH(bool, accepted);
        if (accepted)
            QCOMPARE(motion::StoreyHeight(metres).metres(), metres);
        else
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, motion::StoreyHeight{metres});
    }
};

QTEST_GUILESS_MAIN(TestTripLog)
#include "tst_trip_log.moc"
