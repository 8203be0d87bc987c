// The model window's own behaviour: radio groups per frame, the floor-name
// list, the timer's switch, its controls described as they stand, and
// run-time errors for missing elements.

#include "core/form/lodarix_form.h"
#include "core/lift/run_time_error.h"
#include "core/model/lodarix_model.h"
#include "core/texts/main_window_texts.h"

#include <QTest>

#include <functional>
#include <vector>

using namespace lodarix;

using lodarix::Grille;
using lodarix::LodarixModel;
using lodarix::WindowModel;

using Operation = std::function<void(WindowModel&)>;
Q_DECLARE_METATYPE(Operation)

class TestWindowModel : public QObject {
    Q_OBJECT

private slots:
    void startsAsDescribed()
    {
        const WindowModel window(lodarix::lodarixForm());
        QVERIFY(window.isEnabled("Timer1"));
        QVERIFY(window.isVisible("List1"));
        QCOMPARE(window.selectedIndex("Option1"), std::nullopt);
        QCOMPARE(window.selectedIndex("Option2"), std::nullopt);
        QCOMPARE(window.statusText(), std::string(lodarix::texts::ExerciseStatement));
    }

    void loadLeavesOnlyTheOpenGrilleSelected()
    {
        LodarixModel model;
        model.load();
        QCOMPARE(model.grille(), Grille::Open);
        QVERIFY(!model.window().isEnabled("Timer1"));
        QVERIFY(!model.window().isVisible("List1"));
        QCOMPARE(model.window().selectedIndex("Option1"), std::nullopt);
    }

    void currentControlsDescribeTheWindowAsItStands()
    {
        LodarixModel model;
        model.load();
        model.clickGrilleButton(Grille::Closed);
        model.clickFloorButton(3);
        const auto& stored = lodarix::lodarixForm().controls;
        const std::vector<lodarix::ControlDescription> now = model.window().currentControls();
        QCOMPARE(now.size(), stored.size());
        for (std::size_t i = 0; i < now.size(); ++i) {
            const auto& control = now[i];
            QCOMPARE(control.name, stored[i].name);
            QCOMPARE(control.index, stored[i].index);
            QCOMPARE(control.rect.left, stored[i].rect.left);
            QCOMPARE(control.tabIndex, stored[i].tabIndex);
            const auto index = control.index.value_or(-1);
            if (control.name == "List1")
                QVERIFY(!control.visible);
            else if (control.name == "Timer1")
                QVERIFY(control.enabled);
            else if (control.name == "Option1")
                QCOMPARE(control.selected, index == 3);
            else if (control.name == "Option2")
                QCOMPARE(control.selected, index == 0);
            if (control.name == "Option1")
                QCOMPARE(control.background, model.window().backColor("Option1", index));
            if (control.name == "Text1" && index == 0)
                QCOMPARE(std::string(control.text), model.window().statusText());
        }
    }

    void eachFrameIsItsOwnRadioGroup()
    {
        LodarixModel model;
        model.load();
        model.clickFloorButton(5);
        model.clickGrilleButton(Grille::Closed);
        QCOMPARE(model.window().selectedIndex("Option1"), std::optional<int>(5));
        QCOMPARE(model.grille(), Grille::Closed);
        model.clickFloorButton(2);
        QCOMPARE(model.window().selectedIndex("Option1"), std::optional<int>(2));
        QVERIFY(!model.window().isSelected("Option1", 5));
        QCOMPARE(model.grille(), Grille::Closed);
    }

    void grilleClicksRunNoRule()
    {
        LodarixModel model;
        model.load();
        const std::string before = model.window().statusText();
        model.clickGrilleButton(Grille::Closed);
        model.clickGrilleButton(Grille::Open);
        model.clickGrilleButton(Grille::Closed);
        QCOMPARE(model.window().statusText(), before);
        QVERIFY(!model.window().isEnabled("Timer1"));
    }

    void aRefusedPickStillSelectsTheButton()
    {
        LodarixModel model;
        model.load();
        model.clickFloorButton(7);
        QCOMPARE(model.window().selectedIndex("Option1"), std::optional<int>(7));
        QCOMPARE(model.window().backColor("Option1", 7), lift::ColorIdle);
    }

    void hiddenNamesStayReadable()
    {
        LodarixModel model;
        model.load();
        QVERIFY(!model.window().isVisible("List1"));
        QCOMPARE(model.window().floorName(10), std::string("Етаж XI"));
    }

    void theTimerStepsOnlyWhileEnabled()
    {
        LodarixModel model;
        model.load();
        const std::string before = model.window().statusText();
        model.timerPeriod();
        QCOMPARE(model.window().statusText(), before);
        QCOMPARE(model.window().backColor("Option1", 0), lift::ColorCabin);
    }

    void missingElementsAreRunTimeErrors_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("onAReducedForm");
        QTest::addColumn<QString>("where");
        QTest::newRow("paint past the top")
            << Operation([](WindowModel& w) { w.paintFloorButton(11, lift::ColorIdle); }) << false
            << "Option1(11).BackColor";
        QTest::newRow("paint below the ground")
            << Operation([](WindowModel& w) { w.paintFloorButton(-1, lift::ColorIdle); }) << false
            << "Option1(-1).BackColor";
        QTest::newRow("name past the list")
            << Operation([](WindowModel& w) { w.floorName(11); }) << false << "List1.List(11)";
        QTest::newRow("select a missing grille button")
            << Operation([](WindowModel& w) { w.select("Option2", 2); }) << false
            << "Option2(2).Value";
        QTest::newRow("colour of a control without one")
            << Operation([](WindowModel& w) { w.backColor("Text1", 0); }) << false
            << "Text1(0).BackColor";
        QTest::newRow("select far past the top")
            << Operation([](WindowModel& w) { w.select("Option1", 65536); }) << false
            << "Option1(65536).Value";
        QTest::newRow("timer missing from the form")
            << Operation([](WindowModel& w) { w.setStepsRunning(true); }) << true
            << "Timer1.Enabled";
        QTest::newRow("status box missing from the form")
            << Operation([](WindowModel& w) { w.statusText(); }) << true << "Text1(0).Text";
    }

    void missingElementsAreRunTimeErrors()
    {
        QFETCH(Operation, operation);
        QFETCH(bool, onAReducedForm);
        QFETCH(QString, where);
        // The form without its step timer and status box.
        std::vector<lodarix::ControlDescription> fewer;
        for (const lodarix::ControlDescription& control : lodarix::lodarixForm().controls) {
            if (control.name != "Timer1" && control.name != "Text1")
                fewer.push_back(control);
        }
        lodarix::FormDescription reduced = lodarix::lodarixForm();
        reduced.controls = fewer;
        WindowModel window(onAReducedForm ? reduced : lodarix::lodarixForm());
        try {
            operation(window);
            QFAIL("no run-time error");
        } catch (const lift::RunTimeError& error) {
            QCOMPARE(QString::fromStdString(error.where()), where);
            QVERIFY(QString::fromUtf8(error.what()).startsWith(where + QStringLiteral(": ")));
        }
    }
};

QTEST_APPLESS_MAIN(TestWindowModel)
#include "tst_window_model.moc"
