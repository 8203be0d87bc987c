// Small helpers for writing lift scenarios in tests: a command list such as
// "close, pick 4, tick 3", marker strings such as "ciit" (one letter a floor:
// i idle, c cabin, t target) and status lines joined with CR LF.
#pragma once

#include "core/lift/colors.h"
#include "core/lift/floor_table.h"
#include "core/model/lodarix_model.h"
#include "tests/support/trip_guarantees.h"

#include <QString>
#include <QStringList>

namespace scenario {

inline void run(lodarix::LodarixModel& model, const QString& commands)
{
    for (const QString& raw : commands.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList words = raw.simplified().split(QLatin1Char(' '));
        const QString& verb = words.at(0);
        const int count = words.size() > 1 ? words.at(1).toInt() : 1;
        if (verb == QLatin1String("close"))
            model.clickGrilleButton(lodarix::Grille::Closed);
        else if (verb == QLatin1String("open"))
            model.clickGrilleButton(lodarix::Grille::Open);
        else if (verb == QLatin1String("pick"))
            model.clickFloorButton(static_cast<lodarix::lift::FloorIndex>(count - 1));
        else if (verb == QLatin1String("tick"))
            for (int i = 0; i < count; ++i)
                model.timerPeriod();
        else
            qFatal("unknown scenario command %s", qPrintable(verb));
    }
}

inline QString markers(const lodarix::WindowModel& window)
{
    return QString::fromStdString(test_support::markers([&window](int floor) {
        return window.backColor("Option1", static_cast<lodarix::lift::FloorIndex>(floor));
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
