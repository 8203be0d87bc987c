// The built program in a real X server: a trip to floor 11 on the step
// timer's own steps, then F2, and the speed graph as a screenshot of the
// motion window shows it, in the last 60 s and over the whole session: at
// rest, one edge up, the level unbroken over the trip, one edge down, at rest.

#include "main_window_shots.h"
#include "x_server.h"

#include <QProcess>
#include <QTest>

#include <cstdlib>
#include <vector>

using namespace main_window;

namespace {

const QString MotionTitle = QStringLiteral("графика на движението");

// The speed line's colour, drawn over white or over the grey zero line,
// antialiased; the position graph's blue and the grey and black of the
// axes are not.
bool isSpeedLine(QColor pixel)
{
    return pixel.red() > pixel.green() + 50 && pixel.red() > pixel.blue() + 50
        && std::abs(pixel.green() - pixel.blue()) < 30;
}

// The topmost and lowest rows of the line in each column of a shot, from
// the first column where it shows; -1 where a column has none of it.
struct SpeedLine {
    int firstColumn = -1;
    std::vector<int> top;
    std::vector<int> bottom;

    int columns() const { return static_cast<int>(top.size()); }
    bool tall(int column) const { return bottom[column] - top[column] > 12; }
};

SpeedLine speedLineIn(const QImage& shot)
{
    SpeedLine line;
    for (int x = 0; x < shot.width(); ++x) {
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < shot.height(); ++y) {
            if (!isSpeedLine(shot.pixelColor(x, y)))
                continue;
            if (top < 0)
                top = y;
            bottom = y;
        }
        if (top < 0 && line.firstColumn < 0)
            continue;
        if (line.firstColumn < 0)
            line.firstColumn = x;
        line.top.push_back(top);
        line.bottom.push_back(bottom);
    }
    while (!line.top.empty() && line.top.back() < 0) {
        line.top.pop_back();
        line.bottom.pop_back();
    }
    return line;
}

// What a screenshot shows of the trip: fault empty when the line rests,
// rises at one edge, keeps its level, falls at one edge and rests again;
// width, the columns between its first and last edges.
struct TripShape {
    QString fault;
    int width = 0;
};

TripShape tripShape(const QImage& shot)
{
    const SpeedLine line = speedLineIn(shot);
    std::vector<std::pair<int, int>> edges; // runs of adjacent tall columns
    for (int x = 0; x < line.columns(); ++x) {
        if (line.top[x] < 0 || !line.tall(x))
            continue;
        if (!edges.empty() && edges.back().second == x - 1)
            edges.back().second = x;
        else
            edges.emplace_back(x, x);
    }
    TripShape shape;
    if (edges.size() >= 2)
        shape.width = edges.back().first - edges.front().second;
    QStringList at;
    for (const auto& [from, to] : edges)
        at << QStringLiteral("%1..%2").arg(line.firstColumn + from).arg(line.firstColumn + to);
    if (edges.size() != 2) {
        shape.fault = QStringLiteral("%1 edges, at columns %2")
                          .arg(edges.size())
                          .arg(at.join(QStringLiteral(", ")));
        return shape;
    }
    const int rest = line.top[0];
    const int level = line.top[(edges[0].second + edges[1].first) / 2];
    if (level > rest - 30)
        shape.fault =
            QStringLiteral("the level, row %1, is not above rest, row %2").arg(level).arg(rest);
    for (int x = 0; x < line.columns() && shape.fault.isEmpty(); ++x) {
        const auto on = [x](std::pair<int, int> edge) {
            return x >= edge.first && x <= edge.second;
        };
        if (on(edges[0]) || on(edges[1]))
            continue;
        const int expected = x > edges[0].second && x < edges[1].first ? level : rest;
        if (line.top[x] < 0)
            shape.fault = QStringLiteral("no line in column %1").arg(line.firstColumn + x);
        else if (std::abs(line.top[x] - expected) > 3 || std::abs(line.bottom[x] - expected) > 4)
            shape.fault = QStringLiteral("column %1 spans rows %2..%3, away from row %4")
                              .arg(line.firstColumn + x)
                              .arg(line.top[x])
                              .arg(line.bottom[x])
                              .arg(expected);
    }
    return shape;
}

} // namespace

class TestSpeedGraphEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void aTripOnTheTimersStepsShowsTwoEdges()
    {
        XServer x;
        QVERIFY2(x.start(QSize(1920, 1200)), "Xvfb did not start");
        QProcess program;
        program.setProcessEnvironment(x.environment());
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(LODARIX_PROGRAM), {});
        QVERIFY(program.waitForStarted());

        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = x.findWindow(TitleText)).isEmpty(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(markers(x.grab(window), 1), QStringLiteral("ciiiiiiiiii"), 20000);
        QVERIFY(x.click(window, grilleClosedButton()));
        QVERIFY(x.click(window, floorButton(10).center()));
        QTRY_COMPARE_WITH_TIMEOUT(markers(x.grab(window), 1), QStringLiteral("iiiiiiiiiic"), 30000);

        QVERIFY(x.pressKeys({QStringLiteral("F2")}));
        QString motion;
        QTRY_VERIFY_WITH_TIMEOUT(!(motion = x.findWindow(MotionTitle)).isEmpty(), 20000);
        // A shot may catch the window between two of its paints: the shape is
        // waited for, and the fault of the last shot is what a failure reports.
        TripShape recent;
        QTRY_VERIFY2_WITH_TIMEOUT((recent = tripShape(x.grab(motion))).width > 0
                                      && recent.fault.isEmpty(),
                                  qPrintable(QStringLiteral("last 60 s: ") + recent.fault), 20000);

        // From "Пауза", which has the focus, past the interval and the storey
        // height ("Стъпка" is off while the steps run) to "Цялата сесия".
        QVERIFY(x.pressKeys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                             QStringLiteral("space")}));
        TripShape whole;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (whole = tripShape(x.grab(motion))).width > recent.width + 10 && whole.fault.isEmpty(),
            qPrintable(QStringLiteral("whole session: ") + whole.fault), 20000);

        program.terminate();
        QVERIFY(program.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestSpeedGraphEndToEnd)
#include "tst_speed_graph_e2e.moc"
