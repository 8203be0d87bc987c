#include "web/page/page_window.h"

#include "core/form/lodarix_controls.h"
#include "core/lift/run_time_error_report.h"
#include "core/texts/main_window_texts.h"

#include <exception>
#include <string>

namespace lodarix::web {

PageWindow::PageWindow(emscripten::val controls)
    : controls_(controls)
    , operations_(controls)
    , rules_(operations_)
{
}

bool PageWindow::load()
{
    return handleEvent([this] { rules_.load(); });
}

bool PageWindow::pick(int floor)
{
    return handleEvent([this, floor] { rules_.pick(static_cast<lift::FloorIndex>(floor)); });
}

bool PageWindow::step()
{
    return handleEvent([this] { rules_.step(); });
}

void PageWindow::observe(PageMotion* motion)
{
    rules_.setObserver(motion ? &motion->recorder() : nullptr);
}

template <class Rule> bool PageWindow::handleEvent(Rule rule)
{
    try {
        rule();
        return true;
    } catch (const std::exception& error) {
        controls_.call<bool>("setTimerEnabled", std::string(controls::StepTimer), false);
        controls_.call<void>("runTimeError", lift::runTimeErrorReport(error, texts::PageStops));
    }
    return false;
}

} // namespace lodarix::web
