// lodarix-bench-events: the events window with a long trace, offscreen. A
// session of the window model is played until its motion record holds
// 100,000 rows (bench/long_session.h), its events trace watching, and the
// events window shows the trace. Then, a step at a time, one event more:
// the time from the event to its row taken into the table and the window
// repainted. Reports "append-ns" once a step after a warm-up; "rows", the
// trace's rows; "row-bytes-x100" and "text-bytes-x100", the bytes of the
// rows (spare room included) and of the texts they wrote, a hundred times
// over, per row; and "rows-in-view", what the table shows at once.

#include "bench/long_session.h"
#include "bench/probe.h"
#include "core/replay/motion_session.h"
#include "core/trace/event_trace.h"
#include "desktop/events_window/events_window.h"
#include "desktop/events_window/trace_table_view.h"

#include <QApplication>
#include <QHeaderView>

#include <random>

namespace {

constexpr int WarmUps = 5;
constexpr int Appends = 41;

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    using lodarix::replay::MotionSession;
    MotionSession session(MotionSession::NotLoaded{});
    lodarix::trace::EventTrace trace(session.recorder());
    session.addRuleObserver(&trace);
    session.load();
    bench::playLongSession(session);

    lodarix::EventsWindow window(trace);
    trace.setRowListener([&window](std::size_t) { window.lessonChanged(); });
    window.resize(1180, 720);
    window.show();
    QApplication::processEvents();
    window.repaint();

    std::mt19937 random(27);
    for (int step = 0; step < WarmUps + Appends; ++step) {
        if (!session.stepsRunning()) {
            session.clickGrilleButton(lodarix::Grille::Closed);
            session.clickFloorButton(static_cast<lodarix::lift::FloorIndex>(random() % 11));
            QApplication::processEvents();
            if (!session.stepsRunning())
                continue;
        }
        const std::int64_t before = bench::monotonicNs();
        session.timerPeriod();
        QApplication::processEvents();
        window.repaint();
        if (step >= WarmUps)
            bench::report("append-ns", bench::monotonicNs() - before);
    }
    const auto rows = static_cast<std::int64_t>(trace.size());
    bench::report("rows", rows);
    bench::report("row-bytes-x100", static_cast<std::int64_t>(trace.bytesHeld()) * 100 / rows);
    bench::report("text-bytes-x100", static_cast<std::int64_t>(trace.textBytesHeld()) * 100 / rows);
    const auto* table = window.table();
    bench::report("rows-in-view",
                  table->viewport()->height() / table->verticalHeader()->defaultSectionSize() + 1);
    return 0;
}
