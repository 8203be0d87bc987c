// The program that runs the form compared with a reference, on the user's
// own clicks and ticks (SessionScript) or on a script's commands: both run
// them on fresh forms (core/replay/program_compare.h), and the first
// difference is told with the program's line where it parts, or that there
// is none. A face makes one call for a comparison, which is bounded as the
// commands are: each event stops at the machine's step limit.
#pragma once

#include "core/program/syntax.h"
#include "core/replay/script.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace lodarix::trace {

struct Comparison {
    std::string text;       // the difference, that there is none, or why nothing was compared
    int line = 0;           // the program's line where it parts, or 0
    bool badScript = false; // text tells a bad line of the script; nothing ran
};

// No commands: NoSessionToCompare, and nothing runs.
Comparison compareOnCommands(const std::shared_ptr<const program::Program>& program,
                             const std::shared_ptr<const program::Program>& reference,
                             std::span<const replay::Command> commands);

// A bad line: its message in the events view's words (scriptStopMessage),
// and nothing runs.
Comparison compareOnScript(const std::shared_ptr<const program::Program>& program,
                           const std::shared_ptr<const program::Program>& reference,
                           std::string_view script);

} // namespace lodarix::trace
