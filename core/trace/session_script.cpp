#include "core/trace/session_script.h"

namespace lodarix::trace {

void SessionScript::procedureStarting(lift::Procedure procedure, lift::FloorIndex floor)
{
    switch (procedure) {
    case lift::Procedure::FormLoad:
        commands_.clear();
        break;
    case lift::Procedure::Option1Click:
        commands_.push_back({replay::Pick{floor + 1}, "pick " + std::to_string(floor + 1)});
        break;
    case lift::Procedure::Timer1Timer:
        commands_.push_back({replay::Tick{}, "tick"});
        break;
    }
}

void SessionScript::grilleSelected(bool closed, const std::string&)
{
    if (closed)
        commands_.push_back({replay::Close{}, "close"});
    else
        commands_.push_back({replay::Open{}, "open"});
}

std::string SessionScript::text() const
{
    std::string text;
    for (const replay::Command& command : commands_)
        text += command.text + '\n';
    return text;
}

} // namespace lodarix::trace
