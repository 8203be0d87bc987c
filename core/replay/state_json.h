// The state of the model window after a command, as one JSON object.
#pragma once

#include "core/model/lodarix_model.h"

#include <string>
#include <string_view>

namespace lodarix::replay {

// One compact JSON line (no line feed) with the keys colors, command,
// current, grille, listVisible, selectedFloor, status, target and timer, in
// that order; strings are UTF-8 with only '"', '\' and control characters
// escaped.
std::string stateLine(const LodarixModel& model, std::string_view command);

} // namespace lodarix::replay
