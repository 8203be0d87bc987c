#include "core/replay/motion_session.h"

#include "core/form/lodarix_controls.h"
#include "core/replay/runner.h"

#include <type_traits>
#include <variant>

namespace lodarix::replay {

MotionSession::MotionSession()
    : recorder_([this] { return nowMs_; })
{
    model_.load();
    recorder_.loaded(model_.controller());
}

void MotionSession::run(const Command& command)
{
    std::visit(
        [this, &command](const auto& action) {
            using Action = std::decay_t<decltype(action)>;
            if constexpr (std::is_same_v<Action, Pick>) {
                const bool grilleWasClosed = model_.grille() == Grille::Closed;
                replay::run(command, model_);
                recorder_.floorPicked(model_.controller(), grilleWasClosed);
            } else if constexpr (std::is_same_v<Action, Tick>) {
                const bool stepDue = model_.window().isEnabled(controls::StepTimer);
                nowMs_ += TickMs;
                replay::run(command, model_);
                if (stepDue)
                    recorder_.stepRan(model_.controller());
            } else {
                replay::run(command, model_);
            }
        },
        command.action);
}

} // namespace lodarix::replay
