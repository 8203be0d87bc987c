// The form's code as the page's code view reads it (web/src/code_view.js):
// the source's lines as spans by kind, and the statements that ran in the
// latest event, each with what it changed, kept until the view takes them,
// so that the page crosses into the core once per event rather than once
// per statement; and the line that ran last as a screen reader hears it.
#pragma once

#include "core/program/form_program.h"

#include <string>
#include <string_view>
#include <vector>

namespace lodarix::web {

// [[[kind, text], ...], ...]: each line of source, its spans in order; kind
// 0 to 3 as program::Highlight (keyword, name, literal, comment), -1 plain.
std::string codeLinesJson(std::string_view source);

class RanStatements {
public:
    void heard(const program::StatementRan& ran);
    // {"fresh": bool, "ran": [[line, change, ...], ...], "next": line}: the
    // statements since the last take, fresh when an event began since then
    // (those before it are dropped), and the line to run next, or 0.
    std::string take(int nextLine);
    // The line that ran last as program::lineSummary says it, with the line
    // next, or that none ran.
    std::string summary(std::string_view source, int nextLine) const;
    // A new program: nothing ran.
    void clear();

private:
    std::string ran_;
    bool fresh_ = false;
    int lastLine_ = 0;
    std::vector<program::Change> lastChanges_;
};

} // namespace lodarix::web
