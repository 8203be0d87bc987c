// Writing a file whole or not at all: the bytes go to a new file beside it,
// which then takes its name, so that a reader never sees half a file and a
// failure leaves what was there before. A file that is there and write
// protected is left as it is. Every face that saves a file writes it so, and
// words a failure its own way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace lodarix::files {

struct WriteFailure {
    enum class Step {
        Open,    // the new file could not be made beside it (or the path is a folder, or write
                 // protected)
        Write,   // its bytes could not all be written (a full disk, say)
        Replace, // it could not take the file's name
    };
    Step step;
    std::error_code error;
};

// Nothing when the file was written.
std::optional<WriteFailure> writeWholeFile(const std::string& path, std::string_view bytes);

} // namespace lodarix::files
