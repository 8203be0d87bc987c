// The lesson's clock against a source the test moves: it runs with the
// source, stands still while paused, runs on from where it stood, and a step
// taken by hand while paused moves it on by the step's interval.

#include "core/motion/model_clock.h"

#include <QTest>

#include <stdexcept>

using namespace lodarix;

class TestModelClock : public QObject {
    Q_OBJECT

private slots:
    void modelTime_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("starts at 0 whatever the source reads") << "" << 0LL;
        QTest::newRow("runs with its source") << "wait 1200" << 1200LL;
        QTest::newRow("stands still while paused") << "wait 500, pause, wait 3000" << 500LL;
        QTest::newRow("runs on from where it stood")
            << "wait 500, pause, wait 3000, resume, wait 200" << 700LL;
        QTest::newRow("a step by hand while paused moves it on")
            << "wait 500, pause, advance 800, wait 1000" << 1300LL;
        QTest::newRow("steps by hand add up and time runs on after them")
            << "pause, advance 800, advance 800, resume, wait 100" << 1700LL;
        QTest::newRow("a second pause changes nothing")
            << "wait 100, pause, wait 100, pause, wait 100, resume, wait 50" << 150LL;
        QTest::newRow("resuming a running clock changes nothing")
            << "wait 100, resume, wait 100" << 200LL;
        QTest::newRow("moved on while running") << "wait 100, advance 400, wait 100" << 600LL;
    }

    void modelTime()
    {
        QFETCH(QString, actions);
        QFETCH(qint64, expected);
        std::int64_t sourceMs = 5'000'000;
        motion::ModelClock clock([&sourceMs] { return sourceMs; });
        for (const QString& action : actions.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList words = action.simplified().split(QLatin1Char(' '));
            const QString& verb = words.at(0);
            if (verb == QLatin1String("wait"))
                sourceMs += words.at(1).toLongLong();
            else if (verb == QLatin1String("pause"))
                clock.pause();
            else if (verb == QLatin1String("resume"))
                clock.resume();
            else if (verb == QLatin1String("advance"))
                clock.advance(words.at(1).toLongLong());
            else
                QFAIL(qPrintable(QStringLiteral("unknown action ") + verb));
        }
        QCOMPARE(clock.now(), expected);
    }

    void refusals()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, motion::ModelClock(motion::Clock{}));
        motion::ModelClock clock([] { return std::int64_t{0}; });
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, clock.advance(-1));
        QCOMPARE(clock.now(), 0);
    }
};

QTEST_APPLESS_MAIN(TestModelClock)
#include "tst_model_clock.moc"
