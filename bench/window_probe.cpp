// lodarix-bench-window: the program started exactly as its main() starts it,
// with a probe that reports from outside the rules once the first frame is
// painted. LODARIX_BENCH_PROBE picks what it measures, so the command line
// stays the program's own:
//   start    (default) the time of the first frame, then exit
//   idle     CPU time used over 10 s by the shown window left alone
//   trip     CPU time used over 10 s from picking floor 11 at floor 1
//   cadence  the time the trip to floor 11 starts and the time of each step;
//            with LODARIX_BENCH_INTERVAL=N, the interval is first set to N ms
//            in the motion window (opened with its F2 action)
//   append   the time of each of a series of picks of the cabin's own floor,
//            each appending one floor name, once the rules have written a
//            status text of LODARIX_BENCH_STATUS_BYTES bytes (default 1024)

#include "app/lodarix/application.h"
#include "bench/probe.h"
#include "desktop/window/lodarix_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int SettleMs = 500;
constexpr int MeasureMs = 10'000;
constexpr int TripSteps = 10;
constexpr int WarmUpPicks = 3;
constexpr int MeasuredPicks = 15;

std::string probeMode()
{
    const char* mode = std::getenv("LODARIX_BENCH_PROBE");
    return mode && *mode ? mode : "start";
}

std::size_t statusBytes()
{
    const char* bytes = std::getenv("LODARIX_BENCH_STATUS_BYTES");
    return bytes && *bytes ? std::stoul(bytes) : 1024;
}

// Closes the grille and picks floor 11 with the buttons' own clicks.
void startTripToTheTop(lodarix::LodarixWindow& window)
{
    qobject_cast<QAbstractButton*>(window.controls().find("Option2", 0))->click();
    qobject_cast<QAbstractButton*>(window.controls().find("Option1", 10))->click();
}

// Opens the motion window as F2 does and sets the interval in its control.
void setIntervalInTheMotionWindow(lodarix::LodarixWindow& window, int intervalMs)
{
    for (QAction* action : window.form().actions()) {
        if (action->shortcut() == QKeySequence(Qt::Key_F2))
            action->trigger();
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* interval = top->findChild<QSpinBox*>(QStringLiteral("intervalBox")))
            interval->setValue(intervalMs);
    }
}

// Records when the step timer's expiry is delivered, before the rule runs.
class StepClock : public QObject {
public:
    std::vector<std::int64_t> steps;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            steps.push_back(bench::monotonicNs());
        return false;
    }
};

void measureCpu(lodarix::LodarixWindow& window, bool trip)
{
    QTimer::singleShot(SettleMs, [&window, trip] {
        const std::int64_t before = bench::cpuTimeUs();
        if (trip)
            startTripToTheTop(window);
        QTimer::singleShot(MeasureMs, [before] {
            bench::report("cpu-us", bench::cpuTimeUs() - before);
            QCoreApplication::exit(0);
        });
    });
}

void measureCadence(lodarix::LodarixWindow& window)
{
    if (const char* interval = std::getenv("LODARIX_BENCH_INTERVAL"))
        setIntervalInTheMotionWindow(window, std::atoi(interval));
    QTimer::singleShot(SettleMs, [&window] {
        auto* timer = qobject_cast<QTimer*>(window.controls().find("Timer1", std::nullopt));
        auto* status = qobject_cast<QPlainTextEdit*>(window.controls().find("Text1", 0));
        auto* clock = new StepClock;
        clock->setParent(timer);
        timer->installEventFilter(clock);
        // The pick starts the timer and then writes the status box.
        auto started = std::make_shared<std::int64_t>(0);
        QObject::connect(status, &QPlainTextEdit::textChanged, status, [started] {
            if (*started == 0)
                *started = bench::monotonicNs();
        });
        QObject::connect(timer, &QTimer::timeout, clock, [clock, timer, started] {
            if (clock->steps.size() < TripSteps)
                return;
            timer->removeEventFilter(clock);
            bench::report("start-ns", *started);
            for (const std::int64_t step : clock->steps)
                bench::report("step-ns", step);
            QCoreApplication::exit(0);
        });
        startTripToTheTop(window);
    });
}

// Lines of floor names with CR LF ends, as a long trip log holds them, and
// blanks after the last whole line up to exactly bytes bytes.
std::string statusLog(std::size_t bytes)
{
    static const char* const names[] = {"Етаж I",  "Етаж II", "Етаж III", "Етаж IV",
                                        "Етаж V",  "Етаж VI", "Етаж VII", "Етаж VIII",
                                        "Етаж IX", "Етаж X",  "Етаж XI"};
    std::string log;
    log.reserve(bytes);
    for (std::size_t i = 0;; ++i) {
        const std::string line = std::string(names[i % 11]) + "\r\n";
        if (log.size() + line.size() > bytes)
            break;
        log += line;
    }
    log.append(bytes - log.size(), ' ');
    return log;
}

// Closes the grille, has the rules write the long status text, then picks
// the cabin's floor again and again. Each pick is timed on its own, from the
// click to the end of its handler; the event loop runs between picks, and
// the step timer each pick starts is stopped there, untimed, so that no step
// comes between them.
void measureAppend(lodarix::LodarixWindow& window)
{
    auto* closed = qobject_cast<QAbstractButton*>(window.controls().find("Option2", 0));
    auto* cabinFloor = qobject_cast<QAbstractButton*>(window.controls().find("Option1", 0));
    closed->click();
    window.operations().setStatusText(statusLog(statusBytes()));
    QCoreApplication::processEvents();
    for (int pick = 0; pick < WarmUpPicks + MeasuredPicks; ++pick) {
        const std::int64_t before = bench::monotonicNs();
        cabinFloor->click();
        const std::int64_t after = bench::monotonicNs();
        window.operations().setStepsRunning(false);
        if (pick >= WarmUpPicks)
            bench::report("append-ns", after - before);
        QCoreApplication::processEvents();
    }
    bench::report("status-bytes",
                  static_cast<std::int64_t>(window.operations().statusText().size()));
    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = lodarix::answerWithoutWindow(argc, argv))
        return *status;
    QApplication app(argc, argv);
    lodarix::setUpApplication();
    const std::string mode = probeMode();
    return lodarix::runWindow([&mode](lodarix::LodarixWindow& window) {
        new bench::FirstFrame(window.form(), [&window, mode] {
            bench::report("first-frame-ns", bench::monotonicNs());
            if (mode == "idle" || mode == "trip")
                measureCpu(window, mode == "trip");
            else if (mode == "cadence")
                measureCadence(window);
            else if (mode == "append")
                QTimer::singleShot(0, &window.form(), [&window] { measureAppend(window); });
            else
                QCoreApplication::exit(0);
        });
    });
}
