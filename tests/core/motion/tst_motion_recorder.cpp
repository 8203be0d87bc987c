// The motion record of whole sessions, row by row, and the recorder's own
// contract: times from the load on the caller's clock, the interval each row
// keeps, and events out of turn refused.

#include "core/form/lodarix_form.h"
#include "core/model/lodarix_model.h"
#include "core/motion/motion_csv.h"
#include "core/motion/motion_recorder.h"
#include "session.h"

#include <QTest>

#include <stdexcept>

using namespace lodarix;

namespace {

QStringList csvRows(std::span<const motion::Row> rows)
{
    QStringList lines = QString::fromStdString(motion::toCsv(rows)).split(QLatin1Char('\n'));
    lines.removeFirst(); // the header
    lines.removeLast();  // after the last line end
    return lines;
}

// The model observed by a recorder on a clock the test sets.
struct Watched {
    std::int64_t nowMs = 0;
    motion::MotionRecorder recorder{[this] { return nowMs; }, lodarix::stepPeriodMs()};
    lodarix::LodarixModel model;

    Watched() { model.setRuleObserver(&recorder); }

    void load() { model.load(); }
    void pick(int floorNumber)
    {
        model.clickFloorButton(static_cast<lift::FloorIndex>(floorNumber - 1));
    }
    void step() { model.timerPeriod(); }
};

} // namespace

class TestMotionRecorder : public QObject {
    Q_OBJECT

private slots:
    void sessionsGiveTheirRows_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("just loaded") << "" << QStringList{"0.000,1,1,start"};
        QTest::newRow("a trip up to its arrival")
            << "close, pick 4, tick 3"
            << QStringList{"0.000,1,1,start", "0.000,1,4,pick", "0.800,2,4,step", "1.600,3,4,step",
                           "2.400,4,4,arrive"};
        QTest::newRow("a trip down starts at the last stop")
            << "close, pick 3, tick 2, close, pick 1, tick 2"
            << QStringList{"0.000,1,1,start",  "0.000,1,3,pick", "0.800,2,3,step",
                           "1.600,3,3,arrive", "1.600,3,1,pick", "2.400,2,1,step",
                           "3.200,1,1,arrive"};
        QTest::newRow("a pick with the grille open makes no row")
            << "pick 4, tick 2" << QStringList{"0.000,1,1,start"};
        QTest::newRow("ticks with the timer stopped only pass time")
            << "tick 2, close, pick 2, tick 3"
            << QStringList{"0.000,1,1,start", "1.600,1,2,pick", "2.400,2,2,arrive"};
        QTest::newRow("the cabin's own floor: one step that arrives")
            << "close, pick 1, tick 2"
            << QStringList{"0.000,1,1,start", "0.000,1,1,pick", "0.800,1,1,arrive"};
        QTest::newRow("a pick during a trip jumps to the old target")
            << "close, pick 5, tick, pick 2, tick 3"
            << QStringList{"0.000,1,1,start", "0.000,1,5,pick", "0.800,2,5,step",  "0.800,5,2,pick",
                           "1.600,4,2,step",  "2.400,3,2,step", "3.200,2,2,arrive"};
        QTest::newRow("the grille opened during a trip refuses the next pick")
            << "close, pick 3, open, pick 9, tick 2"
            << QStringList{"0.000,1,1,start", "0.000,1,3,pick", "0.800,2,3,step",
                           "1.600,3,3,arrive"};
    }

    void sessionsGiveTheirRows()
    {
        QFETCH(QString, commands);
        QFETCH(QStringList, rows);
        const auto recorded = session::recorded(commands);
        QCOMPARE(csvRows(recorded->recorder().rows()), rows);
    }

    void timesCountFromTheLoadOnTheCallersClock()
    {
        Watched watched;
        watched.nowMs = 5000;
        watched.load();
        watched.model.clickGrilleButton(lodarix::Grille::Closed);
        watched.nowMs = 5300;
        watched.pick(2);
        watched.nowMs = 4000; // a clock that went back is held at the last row
        watched.step();
        QCOMPARE(csvRows(watched.recorder.rows()),
                 (QStringList{"0.000,1,1,start", "0.300,1,2,pick", "0.300,2,2,arrive"}));
    }

    void eachRowKeepsTheIntervalInForce()
    {
        Watched watched;
        watched.load();
        watched.model.clickGrilleButton(lodarix::Grille::Closed);
        watched.pick(4);
        watched.recorder.setStepInterval(1200);
        watched.step();
        QCOMPARE(watched.recorder.stepInterval(), 1200);
        const auto rows = watched.recorder.rows();
        QCOMPARE(rows.size(), std::size_t{3});
        QCOMPARE(int{rows[1].intervalMs}, lodarix::stepPeriodMs());
        QCOMPARE(rows[2].intervalMs, 1200);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, watched.recorder.setStepInterval(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, watched.recorder.setStepInterval(65536));
    }

    void eventsBeforeTheLoadAreRefused()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 (motion::MotionRecorder{motion::Clock{}, 800}));
        Watched watched;
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 watched.recorder.floorPicked(watched.model.controller(), true));
        watched.load();
        // The form's code may run the timer with no trip: a row of no trip.
        watched.recorder.stepRan(watched.model.controller());
        watched.model.clickGrilleButton(lodarix::Grille::Closed);
        watched.pick(2);
        watched.step(); // arrives
        watched.recorder.stepRan(watched.model.controller());
        QCOMPARE(watched.recorder.rows().size(), std::size_t{5});
        QCOMPARE(watched.recorder.trips().size(), std::size_t{1});
        QCOMPARE(watched.recorder.trips().back().lastRow, std::size_t{3});
    }

    void aNewLoadBeginsANewRecord()
    {
        Watched watched;
        watched.load();
        watched.model.clickGrilleButton(lodarix::Grille::Closed);
        watched.pick(3);
        watched.nowMs = 900;
        watched.load();
        QCOMPARE(csvRows(watched.recorder.rows()), QStringList{"0.000,1,1,start"});
        QVERIFY(watched.recorder.trips().empty());
    }
};

QTEST_GUILESS_MAIN(TestMotionRecorder)
#include "tst_motion_recorder.moc"
