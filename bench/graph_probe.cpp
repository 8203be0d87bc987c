// lodarix-bench-graphs: the time to repaint the motion window's graphs with
// a long record. A session of 100,000 rows (random trips, some cut short,
// some refused, idle periods) is recorded on the window model with a nominal
// clock of one step period a period; then each graph is painted into an image of
// 1200 x 400 pixels, offscreen, over the whole session and over the last
// 60 s. Reports "<graph>-<view>-ns <time>" once a repaint, after a warm-up.

#include "bench/long_session.h"
#include "bench/probe.h"
#include "core/replay/motion_session.h"
#include "desktop/motion_window/position_graph.h"
#include "desktop/motion_window/speed_graph.h"

#include <QApplication>
#include <QImage>

#include <cstdlib>
#include <string>

namespace {

constexpr int Repaints = 41;

void measure(lodarix::TimeGraph& graph, const char* key, lodarix::motion::TimeSpan span)
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
    lodarix::replay::MotionSession session;
    bench::playLongSession(session);
    const std::int64_t endMs = session.recorder().rows().back().timeMs;
    lodarix::PositionGraph position(session.recorder());
    lodarix::SpeedGraph speed(session.recorder());
    for (lodarix::TimeGraph* graph :
         {static_cast<lodarix::TimeGraph*>(&position), static_cast<lodarix::TimeGraph*>(&speed)})
        graph->resize(1200, 400);
    measure(position, "position-whole-ns", lodarix::motion::wholeSessionSpan(endMs));
    measure(position, "position-recent-ns", lodarix::motion::followingSpan(endMs));
    measure(speed, "speed-whole-ns", lodarix::motion::wholeSessionSpan(endMs));
    measure(speed, "speed-recent-ns", lodarix::motion::followingSpan(endMs));
    return 0;
}
