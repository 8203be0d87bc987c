// The teacher's guide's example scripts (docs/guide-bg.md, section 5), which
// the events view offers to open: each with its name in the examples list,
// the file name the guide gives it, and its text.
#pragma once

#include <span>
#include <string_view>

namespace lodarix::trace {

struct ExampleScript {
    std::string_view name;
    std::string_view fileName;
    std::string_view text; // LF line ends, the last line ended too
};

std::span<const ExampleScript> exampleScripts();

} // namespace lodarix::trace
