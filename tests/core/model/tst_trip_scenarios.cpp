// Whole trips through the model window, from load to the state the user sees:
// status text, button markers, cabin and target, timer and grille.

#include "core/texts/main_window_texts.h"
#include "scenario.h"

#include <QTest>

using namespace lodarix;

using lodarix::Grille;
using scenario::lines;

Q_DECLARE_METATYPE(lodarix::Grille)

namespace {

const QString Statement = QString::fromUtf8(lodarix::texts::ExerciseStatement.data(),
                                            qsizetype(lodarix::texts::ExerciseStatement.size()));
const QString Up = QStringLiteral("Асансьорът се качва!");
const QString Down = QStringLiteral("Асансьорът слиза!");
const QString Last = QStringLiteral("Последна спирка!");
const QString Warning = QStringLiteral("Затворете предпазната решетка!");

} // namespace

class TestTripScenarios : public QObject {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("markers");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("timer");
        QTest::addColumn<Grille>("grille");

        QTest::newRow("just loaded")
            << "" << Statement << "ciiiiiiiiii" << 0 << 0 << false << Grille::Open;
        QTest::newRow("grille closed, nothing picked")
            << "close" << Statement << "ciiiiiiiiii" << 0 << 0 << false << Grille::Closed;
        QTest::newRow("worked example at the pick")
            << "close, pick 4" << lines({Up, "Етаж I"}) << "ciitiiiiiii" << 0 << 3 << true
            << Grille::Closed;
        QTest::newRow("worked example after one step")
            << "close, pick 4, tick" << lines({Up, "Етаж I", "Етаж II"}) << "icitiiiiiii" << 1 << 3
            << true << Grille::Closed;
        QTest::newRow("worked example arrived")
            << "close, pick 4, tick 3"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last}) << "iiiciiiiiii" << 3
            << 3 << false << Grille::Open;
        QTest::newRow("steps after arrival change nothing")
            << "close, pick 4, tick 9"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last}) << "iiiciiiiiii" << 3
            << 3 << false << Grille::Open;
        QTest::newRow("downward trip from 6 to 3")
            << "close, pick 6, tick 5, close, pick 3, tick 3"
            << lines({Down, "Етаж VI", "Етаж V", "Етаж IV", "Етаж III", Last}) << "iiciiiiiiii" << 2
            << 2 << false << Grille::Open;
        QTest::newRow("pick refused with the grille open")
            << "pick 4" << Warning << "ciiiiiiiiii" << 0 << 0 << false << Grille::Open;
        QTest::newRow("pick refused after arrival keeps the trip's end")
            << "close, pick 3, tick 2, pick 9" << Warning << "iiciiiiiiii" << 2 << 2 << false
            << Grille::Open;
        QTest::newRow("first pick of floor 1 keeps the statement")
            << "close, pick 1" << Statement + lines({"Етаж I"}) << "tiiiiiiiiii" << 0 << 0 << true
            << Grille::Closed;
        QTest::newRow("first pick of floor 1 then a step")
            << "close, pick 1, tick" << Statement + lines({"Етаж I", "Етаж I", Last})
            << "ciiiiiiiiii" << 0 << 0 << false << Grille::Open;
        QTest::newRow("pick of the cabin's own floor")
            << "close, pick 4, tick 3, close, pick 4"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last, "Етаж IV"})
            << "iiitiiiiiii" << 3 << 3 << true << Grille::Closed;
        QTest::newRow("own floor: the first step ends the trip")
            << "close, pick 4, tick 3, close, pick 4, tick"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last, "Етаж IV", "Етаж IV",
                      Last})
            << "iiiciiiiiii" << 3 << 3 << false << Grille::Open;
        QTest::newRow("pick during a trip starts from the old target")
            << "close, pick 6, tick 2, pick 4" << lines({Down, "Етаж VI"}) << "iiiticiiiii" << 5
            << 3 << true << Grille::Closed;
        QTest::newRow("pick during a trip then its steps")
            << "close, pick 6, tick 2, pick 4, tick 2"
            << lines({Down, "Етаж VI", "Етаж V", "Етаж IV", Last}) << "iiiciiiiiii" << 3 << 3
            << false << Grille::Open;
        QTest::newRow("same direction mid-trip pick says it again")
            << "close, pick 3, tick, pick 11" << lines({Up, "Етаж III"}) << "iiciiiiiiit" << 2 << 10
            << true << Grille::Closed;
        QTest::newRow("grille opened during a trip: the cabin goes on")
            << "close, pick 4, open, tick" << lines({Up, "Етаж I", "Етаж II"}) << "icitiiiiiii" << 1
            << 3 << true << Grille::Open;
        QTest::newRow("grille opened during a trip: arrival")
            << "close, pick 4, open, tick 3"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last}) << "iiiciiiiiii" << 3
            << 3 << false << Grille::Open;
        QTest::newRow("refused pick during a trip: the log goes on after the warning")
            << "close, pick 3, open, pick 9, tick" << Warning + lines({"Етаж II"}) << "ictiiiiiiii"
            << 1 << 2 << true << Grille::Open;
        QTest::newRow("whole building up")
            << "close, pick 11, tick 10"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", "Етаж V", "Етаж VI",
                      "Етаж VII", "Етаж VIII", "Етаж IX", "Етаж X", "Етаж XI", Last})
            << "iiiiiiiiiic" << 10 << 10 << false << Grille::Open;
    }

    void scenarios()
    {
        QFETCH(QString, commands);
        QFETCH(QString, status);
        QFETCH(QString, markers);
        QFETCH(int, current);
        QFETCH(int, target);
        QFETCH(bool, timer);
        QFETCH(Grille, grille);

        lodarix::LodarixModel model;
        model.load();
        scenario::run(model, commands);

        QCOMPARE(scenario::status(model.window()), status);
        QCOMPARE(scenario::markers(model.window()), markers);
        QCOMPARE(int(model.controller().CurrentFloor()), current);
        QCOMPARE(int(model.controller().TargetFloor()), target);
        QCOMPARE(model.window().isEnabled("Timer1"), timer);
        QCOMPARE(model.grille(), grille);
    }

    void theTargetShowsItsColourUntilTheFirstStep()
    {
        lodarix::LodarixModel model;
        model.load();
        scenario::run(model, "close, pick 1");
        QCOMPARE(model.window().backColor("Option1", 0), lift::ColorTarget);
        scenario::run(model, "tick");
        QCOMPARE(model.window().backColor("Option1", 0), lift::ColorCabin);
    }

    void aTripOfNFloorsTakesNSteps()
    {
        for (int from = 1; from <= 11; ++from) {
            for (int to = 1; to <= 11; ++to) {
                lodarix::LodarixModel model;
                model.load();
                scenario::run(
                    model,
                    QStringLiteral("close, pick %1, tick 10, close, pick %2").arg(from).arg(to));
                int steps = 0;
                while (model.window().isEnabled("Timer1")) {
                    model.timerPeriod();
                    ++steps;
                }
                QCOMPARE(steps, std::max(1, std::abs(to - from)));
                QCOMPARE(model.controller().CurrentFloor() + 1, to);
                QVERIFY(scenario::status(model.window()).endsWith(lines({Last})));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestTripScenarios)
#include "tst_trip_scenarios.moc"
