#include "bench/probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace bench {

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

std::int64_t cpuTimeUs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return std::int64_t{t.tv_sec} * 1'000'000 + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

void report(const char* key, std::int64_t value)
{
    std::printf("%s %lld\n", key, static_cast<long long>(value));
    std::fflush(stdout);
}

FirstFrame::FirstFrame(QWidget& window, std::function<void()> done)
    : QObject(&window)
    , window_(&window)
    , done_(std::move(done))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (!window_)
        return false;
    if (watched == window_ && event->type() == QEvent::Paint) {
        painted_ = true;
        return false;
    }
    const bool frame = event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
    if (!frame || watched != window_->windowHandle())
        return false;
    watched->event(event); // paints and flushes the frame
    if (painted_) {
        QCoreApplication::instance()->removeEventFilter(this);
        done_();
    }
    return true;
}

} // namespace bench
