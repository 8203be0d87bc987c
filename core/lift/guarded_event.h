// A window event through the trip rules, as every face runs it: a failure
// inside the rule stops the step timer, as far as the window still can, and
// goes once to the face, which reports it (runTimeErrorReport) and then
// closes the program or stops the page.
#pragma once

#include "core/lift/window_operations.h"

#include <exception>
#include <functional>

namespace lodarix::lift {

// Whether the rule ran to its end; when it did not, failed has been called.
bool runGuarded(WindowOperations& window, const std::function<void()>& rule,
                const std::function<void(const std::exception&)>& failed);

} // namespace lodarix::lift
