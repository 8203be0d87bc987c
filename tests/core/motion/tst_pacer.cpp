// The teacher's controls as every face has them: what a typed interval or
// storey height becomes, and the pacer's hold on a step timer that the test
// stands in for, on a model clock whose source the test moves.

#include "core/motion/pacer.h"
#include "core/motion/teacher_controls.h"

#include <QTest>

#include <optional>
#include <string>

using namespace lodarix;

namespace {

struct FakeSteps : motion::PacedSteps {
    bool running = false;
    bool held = false;
    int delivered = 0;
    int periodMs = 800;

    bool stepsRunning() const override { return running; }
    void holdSteps(bool h) override { held = h; }
    void deliverHeldStep() override { ++delivered; }
    void setStepPeriod(int ms) override { periodMs = ms; }
};

} // namespace

class TestPacer : public QObject {
    Q_OBJECT

private slots:
    void typed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("intervalMs"); // -1: kept
        QTest::addColumn<double>("metres");  // -1: kept
        QTest::newRow("a value within range is kept as typed") << "850" << 850 << 4.0;
        QTest::newRow("below range: the shortest") << "150" << 200 << 4.0;
        QTest::newRow("above range: the longest") << "2500" << 2000 << 4.0;
        QTest::newRow("blanks around it") << " 1200 " << 1200 << 4.0;
        QTest::newRow("empty keeps the last") << "" << -1 << -1.0;
        QTest::newRow("letters keep the last") << "abc" << -1 << -1.0;
        QTest::newRow("decimal point, rounded half up") << "3.05" << -1 << 3.1;
        QTest::newRow("decimal comma, as in Bulgarian") << "3,05" << -1 << 3.1;
        QTest::newRow("below half rounds down") << "3,049" << -1 << 3.0;
        QTest::newRow("a whole storey below range") << "2" << 200 << 2.5;
        QTest::newRow("negative: the lowest") << "-3" << 200 << 2.5;
        QTest::newRow("two separators are unreadable") << "3,0,5" << -1 << -1.0;
        QTest::newRow("huge saturates to the end") << "99999999999999999999" << 2000 << 4.0;
    }

    void typed()
    {
        QFETCH(QString, typed);
        QFETCH(int, intervalMs);
        QFETCH(double, metres);
        const std::string text = typed.toStdString();
        QCOMPARE(motion::readIntervalMs(text),
                 intervalMs < 0 ? std::nullopt : std::optional<int>(intervalMs));
        QCOMPARE(motion::readStoreyHeight(text),
                 metres < 0 ? std::nullopt : std::optional<double>(metres));
    }

    void holdsStepsAndClock()
    {
        std::int64_t sourceMs = 0;
        motion::ModelClock clock([&] { return sourceMs; });
        FakeSteps steps;
        motion::Pacer pacer(steps, clock, 800);

        QVERIFY(!pacer.step()); // not paused
        QVERIFY(pacer.setPaused(true));
        QVERIFY(steps.held);
        QVERIFY(!pacer.setPaused(true));
        QVERIFY(!pacer.step()); // paused, but no trip under way
        steps.running = true;
        sourceMs = 5000;
        QVERIFY(pacer.step() && pacer.step());
        QCOMPARE(steps.delivered, 2);
        QCOMPARE(clock.now(), 1600);

        QVERIFY(pacer.typeIntervalMs("850"));
        QCOMPARE(steps.periodMs, 850);
        QVERIFY(!pacer.typeIntervalMs("x"));
        QVERIFY(pacer.nudgeIntervalMs(1));
        QCOMPARE(pacer.intervalMs(), 950);
        QVERIFY(pacer.nudgeIntervalMs(-100));
        QCOMPARE(pacer.intervalMs(), motion::ShortestIntervalMs);
        // The form's code set the period: the field follows, the timer has it.
        QVERIFY(pacer.followPeriod(400));
        QCOMPARE(pacer.intervalMs(), 400);
        QCOMPARE(steps.periodMs, motion::ShortestIntervalMs);
        QVERIFY(!pacer.followPeriod(400));

        QVERIFY(pacer.typeStoreyHeight("3,05"));
        QVERIFY(pacer.nudgeStoreyHeight(2));
        QCOMPARE(pacer.storeyHeight().metres(), 3.3);
        QVERIFY(!pacer.typeStoreyHeight(""));

        QVERIFY(pacer.setPaused(false));
        QVERIFY(!steps.held);
        sourceMs = 5100;
        QCOMPARE(clock.now(), 1700);
    }
};

QTEST_APPLESS_MAIN(TestPacer)
#include "tst_pacer.moc"
