// The state of the model window after a command, as one JSON object.
#pragma once

#include "window/model/lodarix_model.h"

#include <QByteArray>

#include <string_view>

namespace lodarix::replay {

// One compact JSON line (no line feed) with the keys command, current, target,
// timer, grille, selectedFloor, listVisible, colors and status.
QByteArray stateLine(const LodarixModel& model, std::string_view command);

} // namespace lodarix::replay
