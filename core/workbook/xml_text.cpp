#include "core/workbook/xml_text.h"

#include "core/texts/utf8.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

struct Scientific {
    std::string digits; // significant digits, the first not 0
    int exponent;       // of the first digit
};

// The fewest significant digits of |value| that read back as value; 17
// always do. value is finite and not 0.
Scientific shortestDigits(double value)
{
    // The C library's conversions, which follow the same C locale both ways
    // (a decimal comma is skipped below with the point), and need no streams.
    char buffer[40];
    std::string text;
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
        text = buffer;
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    // text is "-d.dddde+XX"
    Scientific shortest{{}, 0};
    const std::size_t e = text.find('e');
    for (std::size_t at = 0; at < e; ++at) {
        if (text[at] >= '0' && text[at] <= '9')
            shortest.digits += text[at];
    }
    const bool negative = text[e + 1] == '-';
    for (std::size_t at = e + 2; at < text.size(); ++at)
        shortest.exponent = shortest.exponent * 10 + (text[at] - '0');
    if (negative)
        shortest.exponent = -shortest.exponent;
    return shortest;
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
    if (!std::isfinite(value))
        throw std::invalid_argument("a cell holds a finite number");
    if (value == 0)
        return "0";
    const Scientific shortest = shortestDigits(value);
    const std::string& digits = shortest.digits;
    const int count = static_cast<int>(digits.size());
    const int point = shortest.exponent + 1; // digits before the decimal point
    std::string text = value < 0 ? "-" : "";
    if (count <= point && point <= 21) {
        text += digits + std::string(static_cast<std::size_t>(point - count), '0');
    } else if (0 < point && point <= 21) {
        text += digits.substr(0, static_cast<std::size_t>(point)) + '.'
            + digits.substr(static_cast<std::size_t>(point));
    } else if (-6 < point && point <= 0) {
        text += "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else {
        text += digits.substr(0, 1);
        if (count > 1)
            text += '.' + digits.substr(1);
        text += shortest.exponent < 0 ? "E-" : "E+";
        text += std::to_string(shortest.exponent < 0 ? -shortest.exponent : shortest.exponent);
    }
    return text;
}

} // namespace lodarix::workbook
