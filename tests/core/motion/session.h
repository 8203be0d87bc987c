// Recorded sessions for the motion tests, written as "close, pick 4, tick 3":
// each item a replay script command, "tick N" for N ticks in a row.
#pragma once

#include "core/replay/motion_session.h"
#include "core/replay/script.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <variant>

namespace session {

inline std::unique_ptr<lodarix::replay::MotionSession> recorded(const QString& commands)
{
    auto session = std::make_unique<lodarix::replay::MotionSession>();
    for (const QString& item : commands.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList words = item.simplified().split(QLatin1Char(' '));
        const bool repeated = words.size() == 2 && words.at(0) == QLatin1String("tick");
        const int times = repeated ? words.at(1).toInt() : 1;
        const auto parsed = lodarix::replay::parseLine(repeated ? std::string("tick")
                                                                : item.simplified().toStdString());
        const auto* command = std::get_if<lodarix::replay::Command>(&parsed);
        if (!command)
            qFatal("not a command: %s", qPrintable(item));
        for (int i = 0; i < times; ++i)
            session->run(*command);
    }
    return session;
}

} // namespace session
