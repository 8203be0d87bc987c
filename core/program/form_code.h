// The form's code as the program ships it: the source of form_code.bas, LF
// line ends, UTF-8. Every face shows these lines and runs them.
#pragma once

#include <string_view>

namespace lodarix::program {

std::string_view formCode();

} // namespace lodarix::program
