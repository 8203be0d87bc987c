// Any bytes as a program file: either no program, with its reason, or text
// that the reader either reads or refuses with a reading error at a line and
// column of the text; what it reads runs a fixed session
// of clicks and ticks on the window model, with its motion record and events
// trace, until the end or an error of the form's code, which names a line of
// the text and stops that program only. Compared with itself on the same
// session it differs nowhere; compared with the form's code, any difference
// lies at one of the session's events. Each line's colours lie within it,
// in order.

#include "core/program/form_code.h"
#include "core/program/form_program.h"
#include "core/program/highlight.h"
#include "core/program/program_file.h"
#include "core/program/reader.h"
#include "core/replay/motion_session.h"
#include "core/replay/program_compare.h"
#include "core/trace/event_trace.h"
#include "fuzz/check.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <variant>
#include <vector>

using namespace lodarix;

namespace {

void checkColours(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        std::size_t reached = 0;
        for (const program::HighlightSpan& span : program::highlightLine(line)) {
            FUZZ_CHECK(span.length > 0 && span.start >= reached);
            reached = span.start + span.length;
            FUZZ_CHECK(reached <= line.size());
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

constexpr std::string_view Session[] = {"close", "pick 4", "tick",    "pick 1", "open",
                                        "tick",  "close",  "pick 11", "tick",   "tick"};

void compare(const std::shared_ptr<const program::Program>& code)
{
    std::vector<replay::Command> commands;
    for (const std::string_view command : Session)
        commands.push_back(std::get<replay::Command>(replay::parseLine(command)));
    const auto runs = replay::runEvents(code, commands);
    FUZZ_CHECK(!runs.empty() && runs.size() <= commands.size() + 1);
    FUZZ_CHECK(!replay::firstDifference(runs, replay::runEvents(code, commands)));
    static const auto original = replay::runEvents(
        std::make_shared<const program::Program>(program::read(program::formCode())), commands);
    if (const auto difference = replay::firstDifference(runs, original))
        FUZZ_CHECK(difference->event >= 1 && difference->event <= int(commands.size()) + 1);
}

void run(replay::MotionSession& session, int lines)
{
    for (const std::string_view command : Session) {
        try {
            session.run(std::get<replay::Command>(replay::parseLine(command)));
        } catch (const program::ProgramError& error) {
            FUZZ_CHECK(error.number() > 0 && error.line() >= 1 && error.line() <= lines);
            FUZZ_CHECK(!session.model().window().isEnabled("Timer1"));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file =
        program::programText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* notAProgram = std::get_if<program::NotAProgram>(&file)) {
        FUZZ_CHECK(!notAProgram->reason.empty());
        return 0;
    }
    const std::string_view text = std::get<std::string>(file);
    FUZZ_CHECK(text.find('\r') == std::string_view::npos && !text.starts_with("\xEF\xBB\xBF"));
    checkColours(text);
    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    std::shared_ptr<const program::Program> code;
    try {
        code = std::make_shared<const program::Program>(program::read(text));
    } catch (const program::ProgramError& error) {
        FUZZ_CHECK(error.number() == 0 && error.line() >= 1 && error.line() <= lines + 1);
        FUZZ_CHECK(error.column() >= 0 && std::size_t(error.column()) <= text.size() + 1);
        return 0;
    }
    compare(code);
    replay::MotionSession session(replay::MotionSession::NotLoaded{});
    session.setEngine([code](lift::WindowOperations& window) {
        return std::make_unique<program::FormProgram>(code, window);
    });
    trace::EventTrace trace(session.recorder());
    session.addRuleObserver(&trace);
    try {
        session.load();
    } catch (const program::ProgramError& error) {
        FUZZ_CHECK(error.number() > 0 && error.line() >= 1 && error.line() <= lines);
        return 0;
    }
    run(session, lines);
    return 0;
}
