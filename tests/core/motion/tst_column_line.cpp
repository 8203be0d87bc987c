// A graph's line as the faces draw it: few segments as they are, many thinned
// to the plot's pixel columns with every column's lowest and highest value
// in the order reached, the columns joined while the segments are, a break
// ending a polyline; the same line as the page's numbers; and the speed
// graph's segments through a path.

#include "core/motion/column_line.h"
#include "core/motion/graph_line.h"

#include <QTest>

#include <optional>
#include <vector>

using namespace lodarix;
using motion::LinePoint;
using motion::PlotColumns;

Q_DECLARE_METATYPE(std::vector<motion::LineSegment>)
Q_DECLARE_METATYPE(motion::PlotColumns)

namespace {

// The segments of polylines given as "x,y x,y ... | x,y ...".
std::vector<motion::LineSegment> segments(const QString& polylines)
{
    std::vector<motion::LineSegment> all;
    for (const QString& polyline : polylines.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        std::vector<LinePoint> points;
        for (const QString& point : polyline.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            points.push_back({point.section(QLatin1Char(','), 0, 0).toDouble(),
                              point.section(QLatin1Char(','), 1, 1).toDouble()});
        for (std::size_t i = 1; i < points.size(); ++i)
            all.push_back({points[i - 1], points[i]});
    }
    return all;
}

// The drawn line written as segments() reads it.
QString describe(const motion::DrawnLine& line)
{
    QStringList polylines;
    std::size_t begin = 0;
    for (const std::size_t end : line.ends) {
        QStringList points;
        for (std::size_t i = begin; i < end; ++i)
            points << QStringLiteral("%1,%2").arg(line.points[i].x).arg(line.points[i].y);
        polylines << points.join(QLatin1Char(' '));
        begin = end;
    }
    return polylines.join(QStringLiteral(" | "));
}

} // namespace

class TestColumnLine : public QObject {
    Q_OBJECT

private slots:
    void theLineThroughTheSegments_data()
    {
        QTest::addColumn<QString>("segments");
        QTest::addColumn<PlotColumns>("plot");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<bool>("thinned");
        const PlotColumns three{10, 3};
        QTest::newRow("nothing to draw") << "" << three << "" << false;
        QTest::newRow("few segments as they are, broken where they are")
            << "10,5 12,7 13,1 | 13,4 20,4" << three << "10,5 12,7 13,1 | 13,4 20,4" << false;
        QTest::newRow("a peak within a column kept, low then high")
            << "10,5 10.2,2 10.4,9 10.6,4 10.8,5" << three << "10.5,2 10.5,9" << true;
        QTest::newRow("the same reached high then low")
            << "10,5 10.2,9 10.4,2 10.6,4 10.8,5" << three << "10.5,9 10.5,2" << true;
        QTest::newRow("columns joined, a segment reaching each where it crosses it")
            << "10,0 10.5,0 11,2 12,4 13,6" << three << "10.5,0 10.5,2 11.5,2 11.5,4 12.5,4 12.5,6"
            << true;
        QTest::newRow("a break between columns ends the polyline")
            << "10,1 10.5,1 11,1 | 12,7 12.5,3 13,7" << three << "10.5,1 11.5,1 | 12.5,7 12.5,3"
            << true;
        QTest::newRow("a break within a column spans it")
            << "10,1 10.5,1 11.2,1 | 11.2,7 12.5,7 13,7" << three << "10.5,1 11.5,1 11.5,7 12.5,7"
            << true;
        QTest::newRow("a lone column at one value drawn across it")
            << "10,1 10.5,1 11,1 | 12.2,7 12.4,7 12.6,7" << three << "10.5,1 11.5,1 | 12,7 13,7"
            << true;
        QTest::newRow("device pixels are the columns")
            << "10,1 10.2,3 10.4,1 10.6,5 10.8,1" << PlotColumns{10, 1, 2}
            << "10.25,1 10.25,3 10.75,5 10.75,1" << true;
        QTest::newRow("a plot narrower than a column is one column")
            << "10,3 10.1,8 10.2,3" << PlotColumns{10, 0.4} << "10.2,3 10.2,8" << true;
        QTest::newRow("outside the plot, nothing drawn")
            << "0,9 5,9 10,1 10.5,1 11,1 13,1 20,9" << three << "10.5,1 11.5,1 12.5,1" << true;
    }
    void theLineThroughTheSegments()
    {
        QFETCH(QString, segments);
        QFETCH(PlotColumns, plot);
        QFETCH(QString, drawn);
        QFETCH(bool, thinned);
        const motion::DrawnLine line = motion::columnLine(::segments(segments), plot);
        QCOMPARE(describe(line), drawn);
        QCOMPARE(line.thinned, thinned);
    }

    void thePageReadsWhetherThinnedThenEachPolylineAsItsCountThenItsPoints()
    {
        const auto line = motion::columnLine(segments("1,2 3,4 | 5,6 7,8 9,10"), {0, 10});
        QCOMPARE(motion::lineNumbers(line),
                 (std::vector<double>{0, 2, 1, 2, 3, 4, 3, 5, 6, 7, 8, 9, 10}));
        const auto thinned = motion::columnLine(segments("0,1 0.5,3 1,2"), {0, 1});
        QCOMPARE(motion::lineNumbers(thinned), (std::vector<double>{1, 2, 0.5, 1, 0.5, 3}));
    }

    void theSpeedLineRunsThroughTheStretchesEndsAndBreaksAtAJump()
    {
        using motion::StretchKind;
        const std::vector<motion::Stretch> path{{0, 800, 1, 2, StretchKind::Motion, 1, 1},
                                                {800, 800, 2, 5, StretchKind::Jump, 2, 2},
                                                {800, 1600, 5, 5, StretchKind::Rest, 2, 2},
                                                {1600, 2400, 5, 6, StretchKind::Dense, 3, 9}};
        const std::vector<std::optional<motion::SpeedRange>> speeds{
            motion::SpeedRange{3.75, 3.75, 3.75}, std::nullopt, motion::SpeedRange{0, 0, 0},
            motion::SpeedRange{-1, 2, 1}};
        const motion::PlotScale scale{0, 0, 2400, 8, {0, 2400}, -4, 4};
        QCOMPARE(describe(motion::columnLine(motion::speedLine(path, speeds, scale), {0, 2400})),
                 QStringLiteral("0,0.25 800,0.25 | 800,4 1600,4 1600,5 1600,2 1600,3 2400,3"));
    }

    // Floor 0: the form's code left the floor as none, and the line a gap.
    void thePositionLineLeavesAGapWhereTheFloorIsNone()
    {
        using motion::StretchKind;
        const std::vector<motion::Stretch> path{{0, 800, 1, 2, StretchKind::Motion, 1, 1},
                                                {800, 1600, 2, 0, StretchKind::Motion, 2, 2},
                                                {1600, 2400, 0, 0, StretchKind::Rest, 2, 2},
                                                {2400, 3200, 0, 4, StretchKind::Motion, 3, 3},
                                                {3200, 4000, 4, 4, StretchKind::Rest, 3, 3}};
        const motion::PlotScale scale{0, 0, 4000, 10, {0, 4000}, 0, 10};
        QCOMPARE(describe(motion::columnLine(motion::positionLine(path, scale), {0, 4000})),
                 QStringLiteral("0,9 800,8 | 3200,6 4000,6"));
    }
};

QTEST_APPLESS_MAIN(TestColumnLine)
#include "tst_column_line.moc"
