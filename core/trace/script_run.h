// A script in lodarix-replay's language run for the events view: on a model
// of its own, loaded afresh, whose motion is recorded on the replay tool's
// nominal clock, with an events trace of its own. It runs line by line until
// the end or the first bad line, where it stops as lodarix-replay does;
// what ran before stands. What the tool would print for the same script
// comes from here too: its JSON Lines, its motion CSV and its workbook.
#pragma once

#include "core/replay/motion_session.h"
#include "core/replay/script.h"
#include "core/trace/event_trace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodarix::trace {

// The first bad line of a script: its number, counted from 1, and what is
// wrong with it in the events view's words, the number included.
struct ScriptStop {
    int line;
    std::string message;
};

class ScriptRun {
public:
    // Runs the whole script at once.
    explicit ScriptRun(std::string_view script);
    ScriptRun(const ScriptRun&) = delete;
    ScriptRun& operator=(const ScriptRun&) = delete;

    const EventTrace& trace() const { return trace_; }
    const replay::MotionSession& session() const { return session_; }
    // None when the whole script ran.
    const std::optional<ScriptStop>& stop() const { return stop_; }
    // The commands run, blank lines and comments not counted.
    int commandsRun() const { return commands_; }
    // How it went, in the events view's words: the bad line's message, or
    // how many commands ran and rows they made.
    std::string outcome() const;

    // The motion record as `lodarix-replay --motion` prints it for the script.
    std::string motionCsv() const;
    // The workbook that `lodarix-replay --xlsx` writes for the script
    // (storey height 3 m); none after a bad line, as the tool writes none.
    std::optional<std::string> workbook() const;

private:
    replay::MotionSession session_;
    EventTrace trace_;
    std::optional<ScriptStop> stop_;
    int commands_ = 0;
};

// The script's lines as lodarix-replay reads them (std::getline): split at
// each line feed; a line feed at the very end ends the last line.
std::vector<std::string_view> scriptLines(std::string_view script);
// What `lodarix-replay` prints on standard output for the script, byte for byte.
std::string jsonLines(std::string_view script);
// "Ред 3: …": a bad line told in the events view's words.
std::string scriptStopMessage(int line, const replay::ScriptError& error);

} // namespace lodarix::trace
