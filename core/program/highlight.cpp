#include "core/program/highlight.h"

#include "core/program/tokens.h"

#include <cctype>

namespace lodarix::program {

namespace {

bool isWordPart(unsigned char c)
{
    return std::isalnum(c) || c == '_' || c >= 0x80;
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
            const bool literal = sameName(word, "True") || sameName(word, "False");
            spans.push_back({start, at - start,
                             literal               ? Highlight::Literal
                                 : isKeyword(word) ? Highlight::Keyword
                                                   : Highlight::Name});
        } else {
            ++at;
        }
    }
    return spans;
}

} // namespace lodarix::program
