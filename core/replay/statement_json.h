// A statement of the form's code that ran, as one JSON object for
// lodarix-replay --lines: the event's number, the procedure, the line, the
// form's variables (and the locals of the procedure, while it runs) after it,
// and the window's state then, as stateLine writes it.
#pragma once

#include "core/model/lodarix_model.h"
#include "core/program/machine.h"

#include <string>
#include <string_view>

namespace lodarix::replay {

// A compact JSON line, no line feed: event, procedure, line, variables, state.
std::string statementLine(int event, const program::Ran& ran, const program::Machine& machine,
                          const LodarixModel& model, std::string_view command);

} // namespace lodarix::replay
