// Runs the commands of a replay script against the window model, as the
// replay tool does: "close" and "open" select a grille button, "pick N"
// clicks the floor button N, "tick" lets one period of the step timer pass.
#pragma once

#include "core/model/lodarix_model.h"
#include "core/replay/script.h"

namespace lodarix::replay {

void run(const Command& command, LodarixModel& model);

} // namespace lodarix::replay
