// What the graphs draw through a record: a step's motion in its own interval
// before the step row, rest before it after a pause or a change of interval,
// jumps as marks, a long rest kept level where decimation left rows out, and
// the speeds of each stretch, set by the interval in force at each step.

#include "core/motion/decimation.h"
#include "core/motion/graph_path.h"

#include <QTest>

#include <vector>

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
            {1300, 3, 3, Event::Arrive, 400},
        };
        QTest::newRow("a shorter interval: the step moves at its own pace")
            << faster << 1300LL << "move 1>2 0..800, rest 2 800..900, move 2>3 900..1300";

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
        QCOMPARE(motion::speedOver(rows, path.at(2), {}), (motion::SpeedRange{-7.5, 0.0}));
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
