// Writing a file whole or not at all: the bytes go to a new file beside it,
// which then takes its name, so that a reader never sees half a file and a
// failure leaves what was there before.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lodarix::replay {

// What went wrong (the system's words), or nothing when the file was written.
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);

} // namespace lodarix::replay
