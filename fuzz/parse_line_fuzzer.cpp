// Any bytes as one script line. parseLine must return, and what it returns
// must keep its contract: a command is the line without the blanks around
// it, never a comment, with a floor number from 1 to 11; an error message is
// one short line without control characters, whatever the line held.

#include "core/replay/script.h"
#include "fuzz/check.h"

#include <cstdint>
#include <string_view>

namespace {

constexpr std::size_t LongestMessage = 256;
constexpr std::string_view Blanks = " \t\r\v\f";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lodarix::replay;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const ParsedLine parsed = parseLine(line);
    if (const auto* command = std::get_if<Command>(&parsed)) {
        const std::string& text = command->text;
        FUZZ_CHECK(!text.empty() && text.front() != '#');
        FUZZ_CHECK(Blanks.find(text.front()) == std::string_view::npos);
        FUZZ_CHECK(Blanks.find(text.back()) == std::string_view::npos);
        FUZZ_CHECK(line.find(text) != std::string_view::npos);
        if (const auto* pick = std::get_if<Pick>(&command->action))
            FUZZ_CHECK(pick->floorNumber >= 1 && pick->floorNumber <= 11);
    } else if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        const std::string& message = error->message;
        FUZZ_CHECK(!message.empty() && message.size() <= LongestMessage);
        for (const char c : message)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }
    return 0;
}
