// A session of the main window with its motion, events and code hosts, as
// the program joins them, on a model clock of the test's; and where lines
// of the form's code lie.
#pragma once

#include "app/lodarix/application.h"
#include "app/lodarix/code_host.h"
#include "app/lodarix/events_host.h"
#include "app/lodarix/motion_host.h"
#include "core/program/form_code.h"
#include "core/program/line_report.h"
#include "desktop/code_window/code_window.h"
#include "tests/desktop/window/window_test_support.h"

#include <QStringList>
#include <QTest>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

struct CodeSession {
    CodeSession()
    {
        lodarix::joinViews(events, code);
        window.setErrorHandler([this](const std::exception& error) { errors << error.what(); });
        window.load();
        window.show();
    }

    lodarix::CodeWindow& openByF4()
    {
        window.form().activateWindow();
        if (QTest::qWaitForWindowActive(&window.form()))
            QTest::keyClick(&window.form(), Qt::Key_F4);
        return *code.codeWindow();
    }

    void tick()
    {
        sourceMs += 800;
        window_test::timerPeriod(window);
    }

    void nextLine()
    {
        lodarix::CodeWindow* view = code.codeWindow();
        if (!view->isActiveWindow()) {
            view->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(view));
        }
        QTest::keyClick(view, Qt::Key_F10);
    }

    // The grille closed, a pick of floor to from 1, and the trip's steps.
    void trip(int to)
    {
        window_test::clickGrille(window, true);
        window_test::clickFloor(window, to - 1);
        for (int floor = 1; floor < to; ++floor)
            tick();
    }

    const lodarix::trace::StatementHistory& history() const { return *code.history(); }

    std::int64_t sourceMs = 1'000'000;
    lodarix::LodarixWindow window;
    lodarix::MotionHost motion{window, [this] { return sourceMs; }};
    lodarix::EventsHost events{window, motion};
    lodarix::CodeHost code{window, motion.menu()};
    QStringList errors;
};

// The line (from 1) of the first line of source from after on that begins with text.
inline int lineOf(std::string_view source, std::string_view text, int after = 0)
{
    for (int line = after + 1; !lodarix::program::sourceLine(source, line).empty() || line < 200;
         ++line) {
        if (lodarix::program::sourceLine(source, line).starts_with(text))
            return line;
    }
    return 0;
}

// The lines of a procedure of the form's code, its Sub and End Sub included.
inline std::pair<int, int> procedure(std::string_view name)
{
    const int first = lineOf(lodarix::program::formCode(), "Private Sub " + std::string(name));
    return {first, lineOf(lodarix::program::formCode(), "End Sub", first)};
}
