// The trip rules against a window that records every operation, so that the
// order of the rules' steps is checked, not only their outcome; and what a
// failure inside a rule does to that window.

#include "core/lift/guarded_event.h"
#include "core/lift/trip_controller.h"
#include "core/texts/main_window_texts.h"

#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

using namespace lodarix::lift;

namespace {

class RecordingWindow : public WindowOperations {
public:
    std::vector<std::string> log;
    bool grilleClosed = false;
    std::string status;

    void paintFloorButton(FloorIndex floor, Color color) override
    {
        log.push_back("paint " + std::to_string(floor) + " " + colorName(color));
    }
    bool isGrilleClosed() const override { return grilleClosed; }
    void openGrille() override
    {
        grilleClosed = false;
        log.push_back("open grille");
    }
    void setStepsRunning(bool running) override
    {
        log.push_back(running ? "start steps" : "stop steps");
    }
    std::string statusText() const override { return status; }
    void setStatusText(const std::string& text) override
    {
        status = text;
        log.push_back("status");
    }
    std::string floorName(FloorIndex floor) const override
    {
        return std::string(FloorTable::name(floor));
    }
    void hideFloorNames() override { log.push_back("hide names"); }
    std::string floorCaption(FloorIndex floor) const override
    {
        return std::string(FloorTable::caption(floor));
    }
    int floorNameCount() const override { return FloorTable::Count; }
    int stepPeriod() const override { return 800; }
    void setStepPeriod(int) override {}

    std::vector<std::string> take() { return std::exchange(log, {}); }

private:
    static std::string colorName(Color color)
    {
        switch (color) {
        case ColorIdle:
            return "idle";
        case ColorCabin:
            return "cabin";
        case ColorTarget:
            return "target";
        default:
            return toHexRgb(color);
        }
    }
};

using Steps = std::vector<std::string>;

} // namespace

class TestTripController : public QObject {
    Q_OBJECT

private slots:
    void loadStopsTheStepsHidesTheNamesAndOpensTheGrille()
    {
        RecordingWindow window;
        TripController controller(window);
        controller.Form_Load();
        QCOMPARE(window.take(), (Steps{"stop steps", "hide names", "open grille"}));
        QCOMPARE(controller.CurrentFloor(), FloorIndex(0));
        QCOMPARE(controller.TargetFloor(), FloorIndex(0));
    }

    void aPickRepaintsFromThePreviousStopAndLogsTheStart()
    {
        RecordingWindow window;
        TripController controller(window);
        controller.Form_Load();
        window.take();
        window.grilleClosed = true;
        controller.Option1_Click(3);
        QCOMPARE(window.take(),
                 (Steps{"paint 0 idle", "paint 0 cabin", "paint 3 target", "start steps", "status",
                        "status"}));
        QCOMPARE(window.status, std::string("Асансьорът се качва!\r\nЕтаж I\r\n"));
    }

    void theArrivingStepStopsThenAnnouncesThenOpens()
    {
        RecordingWindow window;
        TripController controller(window);
        controller.Form_Load();
        window.grilleClosed = true;
        controller.Option1_Click(1);
        window.take();
        controller.Timer1_Timer();
        QCOMPARE(window.take(),
                 (Steps{"paint 0 idle", "paint 1 cabin", "status", "stop steps", "status",
                        "open grille"}));
        QCOMPARE(window.status,
                 std::string("Асансьорът се качва!\r\nЕтаж I\r\nЕтаж II\r\nПоследна спирка!\r\n"));
    }

    void aRefusedPickOnlyReplacesTheStatus()
    {
        RecordingWindow window;
        TripController controller(window);
        controller.Form_Load();
        window.status = "anything\r\n";
        window.take();
        controller.Option1_Click(7);
        QCOMPARE(window.take(), Steps{"status"});
        QCOMPARE(window.status, std::string(lodarix::texts::CloseTheGrille));
        QCOMPARE(controller.TargetFloor(), FloorIndex(0));
    }

    void everyAppendKeepsWhatTheBoxHoldsAtThatMoment()
    {
        RecordingWindow window;
        TripController controller(window);
        controller.Form_Load();
        window.grilleClosed = true;
        controller.Option1_Click(2);
        window.status += "typed by the user";
        controller.Timer1_Timer();
        QVERIFY(window.status.ends_with("typed by the userЕтаж II\r\n"));
    }

    void aFailureInsideARuleStopsTheStepsAndIsReportedOnce()
    {
        RecordingWindow window;
        std::vector<std::string> reported;
        const auto report = [&](const std::exception& error) { reported.push_back(error.what()); };
        QVERIFY(runGuarded(
            window, [] {}, report));
        QVERIFY(reported.empty() && window.take().empty());
        QVERIFY(!runGuarded(
            window, [] { throw std::runtime_error("lost"); }, report));
        QCOMPARE(window.take(), Steps{"stop steps"});
        QCOMPARE(reported, std::vector<std::string>{"lost"});

        struct NoTimer : RecordingWindow {
            void setStepsRunning(bool) override { throw std::runtime_error("no timer"); }
        } timerless;
        QVERIFY(!runGuarded(
            timerless, [] { throw std::runtime_error("first"); }, report));
        QCOMPARE(reported.back(), "first");
        QCOMPARE(reported.size(), 2u);
    }
};

QTEST_APPLESS_MAIN(TestTripController)
#include "tst_trip_controller.moc"
