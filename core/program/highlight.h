// The colours of the form's code by kind, as both faces show them: a line's
// spans of keywords, names, literals (numbers, texts, True and False) and
// comments. It reads any text, sound or not; what it cannot place is plain.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lodarix::program {

enum class Highlight : std::uint8_t { Keyword, Name, Literal, Comment };

struct HighlightSpan {
    std::size_t start;  // in bytes from the line's start
    std::size_t length; // in bytes
    Highlight kind;
};

// The spans of one line (no line end), in order; what lies between them is plain.
std::vector<HighlightSpan> highlightLine(std::string_view line);

} // namespace lodarix::program
