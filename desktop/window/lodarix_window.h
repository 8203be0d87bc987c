// The window "Lodarix" at work: the form loaded from its description, the
// trip rules bound to its widgets, and its events wired to the rules. A floor
// button's click runs Option1_Click with its index and the step timer runs
// Timer1_Timer; nothing else runs a rule. An observer, when set, hears of
// each of these events after its rule ran.
//
// No exception crosses the event loop: a failure inside a rule stops the step
// timer and goes to the run-time error handler, which by default shows a
// message box and ends the event loop with RunTimeErrorExitCode.
#pragma once

#include "core/lift/rule_observer.h"
#include "core/lift/trip_controller.h"
#include "desktop/window/form_loader.h"
#include "desktop/window/qt_window_operations.h"

#include <exception>
#include <functional>

namespace lodarix {

class LodarixWindow {
public:
    static constexpr int RunTimeErrorExitCode = 70;
    using ErrorHandler = std::function<void(const std::exception&)>;

    LodarixWindow();
    LodarixWindow(const LodarixWindow&) = delete;
    LodarixWindow& operator=(const LodarixWindow&) = delete;

    // Runs Form_Load; call once, before the window is first shown. Returns
    // false when it failed (the error handler has been called).
    bool load();
    // Shows the window; the first time, with the focus on the first control in tab order.
    void show();

    QWidget& form() { return *loaded_.form; }
    const ControlRegistry& controls() const { return loaded_.controls; }
    const lift::TripController& controller() const { return controller_; }
    lift::WindowOperations& operations() { return operations_; }

    // Set it before load() to hear of the load too; nullptr for none. The
    // observer must outlive the window or be unset first. Its failures go to
    // the error handler, as a rule's do.
    void setRuleObserver(RuleObserver* observer) { observer_ = observer; }

    // Replaces the default handler (tests use this to observe errors).
    void setErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }

    // Runs rule as an event handler does: any failure goes to the error handler.
    // Returns false when the rule failed.
    bool handleEvent(const std::function<void()>& rule);

private:
    void wireEvents();
    void reportError(const std::exception& error);

    LoadedForm loaded_;
    QtWindowOperations operations_;
    lift::TripController controller_;
    ErrorHandler errorHandler_;
    RuleObserver* observer_ = nullptr;
};

} // namespace lodarix
