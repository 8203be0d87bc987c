// UTF-8 as every text of the program is held: decoding one character at a
// time, strictly (no overlong forms, no surrogates, nothing past U+10FFFF).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace lodarix::texts {

struct Utf8Character {
    char32_t codePoint;
    std::size_t bytes;
};

// The character whose encoding starts at text[at]; none where no valid one does.
std::optional<Utf8Character> decodeUtf8(std::string_view text, std::size_t at);

} // namespace lodarix::texts
