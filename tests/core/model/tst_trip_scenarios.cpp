// Whole trips through the model window, from load to the state the user sees:
// status text, button markers, cabin and target, timer and grille.

#include "core/texts/main_window_texts.h"
#include "scenario.h"

#include <QTest>

using namespace lodarix;

using lodarix::Grille;
using scenario::lines;
using scenario::ticks;

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
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("markers");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("timer");
        QTest::addColumn<Grille>("grille");

        QTest::newRow("just loaded")
            << "" << Statement << "ciiiiiiiiii" << 0 << 0 << false << Grille::Open;
        QTest::newRow("grille closed, nothing picked")
            << "close\n"
            << Statement << "ciiiiiiiiii" << 0 << 0 << false << Grille::Closed;
        QTest::newRow("worked example at the pick")
            << "close\npick 4\n"
            << lines({Up, "Етаж I"}) << "ciitiiiiiii" << 0 << 3 << true << Grille::Closed;
        QTest::newRow("worked example after one step")
            << "close\npick 4\ntick\n"
            << lines({Up, "Етаж I", "Етаж II"}) << "icitiiiiiii" << 1 << 3 << true
            << Grille::Closed;
        QTest::newRow("worked example arrived")
            << "close\npick 4\n" + ticks(3)
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last}) << "iiiciiiiiii" << 3
            << 3 << false << Grille::Open;
        QTest::newRow("steps after arrival change nothing")
            << "close\npick 4\n" + ticks(9)
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last}) << "iiiciiiiiii" << 3
            << 3 << false << Grille::Open;
        QTest::newRow("downward trip from 6 to 3")
            << "close\npick 6\n" + ticks(5) + "close\npick 3\n" + ticks(3)
            << lines({Down, "Етаж VI", "Етаж V", "Етаж IV", "Етаж III", Last}) << "iiciiiiiiii" << 2
            << 2 << false << Grille::Open;
        QTest::newRow("pick refused with the grille open")
            << "pick 4\n"
            << Warning << "ciiiiiiiiii" << 0 << 0 << false << Grille::Open;
        QTest::newRow("pick refused after arrival keeps the trip's end")
            << "close\npick 3\n" + ticks(2) + "pick 9\n"
            << Warning << "iiciiiiiiii" << 2 << 2 << false << Grille::Open;
        QTest::newRow("first pick of floor 1 keeps the statement")
            << "close\npick 1\n"
            << Statement + lines({"Етаж I"}) << "tiiiiiiiiii" << 0 << 0 << true << Grille::Closed;
        QTest::newRow("first pick of floor 1 then a step")
            << "close\npick 1\ntick\n"
            << Statement + lines({"Етаж I", "Етаж I", Last}) << "ciiiiiiiiii" << 0 << 0 << false
            << Grille::Open;
        QTest::newRow("pick of the cabin's own floor")
            << "close\npick 4\n" + ticks(3) + "close\npick 4\n"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last, "Етаж IV"})
            << "iiitiiiiiii" << 3 << 3 << true << Grille::Closed;
        QTest::newRow("own floor: the first step ends the trip")
            << "close\npick 4\n" + ticks(3) + "close\npick 4\ntick\n"
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last, "Етаж IV", "Етаж IV",
                      Last})
            << "iiiciiiiiii" << 3 << 3 << false << Grille::Open;
        QTest::newRow("pick during a trip starts from the old target")
            << "close\npick 6\n" + ticks(2) + "pick 4\n"
            << lines({Down, "Етаж VI"}) << "iiiticiiiii" << 5 << 3 << true << Grille::Closed;
        QTest::newRow("pick during a trip then its steps")
            << "close\npick 6\n" + ticks(2) + "pick 4\n" + ticks(2)
            << lines({Down, "Етаж VI", "Етаж V", "Етаж IV", Last}) << "iiiciiiiiii" << 3 << 3
            << false << Grille::Open;
        QTest::newRow("same direction mid-trip pick says it again")
            << "close\npick 3\ntick\npick 11\n"
            << lines({Up, "Етаж III"}) << "iiciiiiiiit" << 2 << 10 << true << Grille::Closed;
        QTest::newRow("grille opened during a trip: the cabin goes on")
            << "close\npick 4\nopen\ntick\n"
            << lines({Up, "Етаж I", "Етаж II"}) << "icitiiiiiii" << 1 << 3 << true << Grille::Open;
        QTest::newRow("grille opened during a trip: arrival")
            << "close\npick 4\nopen\n" + ticks(3)
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", Last}) << "iiiciiiiiii" << 3
            << 3 << false << Grille::Open;
        QTest::newRow("refused pick during a trip: the log goes on after the warning")
            << "close\npick 3\nopen\npick 9\ntick\n"
            << Warning + lines({"Етаж II"}) << "ictiiiiiiii" << 1 << 2 << true << Grille::Open;
        QTest::newRow("whole building up")
            << "close\npick 11\n" + ticks(10)
            << lines({Up, "Етаж I", "Етаж II", "Етаж III", "Етаж IV", "Етаж V", "Етаж VI",
                      "Етаж VII", "Етаж VIII", "Етаж IX", "Етаж X", "Етаж XI", Last})
            << "iiiiiiiiiic" << 10 << 10 << false << Grille::Open;
    }

    void scenarios()
    {
        QFETCH(QString, script);
        QFETCH(QString, status);
        QFETCH(QString, markers);
        QFETCH(int, current);
        QFETCH(int, target);
        QFETCH(bool, timer);
        QFETCH(Grille, grille);

        lodarix::LodarixModel model;
        model.load();
        scenario::run(model, script);

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
        scenario::run(model, "close\npick 1\n");
        QCOMPARE(model.window().backColor("Option1", 0), lift::ColorTarget);
        scenario::run(model, "tick\n");
        QCOMPARE(model.window().backColor("Option1", 0), lift::ColorCabin);
    }

    void aTripOfNFloorsTakesNSteps()
    {
        for (int from = 1; from <= 11; ++from) {
            for (int to = 1; to <= 11; ++to) {
                lodarix::LodarixModel model;
                model.load();
                scenario::run(model,
                              QStringLiteral("close\npick %1\n%2close\npick %3\n")
                                  .arg(from)
                                  .arg(ticks(10))
                                  .arg(to));
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
