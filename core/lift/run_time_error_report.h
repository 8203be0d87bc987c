// What the user is told of a failure inside the trip rules, in the words of
// core/texts: the control, the element and the operation that failed (for a
// RunTimeError), the reason, and a closing line that says what the face does
// then. Every face shows this same report.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace lodarix::lift {

// closing: texts::ProgramCloses on the desktop, texts::PageStops in the page.
std::string runTimeErrorReport(const std::exception& error, std::string_view closing);

} // namespace lodarix::lift
