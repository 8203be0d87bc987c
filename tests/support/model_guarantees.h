// The trip rules' guarantees checked on the window model (no Qt: the fuzzer
// uses it too).
#pragma once

#include "core/form/lodarix_controls.h"
#include "core/model/lodarix_model.h"
#include "tests/support/trip_guarantees.h"

#include <string>

namespace test_support {

// Empty when every guarantee holds for the model, else what is broken.
inline std::string brokenGuarantee(const lodarix::LodarixModel& model)
{
    using namespace lodarix::controls;
    const lodarix::WindowModel& window = model.window();
    const TripState state{model.controller().CurrentFloor(), model.controller().TargetFloor(),
                          window.isEnabled(StepTimer),
                          window.isSelected(GrilleButtons, GrilleClosedButton),
                          window.isSelected(GrilleButtons, GrilleOpenButton)};
    return brokenGuarantee(state, markers([&window](int floor) {
                               return window.backColor(
                                   FloorButtons, static_cast<lodarix::lift::FloorIndex>(floor));
                           }));
}

} // namespace test_support
