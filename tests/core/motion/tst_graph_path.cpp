// What the graphs draw through a record: a step's motion from the row before
// when it came on time, however late or early within the timer's tolerance,
// and rest then motion in its own interval after a wait; jumps as marks, a
// long rest kept level where decimation left rows out, the speeds of each
// stretch, set by the interval in force at each step, and trips on a real
// timer's steps that keep their level at every column count.

#include "core/motion/decimation.h"
#include "core/motion/graph_path.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace lodarix;

Q_DECLARE_METATYPE(std::vector<motion::Row>)

namespace {

using motion::Event;
using motion::Row;
using motion::StretchKind;

// "move 1>2 0..800", "rest 4 2400..3000", "jump 2>4 @800", "dense 2>6 800..4000".
QString describe(const std::vector<motion::Stretch>& path)
{
    QStringList parts;
    for (const motion::Stretch& s : path) {
        const QString span = QStringLiteral("%1..%2").arg(s.fromMs).arg(s.toMs);
        switch (s.kind) {
        case StretchKind::Rest:
            parts << QStringLiteral("rest %1 %2").arg(s.fromFloor).arg(span);
            break;
        case StretchKind::Motion:
            parts << QStringLiteral("move %1>%2 %3").arg(s.fromFloor).arg(s.toFloor).arg(span);
            break;
        case StretchKind::Jump:
            parts << QStringLiteral("jump %1>%2 @%3").arg(s.fromFloor).arg(s.toFloor).arg(s.fromMs);
            break;
        case StretchKind::Dense:
            parts << QStringLiteral("dense %1>%2 %3").arg(s.fromFloor).arg(s.toFloor).arg(span);
            break;
        }
    }
    return parts.join(QStringLiteral(", "));
}

// A trip from floor `from` picked at pickMs, one step every intervalMs.
void trip(std::vector<Row>& rows, int from, int to, std::int64_t pickMs, std::uint16_t intervalMs)
{
    rows.push_back({pickMs, std::int8_t(from), std::int8_t(to), Event::Pick, intervalMs});
    const int direction = to > from ? 1 : -1;
    std::int64_t time = pickMs;
    for (int floor = from + direction; floor != to + direction; floor += direction) {
        time += intervalMs;
        rows.push_back({time, std::int8_t(floor), std::int8_t(to),
                        floor == to ? Event::Arrive : Event::Step, intervalMs});
    }
}

std::vector<Row> loaded()
{
    return {{0, 1, 1, Event::Start, 800}};
}

// A span of time over which the cabin moves without a stop, at speed m/s.
struct Moving {
    std::int64_t fromMs;
    std::int64_t toMs;
    double speed;
};

// Trips on a timer's steps: each step comes later than its interval after
// the row before by the next of lateMs in turn (earlier where negative), on
// a clock of whole milliseconds. Storeys are 3 m high.
class TimedSession {
public:
    explicit TimedSession(QList<double> lateMs)
        : lateMs_(std::move(lateMs))
    {
    }

    // A trip to floor to (not the cabin's), held waitMs before its step of
    // index waitBefore.
    void trip(int to, std::uint16_t intervalMs, std::int64_t waitMs = 0, int waitBefore = -1)
    {
        const int from = floor_;
        rows.push_back({nowMs(), std::int8_t(from), std::int8_t(to), Event::Pick, intervalMs});
        Moving span{nowMs(), 0, (to > from ? 3000.0 : -3000.0) / intervalMs};
        for (int step = 0; floor_ != to; ++step) {
            if (step == waitBefore) {
                span.toMs = nowMs();
                moving.push_back(span);
                timeMs_ += static_cast<double>(waitMs);
            }
            timeMs_ += intervalMs + lateMs_.at(late_++ % lateMs_.size());
            floor_ += to > from ? 1 : -1;
            rows.push_back({nowMs(), std::int8_t(floor_), std::int8_t(to),
                            floor_ == to ? Event::Arrive : Event::Step, intervalMs});
            if (step == waitBefore)
                span.fromMs = nowMs() - intervalMs;
        }
        span.toMs = nowMs();
        moving.push_back(span);
    }

    void idle(std::int64_t ms) { timeMs_ += static_cast<double>(ms); }
    std::int64_t nowMs() const { return static_cast<std::int64_t>(std::floor(timeMs_)); }

    std::vector<Row> rows = loaded();
    std::vector<Moving> moving; // in time order

private:
    QList<double> lateMs_;
    qsizetype late_ = 0;
    double timeMs_ = 0;
    int floor_ = 1;
};

// The first stretch of path that draws a stop, or leaves the level, where
// the cabin moves; empty when there is none. A stretch that begins before a
// span of motion and ends in it must end at the span's speed.
QString faultWhileMoving(std::span<const Row> rows, const std::vector<motion::Stretch>& path,
                         const std::vector<Moving>& moving)
{
    // The last span of motion that begins at or before ms.
    const auto spanAt = [&moving](std::int64_t ms) -> const Moving* {
        const auto after =
            std::upper_bound(moving.begin(), moving.end(), ms,
                             [](std::int64_t t, const Moving& m) { return t < m.fromMs; });
        return after == moving.begin() ? nullptr : &*(after - 1);
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        const motion::Stretch& stretch = path[i];
        const QString at = describe({stretch});
        if (i > 0 && stretch.fromMs != path[i - 1].toMs)
            return QStringLiteral("a gap before ") + at;
        if (stretch.kind == StretchKind::Rest) {
            const Moving* last = spanAt(stretch.toMs - 1);
            if (last && last->toMs > stretch.fromMs)
                return QStringLiteral("a rest while moving: ") + at;
            continue;
        }
        const auto speed = motion::speedOver(rows, stretch, {});
        const Moving* in = spanAt(stretch.fromMs);
        if (in && stretch.fromMs < in->toMs && stretch.toMs <= in->toMs
            && !(speed && qFuzzyCompare(speed->low, in->speed)
                 && qFuzzyCompare(speed->high, in->speed)))
            return QStringLiteral("off the level: ") + at;
        const Moving* entered = spanAt(stretch.toMs - 1);
        if (entered && entered->fromMs > stretch.fromMs && stretch.toMs <= entered->toMs
            && !(speed && qFuzzyCompare(speed->last, entered->speed)))
            return QStringLiteral("not at the level where it ends: ") + at;
    }
    return {};
}

constexpr int ColumnCounts[] = {50, 100, 200, 500, 1000, 2000};

} // namespace

class TestGraphPath : public QObject {
    Q_OBJECT

private slots:
    void everyRowAPoint_data()
    {
        QTest::addColumn<std::vector<Row>>("rows");
        QTest::addColumn<qint64>("untilMs");
        QTest::addColumn<QString>("path");

        std::vector<Row> steady = loaded();
        trip(steady, 1, 4, 0, 800);
        QTest::newRow("steady running: the motion joins end to end")
            << steady << 3000LL
            << "move 1>2 0..800, move 2>3 800..1600, move 3>4 1600..2400, rest 4 2400..3000";

        const std::vector<Row> paused{
            {0, 1, 1, Event::Start, 800},
            {0, 1, 3, Event::Pick, 800},
            {800, 2, 3, Event::Step, 800},
            {3000, 3, 3, Event::Arrive, 800},
        };
        QTest::newRow("after a pause: rest, then motion in the step's interval")
            << paused << 3000LL << "move 1>2 0..800, rest 2 800..2200, move 2>3 2200..3000";

        const std::vector<Row> faster{
            {0, 1, 1, Event::Start, 800},
            {0, 1, 3, Event::Pick, 800},
            {800, 2, 3, Event::Step, 800},
            {1400, 3, 3, Event::Arrive, 400},
        };
        QTest::newRow("a shorter interval: the step moves at its own pace")
            << faster << 1400LL << "move 1>2 0..800, rest 2 800..1000, move 2>3 1000..1400";

        const std::vector<Row> jittered{
            {0, 1, 1, Event::Start, 800},     {0, 1, 4, Event::Pick, 800},
            {805, 2, 4, Event::Step, 800},    {1600, 3, 4, Event::Step, 800},
            {2403, 4, 4, Event::Arrive, 800},
        };
        QTest::newRow("steps a few ms late or early: the motion still joins end to end")
            << jittered << 3000LL
            << "move 1>2 0..805, move 2>3 805..1600, move 3>4 1600..2403, rest 4 2403..3000";

        const auto secondStepAt = [](std::int64_t ms) {
            return std::vector<Row>{
                {0, 1, 1, Event::Start, 800},
                {0, 1, 3, Event::Pick, 800},
                {800, 2, 3, Event::Step, 800},
                {ms, 3, 3, Event::Arrive, 800},
            };
        };
        QTest::newRow("a step as late as the tolerance allows still joins")
            << secondStepAt(800 + 800 + motion::stepToleranceMs(800)) << 1800LL
            << "move 1>2 0..800, move 2>3 800..1800";
        QTest::newRow("a millisecond later it follows a wait")
            << secondStepAt(800 + 800 + motion::stepToleranceMs(800) + 1) << 1801LL
            << "move 1>2 0..800, rest 2 800..1001, move 2>3 1001..1801";

        const std::vector<Row> jumping{
            {0, 1, 1, Event::Start, 800},   {0, 1, 4, Event::Pick, 800},
            {800, 2, 4, Event::Step, 800},  {800, 4, 6, Event::Pick, 800},
            {1600, 5, 6, Event::Step, 800}, {2400, 6, 6, Event::Arrive, 800},
        };
        QTest::newRow("a jump: a mark at its moment, no motion")
            << jumping << 2400LL
            << "move 1>2 0..800, jump 2>4 @800, move 4>5 800..1600, move 5>6 1600..2400";

        std::vector<Row> waiting = loaded();
        trip(waiting, 1, 2, 0, 800);
        trip(waiting, 2, 1, 10'000, 800);
        QTest::newRow("a pick after a wait: rest until the next step's interval")
            << waiting << 12'000LL
            << "move 1>2 0..800, rest 2 800..10000, move 2>1 10000..10800, "
               "rest 1 10800..12000";

        QTest::newRow("only the load: rest up to now") << loaded() << 5000LL << "rest 1 0..5000";
        QTest::newRow("now before the last row: nothing after it")
            << steady << 100LL << "move 1>2 0..800, move 2>3 800..1600, move 3>4 1600..2400";
    }

    void everyRowAPoint()
    {
        QFETCH(std::vector<Row>, rows);
        QFETCH(qint64, untilMs);
        QFETCH(QString, path);
        const auto points = motion::decimate(rows, 0, rows.back().timeMs, 10'000);
        QCOMPARE(describe(motion::graphPath(rows, points, untilMs)), path);
    }

    void aLongRestStaysLevelWhereRowsWereLeftOut()
    {
        std::vector<Row> rows = loaded();
        trip(rows, 1, 6, 0, 800);
        trip(rows, 6, 2, 60'000, 800);
        // Two columns: each trip falls in one, the rest between spans the rest.
        const auto points = motion::decimate(rows, 0, rows.back().timeMs, 2);
        QVERIFY(points.size() < rows.size());
        QCOMPARE(describe(motion::graphPath(rows, points, 63'200)),
                 QStringLiteral("move 1>2 0..800, dense 2>6 800..4000, rest 6 4000..60000, "
                                "move 6>5 60000..60800, dense 5>2 60800..63200"));
    }

    void speeds_data()
    {
        QTest::addColumn<double>("height");
        QTest::addColumn<QString>("speeds");
        // Up at 800 ms a step, a jump, down at 400 ms a step, then rest.
        QTest::newRow("3.0 m storeys") << 3.0 << "3.75, 3.75, none, -7.5, -7.5, 0";
        QTest::newRow("4.0 m storeys") << 4.0 << "5, 5, none, -10, -10, 0";
    }

    void speeds()
    {
        QFETCH(double, height);
        QFETCH(QString, speeds);
        const std::vector<Row> rows{
            {0, 1, 1, Event::Start, 800},     {0, 1, 5, Event::Pick, 800},
            {800, 2, 5, Event::Step, 800},    {1600, 3, 5, Event::Step, 800},
            {1600, 5, 3, Event::Pick, 400},   {2000, 4, 3, Event::Step, 400},
            {2400, 3, 3, Event::Arrive, 400},
        };
        const auto points = motion::decimate(rows, 0, rows.back().timeMs, 10'000);
        QStringList found;
        for (const motion::Stretch& stretch : motion::graphPath(rows, points, 3000)) {
            const auto range = motion::speedOver(rows, stretch, motion::StoreyHeight(height));
            if (!range) {
                found << QStringLiteral("none");
                continue;
            }
            QCOMPARE(range->low, range->high);
            found << QString::number(range->low);
        }
        QCOMPARE(found.join(QStringLiteral(", ")), speeds);
    }

    void aTripAt400MsIsTwiceAsFastAsOneAt800Ms()
    {
        std::vector<Row> rows = loaded();
        trip(rows, 1, 3, 0, 800);
        trip(rows, 3, 1, 5000, 400);
        const auto points = motion::decimate(rows, 0, rows.back().timeMs, 10'000);
        std::vector<double> speeds;
        for (const motion::Stretch& stretch : motion::graphPath(rows, points, 6000)) {
            if (stretch.kind == StretchKind::Motion)
                speeds.push_back(motion::speedOver(rows, stretch, {})->high);
        }
        QCOMPARE(speeds.size(), std::size_t(4));
        QCOMPARE(speeds.front(), 3.75);
        QCOMPARE(speeds.back(), -2 * speeds.front());
    }

    void aDenseStretchSpansTheSpeedsOfItsRows()
    {
        // Up, down at 400 ms a step and up again, all in one column.
        std::vector<Row> rows = loaded();
        trip(rows, 1, 3, 0, 800);
        trip(rows, 3, 1, 1600, 400);
        trip(rows, 1, 2, 2400, 800);
        const auto points = motion::decimate(rows, 0, rows.back().timeMs, 1);
        const auto path = motion::graphPath(rows, points, 3200);
        QCOMPARE(describe(path),
                 QStringLiteral("move 1>2 0..800, dense 2>3 800..1600, "
                                "dense 3>1 1600..2400, move 1>2 2400..3200"));
        // From the pick's rest down at 7.5 m/s to the next pick's rest.
        QCOMPARE(motion::speedOver(rows, path.at(2), {}), (motion::SpeedRange{-7.5, 0.0, 0.0}));
    }

    void stepsOfARealTimerKeepTheTripsLevel_data()
    {
        QTest::addColumn<QList<double>>("lateMs");
        QTest::addColumn<int>("rows");
        QTest::newRow("each step 0.1 ms late") << QList<double>{0.1} << 300;
        QTest::newRow("each step 1 ms late") << QList<double>{1.0} << 300;
        QTest::newRow("each step 5 ms late") << QList<double>{5.0} << 300;
        QTest::newRow("each step 0.1 ms early") << QList<double>{-0.1} << 300;
        QTest::newRow("each step 5 ms early") << QList<double>{-5.0} << 300;
        const QList<double> byTurns{0.1, -0.1, 5.0, -5.0, 2.3, -1.7, 0.4, 3.1};
        QTest::newRow("late and early by turns, 0.1 to 5 ms") << byTurns << 300;
        QTest::newRow("100,000 rows, late and early by turns") << byTurns << 100'000;
    }

    void stepsOfARealTimerKeepTheTripsLevel()
    {
        QFETCH(QList<double>, lateMs);
        QFETCH(int, rows);
        // Trips up and down, at 200 to 2000 ms a step, with idle times between.
        constexpr int Targets[] = {11, 1, 6, 2, 9, 3, 11, 1};
        constexpr std::uint16_t Intervals[] = {800, 200, 2000, 400, 800};
        constexpr std::int64_t IdleMs[] = {1500, 4000, 900, 12'000};
        TimedSession session(lateMs);
        for (std::size_t i = 0; session.rows.size() < std::size_t(rows); ++i) {
            session.idle(IdleMs[i % 4]);
            session.trip(Targets[i % 8], Intervals[i % 5]);
        }
        const std::int64_t endMs = session.nowMs();
        const auto fault = [&session, endMs](std::int64_t fromMs, int columns) {
            const auto points = motion::decimate(session.rows, fromMs, endMs, columns);
            return faultWhileMoving(session.rows, motion::graphPath(session.rows, points, endMs),
                                    session.moving);
        };
        QCOMPARE(fault(0, 65'536), QString()); // every row a point
        for (const int columns : ColumnCounts) {
            QVERIFY2(fault(0, columns).isEmpty(),
                     qPrintable(QStringLiteral("whole session, %1 columns: %2")
                                    .arg(columns)
                                    .arg(fault(0, columns))));
            QVERIFY2(fault(endMs - 60'000, columns).isEmpty(),
                     qPrintable(QStringLiteral("last 60 s, %1 columns: %2")
                                    .arg(columns)
                                    .arg(fault(endMs - 60'000, columns))));
        }
    }

    void aWaitMidTripStillShowsAsAStop()
    {
        // Up to 11 on jittered steps, held 2 s before the fifth step.
        TimedSession session({0.4, 3.0, -2.5, 5.0, -0.1});
        session.idle(3000);
        session.trip(11, 800, 2000, 4);
        const std::int64_t endMs = session.nowMs() + 3000;
        const Moving& before = session.moving.at(0);
        const Moving& after = session.moving.at(1);
        for (const int columns : {5, 50, 500, 2000}) {
            const auto points = motion::decimate(session.rows, 0, endMs, columns);
            const auto path = motion::graphPath(session.rows, points, endMs);
            QCOMPARE(faultWhileMoving(session.rows, path, session.moving), QString());
            const auto wait = std::find_if(path.begin(), path.end(), [&before](const auto& s) {
                return s.kind == StretchKind::Rest && s.fromMs == before.toMs;
            });
            QVERIFY2(wait != path.end(), qPrintable(describe(path)));
            QCOMPARE(describe({*wait}),
                     QStringLiteral("rest 5 %1..%2").arg(before.toMs).arg(after.fromMs));
            QCOMPARE(motion::speedOver(session.rows, *wait, {}), (motion::SpeedRange{0, 0, 0}));
            QCOMPARE((wait + 1)->fromMs, after.fromMs);
            QCOMPARE(motion::speedOver(session.rows, *(wait + 1), {})->last, 3.75);
        }
    }

    void aDenseStretchShowsAWaitAmongItsRows_data()
    {
        QTest::addColumn<std::int64_t>("thirdStepMs");
        QTest::addColumn<double>("lowest");
        QTest::newRow("a wait of a second: down to rest") << std::int64_t(7600) << 0.0;
        QTest::newRow("a step 3 ms late: the level") << std::int64_t(6603) << 3.75;
    }

    void aDenseStretchShowsAWaitAmongItsRows()
    {
        QFETCH(std::int64_t, thirdStepMs);
        QFETCH(double, lowest);
        // In one column after a longer rest, so that the rest is the gap
        // drawn exactly and the trip's rows are joined.
        const std::vector<Row> rows{
            {0, 1, 1, Event::Start, 800},
            {5000, 1, 4, Event::Pick, 800},
            {5800, 2, 4, Event::Step, 800},
            {thirdStepMs, 3, 4, Event::Step, 800},
            {thirdStepMs + 800, 4, 4, Event::Arrive, 800},
        };
        const auto points = motion::decimate(rows, 0, rows.back().timeMs, 1);
        const auto path = motion::graphPath(rows, points, rows.back().timeMs);
        QCOMPARE(describe(path),
                 QStringLiteral("rest 1 0..5000, dense 1>4 5000..%1").arg(thirdStepMs + 800));
        QCOMPARE(motion::speedOver(rows, path.back(), {}),
                 (motion::SpeedRange{lowest, 3.75, 3.75}));
    }

    void theLastColumnEndsAtTheLastRow()
    {
        // Up to 7 and down to 5 in one column: 5 is neither its first lowest
        // nor its highest row, yet the cabin rests there afterwards.
        std::vector<Row> rows = loaded();
        trip(rows, 1, 7, 0, 800);
        trip(rows, 7, 5, 4800, 800);
        const auto points = motion::decimate(rows, 0, rows.back().timeMs, 1);
        const auto path = motion::graphPath(rows, points, 60'000);
        QCOMPARE(path.back().kind, StretchKind::Rest);
        QCOMPARE(path.back().toFloor, 5);
        QCOMPARE(path.back().fromMs, rows.back().timeMs);
        QCOMPARE(path.back().toMs, 60'000);
    }
};

QTEST_APPLESS_MAIN(TestGraphPath)
#include "tst_graph_path.moc"
