// Small helpers for writing lift scenarios in tests: scripts in the replay
// tool's language (core/replay/script.h) run on the model, marker strings
// such as "ciit" (one letter a floor: i idle, c cabin, t target) and status
// lines joined with CR LF.
#pragma once

#include "core/form/lodarix_controls.h"
#include "core/lift/floor_table.h"
#include "core/model/lodarix_model.h"
#include "core/replay/runner.h"
#include "core/replay/script.h"
#include "tests/support/trip_guarantees.h"

#include <QString>
#include <QStringList>

#include <variant>

namespace scenario {

// Runs the script's commands on the model, line by line; a line the script
// reader refuses stops the test program.
inline void run(lodarix::LodarixModel& model, const QString& script)
{
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        const auto parsed = lodarix::replay::parseLine(line.toStdString());
        if (const auto* command = std::get_if<lodarix::replay::Command>(&parsed))
            lodarix::replay::run(*command, model);
        else if (const auto* error = std::get_if<lodarix::replay::ScriptError>(&parsed))
            qFatal("not a line of a script: %s (%s)", qPrintable(line), error->message.c_str());
    }
}

// count lines "tick".
inline QString ticks(int count)
{
    return QStringLiteral("tick\n").repeated(count);
}

inline QString markers(const lodarix::WindowModel& window)
{
    return QString::fromStdString(test_support::markers([&window](int floor) {
        return window.backColor(lodarix::controls::FloorButtons,
                                static_cast<lodarix::lift::FloorIndex>(floor));
    }));
}

inline QString lines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

inline QString status(const lodarix::WindowModel& window)
{
    return QString::fromStdString(window.statusText());
}

} // namespace scenario
