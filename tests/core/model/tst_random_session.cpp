// Many thousands of random user actions and timer steps through the model,
// checking after each what must always hold.

#include "scenario.h"

#include "tests/support/model_guarantees.h"

#include <QTest>

#include <random>

using namespace lodarix;

using lodarix::Grille;

class TestRandomSession : public QObject {
    Q_OBJECT

private slots:
    void invariantsHoldThroughoutARandomSession_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2024") << 2024u;
        QTest::newRow("seed 977") << 977u;
    }

    void invariantsHoldThroughoutARandomSession()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> action(0, 9);
        std::uniform_int_distribution<int> floor(0, lift::FloorTable::Highest);

        lodarix::LodarixModel model;
        model.load();
        int trips = 0;
        for (int i = 0; i < 20000; ++i) {
            const int kind = action(random);
            const std::string before = model.window().statusText();
            const bool wasRunning = model.window().isEnabled("Timer1");
            if (kind == 0) {
                model.clickGrilleButton(Grille::Open);
            } else if (kind <= 2) {
                model.clickGrilleButton(Grille::Closed);
            } else if (kind == 3) {
                const bool accepted = model.grille() == Grille::Closed;
                model.clickFloorButton(static_cast<lift::FloorIndex>(floor(random)));
                trips += accepted;
                if (!accepted)
                    QCOMPARE(model.window().statusText(),
                             std::string("Затворете предпазната решетка!"));
            } else {
                model.timerPeriod();
                if (wasRunning)
                    QVERIFY2(model.window().statusText().starts_with(before),
                             "a step only appends");
                else
                    QCOMPARE(model.window().statusText(), before);
            }
            checkInvariants(model);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("broken after action %1").arg(i)));
        }
        QVERIFY(trips > 1000);
    }

private:
    static void checkInvariants(const lodarix::LodarixModel& model)
    {
        const std::string broken = test_support::brokenGuarantee(model);
        QVERIFY2(broken.empty(), broken.c_str());
    }
};

QTEST_APPLESS_MAIN(TestRandomSession)
#include "tst_random_session.moc"
