// The events window's part in a session of the main window. From the load
// on it keeps the lesson's events trace, as one of the window's rule
// observers, after the motion record, whose times it takes; it answers F3
// and "Събития" in the main window's context menu; and it makes the events
// window when first opened. Until then nothing of it shows. A row the user
// chooses there is told as rowChosen, and selectRow chooses one unheard.
// When the form starts afresh on another program, the trace begins anew.
#pragma once

#include "core/trace/event_trace.h"

#include <QObject>

#include <memory>

namespace lodarix {

class EventsWindow;
class LodarixWindow;
class MotionHost;

class EventsHost : public QObject {
    Q_OBJECT

public:
    // Make it after the motion host and before window.load(), so that the
    // trace begins with the load; both must outlive it.
    EventsHost(LodarixWindow& window, MotionHost& motion);
    ~EventsHost() override;

    // Shows the events window, made on first use, and brings it to the front.
    void openEventsWindow();

    // Selects the lesson's row in the events window, if it is shown.
    void selectRow(std::size_t row);
    // A new session of the trace: its rows go, and the next load is its first.
    void beginSession();

    // nullptr until first opened.
    EventsWindow* eventsWindow() const { return eventsWindow_.get(); }
    const trace::EventTrace& trace() const { return trace_; }

signals:
    // The user chose the lesson's row in the events window.
    void rowChosen(std::size_t row);

private:
    LodarixWindow& window_;
    trace::EventTrace trace_;
    std::unique_ptr<EventsWindow> eventsWindow_;
};

} // namespace lodarix
