// Any bytes as a whole script, read a line at a time as lodarix-replay reads
// it: each command runs through the window model until the first bad line,
// and after each the model must keep what the trip rules guarantee.

#include "app/replay/runner.h"
#include "app/replay/script.h"
#include "fuzz/check.h"
#include "lift/colors.h"
#include "lift/floor_table.h"
#include "window/model/lodarix_model.h"

#include <cstdint>
#include <string_view>

namespace {

void checkTheRules(const lodarix::LodarixModel& model)
{
    const lift::FloorIndex current = model.controller().CurrentFloor();
    const lift::FloorIndex target = model.controller().TargetFloor();
    FUZZ_CHECK(lift::FloorTable::isValid(current));
    FUZZ_CHECK(lift::FloorTable::isValid(target));
    const bool running = model.window().isEnabled("Timer1");
    FUZZ_CHECK(running || current == target);
    for (lift::FloorIndex floor = 0; floor < lift::FloorTable::Count; ++floor) {
        const lift::Color expected = running && floor == target ? lift::ColorTarget
            : floor == current                                  ? lift::ColorCabin
                                                                : lift::ColorIdle;
        FUZZ_CHECK(model.window().backColor("Option1", floor) == expected);
    }
    FUZZ_CHECK(model.grille() != lodarix::Grille::None);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lodarix::replay;
    std::string_view script(reinterpret_cast<const char*>(data), size);
    lodarix::LodarixModel model;
    model.load();
    checkTheRules(model);
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        const ParsedLine parsed = parseLine(line);
        if (std::holds_alternative<ScriptError>(parsed))
            break;
        if (const auto* command = std::get_if<Command>(&parsed)) {
            run(*command, model);
            checkTheRules(model);
        }
    }
    return 0;
}
