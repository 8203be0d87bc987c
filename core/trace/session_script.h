// The user's own clicks and ticks since the form last loaded, as a replay
// script's commands, for a comparison of two programs on them
// (core/replay/program_compare.h): a grille button selected is "close" or
// "open", a floor button clicked "pick N", a step of the timer "tick". It
// hears them through the rules' observers, whichever engine runs the form.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/replay/script.h"

#include <string>
#include <vector>

namespace lodarix::trace {

class SessionScript final : public lift::RuleObserver {
public:
    const std::vector<replay::Command>& commands() const { return commands_; }
    // The commands as a script's text, a line each.
    std::string text() const;

    void loaded(const lift::FormState&) override {}
    void floorPicked(const lift::FormState&, bool) override {}
    void stepRan(const lift::FormState&) override {}
    void procedureStarting(lift::Procedure procedure, lift::FloorIndex floor) override;
    void grilleSelected(bool closed, const std::string& statusText) override;

private:
    std::vector<replay::Command> commands_;
};

} // namespace lodarix::trace
