// Runs the commands of a replay script against the window model, as the
// replay tool does: "close" and "open" select a grille button, "pick N"
// clicks the floor button N, "tick" lets one period of the step timer pass.
#pragma once

#include "app/replay/script.h"
#include "window/model/lodarix_model.h"

namespace lodarix::replay {

void run(const Command& command, LodarixModel& model);

} // namespace lodarix::replay
