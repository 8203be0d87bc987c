// lodarix-bench-graphs: the time to repaint the motion window's graphs with
// a long record. A session of 100,000 rows (random trips, some cut short,
// some refused, idle periods) is recorded on the window model with a nominal
// clock of 800 ms a period; then each graph is painted into an image of
// 1200 x 400 pixels, offscreen, over the whole session and over the last
// 60 s. Reports "<graph>-<view>-ns <time>" once a repaint, after a warm-up.

#include "bench/probe.h"
#include "core/model/lodarix_model.h"
#include "core/motion/motion_recorder.h"
#include "desktop/motion_window/position_graph.h"
#include "desktop/motion_window/speed_graph.h"

#include <QApplication>
#include <QImage>

#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr std::size_t SessionRows = 100'000;
constexpr int Repaints = 41;

struct RecordedSession {
    std::int64_t nowMs = 0;
    lodarix::LodarixModel model;
    motion::MotionRecorder recorder{[this] { return nowMs; }};

    RecordedSession()
    {
        model.load();
        recorder.loaded(model.controller());
        std::mt19937 random(20240917);
        std::uniform_int_distribution<int> floor(0, lift::FloorTable::Highest);
        std::uniform_int_distribution<int> percent(0, 99);
        while (recorder.rows().size() < SessionRows) {
            if (percent(random) < 90)
                model.clickGrilleButton(lodarix::Grille::Closed);
            const bool grilleWasClosed = model.grille() == lodarix::Grille::Closed;
            model.clickFloorButton(static_cast<lift::FloorIndex>(floor(random)));
            recorder.floorPicked(model.controller(), grilleWasClosed);
            const bool interrupt = percent(random) < 10;
            while (stepsRunning() && recorder.rows().size() < SessionRows) {
                period();
                if (interrupt && percent(random) < 30)
                    break;
            }
            for (int idle = percent(random) % 4; idle > 0; --idle)
                period();
        }
    }

    bool stepsRunning() const { return model.window().isEnabled("Timer1"); }

    void period()
    {
        const bool step = stepsRunning();
        nowMs += motion::DefaultStepIntervalMs;
        model.timerPeriod();
        if (step)
            recorder.stepRan(model.controller());
    }
};

void measure(lodarix::TimeGraph& graph, const char* key, lodarix::TimeSpan span)
{
    graph.setSpan(span);
    QImage image(graph.size(), QImage::Format_RGB32);
    graph.render(&image); // warm-up: fonts, caches
    for (int i = 0; i < Repaints; ++i) {
        const std::int64_t before = bench::monotonicNs();
        graph.render(&image);
        bench::report(key, bench::monotonicNs() - before);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const RecordedSession session;
    const std::int64_t endMs = session.recorder.rows().back().timeMs;
    lodarix::PositionGraph position(session.recorder);
    lodarix::SpeedGraph speed(session.recorder);
    for (lodarix::TimeGraph* graph :
         {static_cast<lodarix::TimeGraph*>(&position), static_cast<lodarix::TimeGraph*>(&speed)})
        graph->resize(1200, 400);
    measure(position, "position-whole-ns", lodarix::wholeSessionSpan(endMs));
    measure(position, "position-recent-ns", lodarix::followingSpan(endMs));
    measure(speed, "speed-whole-ns", lodarix::wholeSessionSpan(endMs));
    measure(speed, "speed-recent-ns", lodarix::followingSpan(endMs));
    return 0;
}
