#include "web/page/page_code.h"

#include "core/json/json_object.h"
#include "core/program/highlight.h"
#include "core/program/line_report.h"
#include "core/texts/code_view_texts.h"

namespace lodarix::web {

namespace {

// The lines of source, without their line ends (LF or CR LF).
std::vector<std::string_view> linesOf(std::string_view source)
{
    std::vector<std::string_view> lines;
    while (!source.empty()) {
        const std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
    }
    return lines;
}

} // namespace

std::string codeLinesJson(std::string_view source)
{
    std::string out;
    json::Array lines(out);
    for (const std::string_view line : linesOf(source)) {
        json::Array spans(lines.next());
        std::size_t at = 0;
        const auto span = [&spans, line](int kind, std::size_t start, std::size_t length) {
            json::Array one(spans.next());
            one.number(kind);
            one.text(line.substr(start, length));
        };
        for (const program::HighlightSpan& lit : program::highlightLine(line)) {
            if (lit.start > at)
                span(-1, at, lit.start - at);
            span(static_cast<int>(lit.kind), lit.start, lit.length);
            at = lit.start + lit.length;
        }
        if (at < line.size())
            span(-1, at, line.size() - at);
    }
    return out;
}

void RanStatements::heard(const program::StatementRan& ran)
{
    if (ran.machine.statementsRun() == 1) {
        ran_.clear();
        fresh_ = true;
    }
    lastLine_ = ran.ran.line;
    lastChanges_.clear();
    ran_ += ran_.empty() ? "" : ",";
    json::Array statement(ran_);
    statement.number(ran.ran.line);
    lastChanges_ = ran.changes;
    for (const program::Change& change : ran.changes)
        statement.text(program::changeText(change));
}

std::string RanStatements::take(int nextLine)
{
    std::string out;
    {
        json::Object taken(out);
        taken.boolean("fresh", fresh_);
        taken.key("ran") += '[' + ran_ + ']';
        taken.number("next", nextLine);
    }
    ran_.clear();
    fresh_ = false;
    return out;
}

std::string RanStatements::summary(std::string_view source, int nextLine) const
{
    if (lastLine_ == 0)
        return std::string(code_texts::NothingRan);
    return program::lineSummary(source, lastLine_, lastChanges_, nextLine);
}

void RanStatements::clear()
{
    ran_.clear();
    fresh_ = true;
    lastLine_ = 0;
    lastChanges_.clear();
}

} // namespace lodarix::web
