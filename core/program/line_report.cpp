#include "core/program/line_report.h"

#include "core/texts/code_view_texts.h"
#include "core/texts/number_texts.h"

namespace lodarix::program {

std::string changesText(const std::vector<Change>& changes)
{
    if (changes.empty())
        return std::string(code_texts::NothingChanged);
    std::string text;
    for (const Change& change : changes) {
        if (!text.empty())
            text += code_texts::ChangesSeparator;
        text += changeText(change);
    }
    return text;
}

std::string ranLineText(int line, const std::vector<Change>& changes)
{
    return texts::fill(code_texts::LineRan, {std::to_string(line), changesText(changes)});
}

std::string_view sourceLine(std::string_view source, int line)
{
    for (int at = 1; at < line; ++at) {
        const std::size_t end = source.find('\n');
        if (end == std::string_view::npos)
            return {};
        source.remove_prefix(end + 1);
    }
    if (line < 1)
        return {};
    source = source.substr(0, source.find('\n'));
    constexpr std::string_view Blank = " \t\r";
    const std::size_t first = source.find_first_not_of(Blank);
    if (first == std::string_view::npos)
        return {};
    return source.substr(first, source.find_last_not_of(Blank) + 1 - first);
}

std::string lineSummary(std::string_view source, int line, const std::vector<Change>& changes,
                        int nextLine)
{
    const std::string number = std::to_string(line);
    std::string said = changes.empty()
        ? texts::fill(code_texts::UnchangedLineSummary, {number, sourceLine(source, line)})
        : texts::fill(code_texts::LineSummary,
                      {number, sourceLine(source, line), changesText(changes)});
    if (nextLine > 0)
        said += texts::fill(code_texts::NextSummary, {std::to_string(nextLine)});
    return said;
}

} // namespace lodarix::program
