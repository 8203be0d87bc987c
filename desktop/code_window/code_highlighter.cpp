#include "desktop/code_window/code_highlighter.h"

#include "core/program/code_style.h"
#include "core/program/highlight.h"
#include "desktop/window/color_style.h"

#include <QTextCharFormat>

#include <string_view>
#include <vector>

namespace lodarix {

namespace {

// For each byte of text's UTF-8, the index of its character in text; one more
// entry for the end.
std::vector<int> charIndexOfBytes(const QString& text)
{
    std::vector<int> at;
    at.reserve(static_cast<std::size_t>(text.size()) + 1);
    for (int i = 0; i < text.size(); ++i) {
        const char32_t code = text.at(i).unicode();
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
        const int bytes = pair ? 4 : code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
        at.insert(at.end(), static_cast<std::size_t>(bytes), i);
        if (pair)
            ++i;
    }
    at.push_back(static_cast<int>(text.size()));
    return at;
}

} // namespace

CodeHighlighter::CodeHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document)
{
}

void CodeHighlighter::highlightBlock(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::vector<int> at = charIndexOfBytes(text);
    for (const program::HighlightSpan& span :
         program::highlightLine(std::string_view(utf8.constData(), std::size_t(utf8.size())))) {
        const std::size_t end = std::min(span.start + span.length, at.size() - 1);
        if (span.start >= end)
            continue;
        QTextCharFormat format;
        format.setForeground(toQColor(program::code_style::colorOf(span.kind)));
        if (span.kind == program::Highlight::Keyword)
            format.setFontWeight(QFont::Bold);
        if (span.kind == program::Highlight::Comment)
            format.setFontItalic(true);
        setFormat(at[span.start], at[end] - at[span.start], format);
    }
}

} // namespace lodarix
