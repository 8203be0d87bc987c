// What a graph of the record reads: the rows of a span of time, and the
// points left after reducing a span to its pixel columns (lowest and highest
// floor of each column, jumps kept, a neighbour row on each side).

#include "core/motion/decimation.h"
#include "core/motion/time_range.h"

#include <QTest>

#include <vector>

using namespace lodarix;

Q_DECLARE_METATYPE(std::vector<motion::Row>)

namespace {

using motion::Event;

// Up from 1 toward 4, a pick at floor 2 that jumps to 4 and goes on to 6.
const std::vector<motion::Row> Jumping{
    {0, 1, 1, Event::Start, 800},  {0, 1, 4, Event::Pick, 800},    {800, 2, 4, Event::Step, 800},
    {800, 4, 6, Event::Pick, 800}, {1600, 5, 6, Event::Step, 800}, {2400, 6, 6, Event::Arrive, 800},
};

// Up from 1 to 6, then down to 2.
const std::vector<motion::Row> UpAndDown{
    {0, 1, 1, Event::Start, 800},     {0, 1, 6, Event::Pick, 800},
    {800, 2, 6, Event::Step, 800},    {1600, 3, 6, Event::Step, 800},
    {2400, 4, 6, Event::Step, 800},   {3200, 5, 6, Event::Step, 800},
    {4000, 6, 6, Event::Arrive, 800}, {4000, 6, 2, Event::Pick, 800},
    {4800, 5, 2, Event::Step, 800},   {5600, 4, 2, Event::Step, 800},
    {6400, 3, 2, Event::Step, 800},   {7200, 2, 2, Event::Arrive, 800},
};

// The rows the points stand for, a jump marked with *.
QString kept(const std::vector<motion::PlotPoint>& points)
{
    QStringList rows;
    for (const motion::PlotPoint& point : points)
        rows << QString::number(point.row) + (point.jump ? QStringLiteral("*") : QString());
    return rows.join(QLatin1Char(' '));
}

} // namespace

class TestPlotViews : public QObject {
    Q_OBJECT

private slots:
    void rowsInTime_data()
    {
        QTest::addColumn<qint64>("fromMs");
        QTest::addColumn<qint64>("toMs");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("the whole record") << 0LL << 2400LL << 0 << 6;
        QTest::newRow("both ends included") << 800LL << 1600LL << 2 << 5;
        QTest::newRow("rows at the same time") << 800LL << 800LL << 2 << 4;
        QTest::newRow("between rows") << 900LL << 1500LL << 4 << 4;
        QTest::newRow("before the load") << -500LL << -1LL << 0 << 0;
        QTest::newRow("after the last row") << 2401LL << 9000LL << 6 << 6;
        QTest::newRow("a span backwards") << 1600LL << 800LL << 4 << 4;
    }

    void rowsInTime()
    {
        QFETCH(qint64, fromMs);
        QFETCH(qint64, toMs);
        QFETCH(int, first);
        QFETCH(int, last);
        const motion::RowRange range = motion::rowsInTime(Jumping, fromMs, toMs);
        QCOMPARE(range.first, std::size_t(first));
        QCOMPARE(range.last, std::size_t(last));
    }

    void decimate_data()
    {
        QTest::addColumn<std::vector<motion::Row>>("rows");
        QTest::addColumn<qint64>("fromMs");
        QTest::addColumn<qint64>("toMs");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("points");
        QTest::newRow("a column keeps its lowest and highest rows")
            << UpAndDown << 0LL << 7999LL << 2 << "0 5 6 11";
        QTest::newRow("one column for all") << UpAndDown << 0LL << 7200LL << 1 << "0 6";
        QTest::newRow("a wide graph keeps each row with a floor of its own")
            << UpAndDown << 0LL << 7200LL << 1000 << "0 2 3 4 5 6 8 9 10 11";
        QTest::newRow("a jump between the lowest and highest is kept")
            << Jumping << 0LL << 2400LL << 1 << "0 3* 5";
        QTest::newRow("the neighbours of the span come along")
            << Jumping << 800LL << 1600LL << 10 << "1 2 3* 4 5";
        QTest::newRow("a span with no row gives its neighbours")
            << UpAndDown << 900LL << 1500LL << 10 << "2 3";
        QTest::newRow("no columns") << UpAndDown << 0LL << 7200LL << 0 << "";
        QTest::newRow("a span backwards") << UpAndDown << 7200LL << 0LL << 10 << "";
    }

    void decimate()
    {
        QFETCH(std::vector<motion::Row>, rows);
        QFETCH(qint64, fromMs);
        QFETCH(qint64, toMs);
        QFETCH(int, columns);
        QFETCH(QString, points);
        QCOMPARE(kept(motion::decimate(rows, fromMs, toMs, columns)), points);
    }
};

QTEST_GUILESS_MAIN(TestPlotViews)
#include "tst_plot_views.moc"
