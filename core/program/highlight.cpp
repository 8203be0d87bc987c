#include "core/program/highlight.h"

#include "core/program/tokens.h"

#include <array>
#include <cctype>

namespace lodarix::program {

namespace {

constexpr std::array<std::string_view, 35> Keywords{
    "Dim",   "As",     "Private", "Public", "Sub",    "End",     "Exit",    "Call", "If",
    "Then",  "ElseIf", "Else",    "For",    "To",     "Step",    "Next",    "Do",   "While",
    "Loop",  "Select", "Case",    "Is",     "And",    "Or",      "Not",     "Mod",  "ByVal",
    "ByRef", "Option", "Integer", "Long",   "String", "Boolean", "Variant", "Let"};

constexpr std::array<std::string_view, 2> LiteralWords{"True", "False"};

bool isWordPart(unsigned char c)
{
    return std::isalnum(c) || c == '_' || c >= 0x80;
}

template <std::size_t N>
bool among(const std::array<std::string_view, N>& words, std::string_view word)
{
    for (const std::string_view known : words) {
        if (sameName(word, known))
            return true;
    }
    return false;
}

} // namespace

std::vector<HighlightSpan> highlightLine(std::string_view line)
{
    std::vector<HighlightSpan> spans;
    std::size_t at = 0;
    while (at < line.size()) {
        const auto c = static_cast<unsigned char>(line[at]);
        const std::size_t start = at;
        if (c == '\'') {
            spans.push_back({start, line.size() - start, Highlight::Comment});
            break;
        }
        if (c == '"') {
            at = line.find('"', at + 1);
            while (at != std::string_view::npos && at + 1 < line.size() && line[at + 1] == '"')
                at = line.find('"', at + 2);
            at = at == std::string_view::npos ? line.size() : at + 1;
            spans.push_back({start, at - start, Highlight::Literal});
        } else if (std::isdigit(c)
                   || (c == '&' && at + 1 < line.size()
                       && (line[at + 1] == 'H' || line[at + 1] == 'h'))) {
            at += c == '&' ? 2 : 1;
            while (at < line.size() && std::isxdigit(static_cast<unsigned char>(line[at])))
                ++at;
            if (at < line.size() && (line[at] == '&' || line[at] == '%'))
                ++at;
            spans.push_back({start, at - start, Highlight::Literal});
        } else if (isWordPart(c)) {
            while (at < line.size() && isWordPart(static_cast<unsigned char>(line[at])))
                ++at;
            const std::string_view word = line.substr(start, at - start);
            spans.push_back({start, at - start,
                             among(Keywords, word)           ? Highlight::Keyword
                                 : among(LiteralWords, word) ? Highlight::Literal
                                                             : Highlight::Name});
        } else {
            ++at;
        }
    }
    return spans;
}

} // namespace lodarix::program
