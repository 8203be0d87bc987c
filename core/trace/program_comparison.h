// What a code view says when it compares the program the form runs with a
// reference (the original or a teacher's): the session's own clicks and
// ticks (session_script.h) or a script's commands run through both on fresh
// forms (core/replay/program_compare.h), and the first difference told with
// the program's line it lies on, or that there is none. Every face compares
// through it; the texts are core/texts/editing_texts.h's and compare_texts.h's.
#pragma once

#include "core/program/syntax.h"
#include "core/replay/script.h"
#include "core/trace/script_run.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lodarix::trace {

struct Comparison {
    std::string text;
    int line = 0; // the program's line where it parts, to light; 0 for none
};

// The commands through both, each from its load.
Comparison compareOn(const std::shared_ptr<const program::Program>& program,
                     const std::shared_ptr<const program::Program>& reference,
                     std::span<const replay::Command> commands);
// The same with the session's commands; none yet is said so, and nothing runs.
Comparison compareSession(const std::shared_ptr<const program::Program>& program,
                          const std::shared_ptr<const program::Program>& reference,
                          std::span<const replay::Command> commands);

// A script's commands, or its first bad line as the events view words it.
std::variant<std::vector<replay::Command>, ScriptStop> scriptCommands(std::string_view script);

} // namespace lodarix::trace
