// The main window with its motion record and motion window, on a source of
// model time that the test moves, loaded and shown on the offscreen platform.
#pragma once

#include "app/lodarix/motion_host.h"
#include "desktop/motion_window/motion_window.h"
#include "tests/desktop/window/window_test_support.h"

#include <QAbstractButton>

#include <cstdint>

namespace motion_test {

struct MotionSession {
    MotionSession()
    {
        window.setErrorHandler([this](const std::exception& error) { errors << error.what(); });
        window.load();
        window.show();
    }

    lodarix::MotionWindow& openMotionWindow()
    {
        host.openMotionWindow();
        return *host.motionWindow();
    }

    template <class Control = QWidget> Control* motionControl(const char* name)
    {
        return openMotionWindow().findChild<Control*>(QLatin1String(name));
    }

    const lodarix::motion::MotionRecorder& recorder() { return host.recording().recorder(); }

    // Closes the grille and picks the floor of index floor.
    void tripTo(int floor)
    {
        window_test::clickGrille(window, true);
        window_test::clickFloor(window, floor);
    }

    std::int64_t sourceMs = 1'000'000;
    lodarix::LodarixWindow window;
    lodarix::MotionHost host{window, [this] { return sourceMs; }};
    QStringList errors;
};

} // namespace motion_test
