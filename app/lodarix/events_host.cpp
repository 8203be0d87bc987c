#include "app/lodarix/events_host.h"

#include "app/lodarix/motion_host.h"
#include "desktop/events_window/events_window.h"
#include "desktop/window/lodarix_window.h"
#include "desktop/window/main_window_menu.h"

#include <QAction>

namespace lodarix {

EventsHost::EventsHost(LodarixWindow& window, MotionHost& motion)
    : window_(window)
    , trace_(motion.recording().recorder())
{
    window_.addRuleObserver(&trace_);
    trace_.setRowListener([this](std::size_t) {
        if (eventsWindow_)
            eventsWindow_->lessonChanged();
    });
    connect(motion.menu().eventsWindowAction(), &QAction::triggered, this,
            &EventsHost::openEventsWindow);
}

EventsHost::~EventsHost()
{
    window_.removeRuleObserver(&trace_);
}

void EventsHost::openEventsWindow()
{
    if (!eventsWindow_) {
        eventsWindow_ = std::make_unique<EventsWindow>(trace_);
        eventsWindow_->setWindowIcon(window_.form().windowIcon());
        connect(eventsWindow_.get(), &EventsWindow::rowChosen, this, &EventsHost::rowChosen);
    }
    eventsWindow_->show();
    eventsWindow_->raise();
    eventsWindow_->activateWindow();
}

void EventsHost::selectRow(std::size_t row)
{
    if (eventsWindow_ && eventsWindow_->isVisible())
        eventsWindow_->selectRow(row);
}

void EventsHost::beginSession()
{
    trace_.beginAnew();
    if (eventsWindow_)
        eventsWindow_->lessonChanged();
}

} // namespace lodarix
