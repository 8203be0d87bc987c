#include "core/program/indent.h"

namespace lodarix::program {

std::string indentLines(std::string_view lines, bool outwards)
{
    std::string out;
    out.reserve(lines.size() + IndentWidth);
    while (true) {
        const std::size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        if (outwards) {
            std::size_t spaces = 0;
            while (spaces < line.size() && spaces < IndentWidth && line[spaces] == ' ')
                ++spaces;
            line.remove_prefix(spaces);
        } else {
            out.append(IndentWidth, ' ');
        }
        out += line;
        if (end == std::string_view::npos)
            return out;
        out += '\n';
        lines.remove_prefix(end + 1);
        if (lines.empty())
            return out;
    }
}

} // namespace lodarix::program
