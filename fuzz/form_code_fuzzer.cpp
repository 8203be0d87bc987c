// Any bytes as the form's code: the reader either reads it or refuses it with
// a reading error at a line of the text; what it reads runs a fixed session
// of clicks and ticks on the window model, with its motion record and events
// trace, until the end or an error of the form's code, which names a line of
// the text and stops that program only. Each line's colours lie within it,
// in order.

#include "core/program/form_program.h"
#include "core/program/highlight.h"
#include "core/program/reader.h"
#include "core/replay/motion_session.h"
#include "core/trace/event_trace.h"
#include "fuzz/check.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>

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

void run(replay::MotionSession& session, int lines)
{
    constexpr std::string_view Session[] = {"close", "pick 4", "tick",    "pick 1", "open",
                                            "tick",  "close",  "pick 11", "tick",   "tick"};
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
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkColours(text);
    const int lines = int(std::count(text.begin(), text.end(), '\n')) + 1;
    std::shared_ptr<const program::Program> code;
    try {
        code = std::make_shared<const program::Program>(program::read(text));
    } catch (const program::ProgramError& error) {
        FUZZ_CHECK(error.number() == 0 && error.line() >= 1 && error.line() <= lines + 1);
        return 0;
    }
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
