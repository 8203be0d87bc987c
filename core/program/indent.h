// Indenting the form's code in an editor: Tab moves whole lines inwards by
// IndentWidth spaces, Shift+Tab outwards by as many of their leading spaces
// as there are, up to IndentWidth. Every face's editor indents through here.
#pragma once

#include <string>
#include <string_view>

namespace lodarix::program {

inline constexpr int IndentWidth = 4;

// The lines (LF between them) moved inwards, or outwards; an empty last
// line, after a final LF, is left as it is.
std::string indentLines(std::string_view lines, bool outwards);

} // namespace lodarix::program
