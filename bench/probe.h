// What the probes share: the clock the harness also reads, the CPU time used
// so far, and the hook that fires once the window's first frame is painted.
// A probe reports on standard output, one "key value" pair a line.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds, the clock the harness starts its children by.
std::int64_t monotonicNs();
// User plus system time of this process so far, in microseconds.
std::int64_t cpuTimeUs();
// Writes "key value" and a line feed to standard output and flushes it.
void report(const char* key, std::int64_t value);

// Calls done once, right after the first frame of window has been painted
// and handed to the platform: the platform window's expose or update request
// is let through first, and done runs once that has painted the window.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget& window, std::function<void()> done);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    std::function<void()> done_;
    bool painted_ = false;
};

} // namespace bench
