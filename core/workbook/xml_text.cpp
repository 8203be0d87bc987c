#include "core/workbook/xml_text.h"

#include "core/texts/number_texts.h"
#include "core/texts/utf8.h"

#include <stdexcept>

namespace lodarix::workbook {

namespace {

[[noreturn]] void notUtf8()
{
    throw std::invalid_argument("text in a workbook must be UTF-8");
}

// The character starting at text[at].
texts::Utf8Character decode(std::string_view text, std::size_t at)
{
    const auto character = texts::decodeUtf8(text, at);
    if (!character)
        notUtf8();
    return *character;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "_x" four hex digits "_" at text[at].
bool startsEscape(std::string_view text, std::size_t at)
{
    if (text.size() - at < 7 || text[at] != '_' || (text[at + 1] != 'x' && text[at + 1] != 'X')
        || text[at + 6] != '_')
        return false;
    for (std::size_t i = 2; i < 6; ++i) {
        if (!isHexDigit(text[at + i]))
            return false;
    }
    return true;
}

void appendEscape(std::string& out, char32_t codePoint)
{
    static constexpr std::string_view Hex = "0123456789ABCDEF";
    out += "_x";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += Hex[(codePoint >> shift) & 0xF];
    out += '_';
}

bool xmlCannotHold(char32_t codePoint)
{
    return (codePoint < 0x20 && codePoint != '\t' && codePoint != '\n') || codePoint == 0xFFFE
        || codePoint == 0xFFFF;
}

} // namespace

void appendXmlText(std::string& out, std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const texts::Utf8Character next = decode(text, at);
        switch (next.codePoint) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '_':
            if (startsEscape(text, at))
                appendEscape(out, '_');
            else
                out += '_';
            break;
        default:
            if (xmlCannotHold(next.codePoint))
                appendEscape(out, next.codePoint);
            else
                out += text.substr(at, next.bytes);
        }
        at += next.bytes;
    }
}

std::u32string codePoints(std::string_view text)
{
    std::u32string points;
    for (std::size_t at = 0; at < text.size();) {
        const texts::Utf8Character next = decode(text, at);
        points += next.codePoint;
        at += next.bytes;
    }
    return points;
}

std::string numberText(double value)
{
    return texts::shortestNumber(value);
}

} // namespace lodarix::workbook
