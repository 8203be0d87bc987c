#include "core/lift/guarded_event.h"

namespace lodarix::lift {

bool runGuarded(WindowOperations& window, const std::function<void()>& rule,
                const std::function<void(const std::exception&)>& failed)
{
    try {
        rule();
        return true;
    } catch (const std::exception& error) {
        try {
            window.setStepsRunning(false);
        } catch (const std::exception&) {
            // The window that failed may not have its timer either; the
            // report of the first failure is what the user needs.
        }
        failed(error);
    }
    return false;
}

} // namespace lodarix::lift
