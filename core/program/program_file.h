// A program as a file holds it: UTF-8 text of at most MaxFileBytes, with LF
// line ends and no byte order mark. A file with a mark, or CR LF or CR ends,
// reads the same; one that is not such text gets the reason, in the
// program's words, and no text. Every face and lodarix-replay open programs
// through it, and save the text as the code holds it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace lodarix::program {

inline constexpr std::size_t MaxFileBytes = 64 * 1024;

struct NotAProgram {
    std::string reason;
};

std::variant<std::string, NotAProgram> programText(std::string_view bytes);

} // namespace lodarix::program
