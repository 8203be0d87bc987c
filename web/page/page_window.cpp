#include "web/page/page_window.h"

#include "core/lift/guarded_event.h"
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

bool PageWindow::grilleClicked()
{
    return handleEvent([this] { rules_.grilleClicked(); });
}

void PageWindow::observe(PageMotion* motion)
{
    rules_.setObserver(motion ? &motion->recorder() : nullptr);
}

void PageWindow::watch(PageTrace* trace)
{
    if (trace)
        rules_.addObserver(&trace->trace());
}

template <class Rule> bool PageWindow::handleEvent(Rule rule)
{
    return lift::runGuarded(operations_, rule, [this](const std::exception& error) {
        controls_.call<void>("runTimeError", lift::runTimeErrorReport(error, texts::PageStops));
    });
}

} // namespace lodarix::web
