// The teacher's time controls against the trip rules: a pause holds the
// steps while the step timer stays on as the rules set it; "Стъпка" runs one
// step through the timer and lasts one interval of model time; after
// "Продължи" the first step comes a full interval later; the interval
// control sets the timer's period and the speeds; P and S work whichever
// control of the motion window has the focus.

#include "core/motion/speed.h"
#include "desktop/motion_window/step_pacer.h"
#include "motion_session.h"

#include <QElapsedTimer>
#include <QSpinBox>

using namespace lodarix;

using motion_test::MotionSession;
using namespace window_test;

namespace {

lift::FloorIndex cabin(const MotionSession& session)
{
    return session.window.controller().CurrentFloor();
}

void press(MotionSession& session, const char* button)
{
    QTest::mouseClick(session.motionControl<QAbstractButton>(button), Qt::LeftButton);
}

} // namespace

class TestTimeControls : public QObject {
    Q_OBJECT

private slots:
    void aPauseHoldsTheStepsAndLeavesTheTimerOn()
    {
        MotionSession session;
        session.tripTo(5);
        timerPeriod(session.window);
        press(session, "pauseButton");
        QVERIFY(session.host.pacer().paused());
        const QString status = statusText(session.window);
        const std::size_t rows = session.recorder().rows().size();
        for (int i = 0; i < 3; ++i) {
            timerPeriod(session.window);
            QVERIFY(stepTimer(session.window)->isActive());
        }
        QCOMPARE(cabin(session), lift::FloorIndex(1));
        QCOMPARE(statusText(session.window), status);
        QCOMPARE(session.recorder().rows().size(), rows);
        press(session, "pauseButton");
        QVERIFY(!session.host.pacer().paused());
        QVERIFY(stepTimer(session.window)->isActive());
        timerPeriod(session.window);
        QCOMPARE(cabin(session), lift::FloorIndex(2));
    }

    void eachStepByHandRunsOneStepAndLastsOneInterval()
    {
        MotionSession session;
        session.tripTo(3);
        press(session, "pauseButton");
        session.sourceMs += 60'000; // model time stands still meanwhile
        const std::int64_t pausedAt = session.recorder().nowMs();
        for (int step = 1; step <= 3; ++step) {
            press(session, "stepButton");
            QCOMPARE(cabin(session), lift::FloorIndex(step));
            const motion::Row& row = session.recorder().rows().back();
            QCOMPARE(row.timeMs, pausedAt + 800 * step);
            QCOMPARE(int(row.floor), step + 1);
        }
        QCOMPARE(session.recorder().rows().back().event, motion::Event::Arrive);
        QVERIFY(!stepTimer(session.window)->isActive());
        press(session, "stepButton"); // the steps are off: nothing
        QCOMPARE(cabin(session), lift::FloorIndex(3));
        QCOMPARE(session.recorder().nowMs(), pausedAt + 2400);
        QVERIFY(session.errors.isEmpty());
    }

    void aPickWhilePausedWaitsForContinueOrAStep()
    {
        MotionSession session;
        session.openMotionWindow();
        press(session, "pauseButton");
        session.tripTo(2);
        QVERIFY(stepTimer(session.window)->isActive());
        timerPeriod(session.window);
        QCOMPARE(cabin(session), lift::FloorIndex(0));
        press(session, "stepButton");
        QCOMPARE(cabin(session), lift::FloorIndex(1));
        press(session, "pauseButton");
        timerPeriod(session.window);
        QCOMPARE(cabin(session), lift::FloorIndex(2));
    }

    void closingTheMotionWindowLetsTheStepsGoOn()
    {
        MotionSession session;
        session.tripTo(2);
        press(session, "pauseButton");
        session.host.motionWindow()->close();
        QVERIFY(!session.host.pacer().paused());
        timerPeriod(session.window);
        QCOMPARE(cabin(session), lift::FloorIndex(1));
    }

    void theFirstStepAfterContinuingComesAFullIntervalLater()
    {
        MotionSession session;
        session.tripTo(10);
        QTimer* timer = stepTimer(session.window);
        QTRY_VERIFY(timer->remainingTime() < 600);
        lodarix::StepPacer& pacer = session.host.pacer();
        // However long the machine takes to get here, a period begun anew has
        // more left than the old one could have.
        QElapsedTimer sinceContinuing;
        sinceContinuing.start();
        pacer.setPaused(true);
        pacer.setPaused(false);
        QVERIFY(timer->isActive());
        const int remaining = timer->remainingTime();
        QVERIFY2(remaining > 800 - 50 - sinceContinuing.elapsed(),
                 qPrintable(QString::number(remaining)));
    }

    void theIntervalControlSetsThePeriodAndTheSpeeds_data()
    {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("intervalMs");
        QTest::newRow("the shortest") << 200 << 200;
        QTest::newRow("half the default") << 400 << 400;
        QTest::newRow("the longest") << 2000 << 2000;
        QTest::newRow("below the range") << 50 << 200;
        QTest::newRow("above the range") << 5000 << 2000;
    }

    void theIntervalControlSetsThePeriodAndTheSpeeds()
    {
        QFETCH(int, typed);
        QFETCH(int, intervalMs);
        MotionSession session;
        QCOMPARE(stepTimer(session.window)->interval(), 800);
        auto* interval = session.motionControl<QSpinBox>("intervalBox");
        QCOMPARE(interval->value(), 800);
        interval->setValue(typed);
        QCOMPARE(stepTimer(session.window)->interval(), intervalMs);
        session.tripTo(1);
        session.host.pacer().setPaused(true);
        press(session, "stepButton");
        const auto rows = session.recorder().rows();
        QCOMPARE(int(rows.back().intervalMs), intervalMs);
        QCOMPARE(rows.back().timeMs - rows[rows.size() - 2].timeMs, std::int64_t(intervalMs));
        const auto speed = motion::speedEndingAt(rows, rows.size() - 1, {});
        QVERIFY(speed);
        QCOMPARE(*speed, 3.0 * 1000 / intervalMs);
    }

    void typedValuesAreReadByTheCoresRule_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("an interval as typed") << "intervalBox"
                                              << "850"
                                              << "850";
        QTest::newRow("an interval below range") << "intervalBox"
                                                 << "150"
                                                 << "200";
        QTest::newRow("an interval above range") << "intervalBox"
                                                 << "2500"
                                                 << "2000";
        QTest::newRow("an empty interval keeps it") << "intervalBox"
                                                    << ""
                                                    << "800";
        QTest::newRow("an unreadable interval keeps it") << "intervalBox"
                                                         << "abc"
                                                         << "800";
        QTest::newRow("a height with a point") << "storeyHeightBox"
                                               << "3.05"
                                               << "3,1";
        QTest::newRow("a height with a comma") << "storeyHeightBox"
                                               << "3,05"
                                               << "3,1";
        QTest::newRow("a height below range") << "storeyHeightBox"
                                              << "2"
                                              << "2,5";
        QTest::newRow("an empty height keeps it") << "storeyHeightBox"
                                                  << ""
                                                  << "3,0";
        QTest::newRow("an unreadable height keeps it") << "storeyHeightBox"
                                                       << "x"
                                                       << "3,0";
    }

    void typedValuesAreReadByTheCoresRule()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        MotionSession session;
        auto* box = session.motionControl<QAbstractSpinBox>(field.toLatin1().constData());
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, typed);
        box->interpretText();
        QCOMPARE(box->text(), shown);
        const auto& pacer = session.host.pacer();
        QCOMPARE(field == "intervalBox"
                     ? QString::number(pacer.intervalMs())
                     : QString::number(pacer.storeyHeight().metres(), 'f', 1).replace('.', ','),
                 shown);
        QCOMPARE(stepTimer(session.window)->interval(), pacer.intervalMs());
    }

    void lettersWorkWhicheverControlHasTheFocus_data()
    {
        QTest::addColumn<QString>("focused");
        for (const char* name : {"pauseButton", "intervalBox", "storeyHeightBox", "wholeSessionBox",
                                 "positionGraph", "speedGraph", "tripTable", "saveCsvButton"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void lettersWorkWhicheverControlHasTheFocus()
    {
        QFETCH(QString, focused);
        MotionSession session;
        lodarix::MotionWindow& motionWindow = session.openMotionWindow();
        QVERIFY(QTest::qWaitForWindowActive(&motionWindow));
        session.tripTo(3);
        auto* control = motionWindow.findChild<QWidget*>(focused);
        control->setFocus(Qt::TabFocusReason);
        QVERIFY(control->hasFocus());
        QTest::keyClick(control, Qt::Key_P);
        QVERIFY(session.host.pacer().paused());
        QTest::keyClick(control, Qt::Key_S);
        QTest::keyClick(control, Qt::Key_S);
        QCOMPARE(cabin(session), lift::FloorIndex(2));
        QTest::keyClick(control, Qt::Key_P);
        QVERIFY(!session.host.pacer().paused());
    }
};

QTEST_MAIN(TestTimeControls)
#include "tst_time_controls.moc"
