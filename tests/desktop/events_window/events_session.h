// The main window with its motion record and events trace, on a source of
// model time that the test moves, loaded and shown on the offscreen
// platform; the events window opens as F3 opens it.
#pragma once

#include "app/lodarix/events_host.h"
#include "app/lodarix/motion_host.h"
#include "desktop/events_window/events_window.h"
#include "tests/desktop/window/window_test_support.h"

#include <cstdint>

namespace events_test {

struct EventsSession {
    EventsSession()
    {
        window.setErrorHandler([this](const std::exception& error) { errors << error.what(); });
        window.load();
        window.show();
    }

    lodarix::EventsWindow& openEventsWindow()
    {
        events.openEventsWindow();
        return *events.eventsWindow();
    }

    // One period of the step timer: model time moves on and the expiry
    // comes at once.
    void tick()
    {
        sourceMs += 800;
        window_test::timerPeriod(window);
    }

    std::int64_t sourceMs = 1'000'000;
    lodarix::LodarixWindow window;
    lodarix::MotionHost motion{window, [this] { return sourceMs; }};
    lodarix::EventsHost events{window, motion};
    QStringList errors;
};

} // namespace events_test
