// lodarix-bench-minimal: the least a Qt Widgets program can show, one widget
// with one label, to hold the real window's start-up and memory against.
// LODARIX_BENCH_PROBE=idle reports the CPU time it uses over 10 s, shown and
// left alone; otherwise it reports the time of its first frame and exits.

#include "bench/probe.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("Lodarix"), &window);
    const char* mode = std::getenv("LODARIX_BENCH_PROBE");
    const bool idle = mode && std::strcmp(mode, "idle") == 0;
    new bench::FirstFrame(window, [idle] {
        bench::report("first-frame-ns", bench::monotonicNs());
        if (!idle) {
            QCoreApplication::exit(0);
            return;
        }
        QTimer::singleShot(500, [] {
            const std::int64_t before = bench::cpuTimeUs();
            QTimer::singleShot(10'000, [before] {
                bench::report("cpu-us", bench::cpuTimeUs() - before);
                QCoreApplication::exit(0);
            });
        });
    });
    window.show();
    return QApplication::exec();
}
