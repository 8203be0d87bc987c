#include "core/texts/number_texts.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace lodarix::texts {

namespace {

// printf's radix character, and strtod's, is the C locale's; the texts here
// always have a point, whatever locale the process has set.
std::string_view radix()
{
    return std::localeconv()->decimal_point;
}

std::string printed(const char* format, int precision, double value)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    std::string text(buffer);
    if (const std::size_t at = text.find(radix()); radix() != "." && at != std::string::npos)
        text.replace(at, radix().size(), ".");
    return text;
}

double readPrinted(std::string text)
{
    if (const std::size_t at = text.find('.'); radix() != "." && at != std::string::npos)
        text.replace(at, 1, radix());
    return std::strtod(text.c_str(), nullptr);
}

struct Scientific {
    std::string digits; // significant digits, the first not 0
    int exponent;       // of the first digit
};

// The fewest significant digits of |value| that read back as value; 17
// always do. value is finite and not 0.
Scientific shortestDigits(double value)
{
    std::string text;
    for (int digits = 1; digits <= 17; ++digits) {
        text = printed("%.*e", digits - 1, value);
        if (readPrinted(text) == value)
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

// The digits of value with the decimal point dropped: round(|value| × 10^decimals).
// printf rounds an exact half to even; a half is taken away from zero here.
std::string scaledDigits(double magnitude, int decimals)
{
    std::string digits = printed("%.*f", decimals + 40, magnitude);
    const std::size_t point = digits.find_first_not_of("0123456789");
    const std::string tail = digits.substr(point + 1 + static_cast<std::size_t>(decimals));
    digits = digits.substr(0, point) + digits.substr(point + 1, static_cast<std::size_t>(decimals));
    if (tail[0] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    return digits;
}

} // namespace

std::string decimal(double value, int decimals)
{
    if (decimals < 0 || decimals > 9)
        throw std::out_of_range("a decimal text has 0 to 9 decimals");
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : value > 0 ? "∞" : "-∞";
    std::string digits = scaledDigits(std::fabs(value), decimals);
    const auto wholeDigits = static_cast<std::ptrdiff_t>(digits.size()) - decimals;
    if (wholeDigits <= 0)
        digits.insert(0, static_cast<std::size_t>(1 - wholeDigits), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, ',');
    return std::signbit(value) ? "-" + digits : digits;
}

std::string seconds(std::int64_t ms)
{
    return decimal(static_cast<double>(ms) / 1000.0, 1);
}

std::string pointSeconds(std::int64_t ms)
{
    std::string text = ms < 0 ? "-" : "";
    const auto magnitude =
        ms < 0 ? 0 - static_cast<std::uint64_t>(ms) : static_cast<std::uint64_t>(ms);
    const std::uint64_t fraction = magnitude % 1000;
    text += std::to_string(magnitude / 1000);
    text += '.';
    text += static_cast<char>('0' + fraction / 100);
    text += static_cast<char>('0' + fraction / 10 % 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

std::string pointGeneral(double value, int significant)
{
    if (significant < 1 || significant > 17)
        throw std::out_of_range("1 to 17 significant digits");
    return printed("%.*g", significant, value);
}

std::string shortestNumber(double value)
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
        text.append(digits).append(static_cast<std::size_t>(point - count), '0');
    } else if (0 < point && point <= 21) {
        const auto whole = static_cast<std::size_t>(point);
        text.append(digits, 0, whole).append(1, '.').append(digits, whole);
    } else if (-6 < point && point <= 0) {
        text.append("0.").append(static_cast<std::size_t>(-point), '0').append(digits);
    } else {
        text.append(digits, 0, 1);
        if (count > 1)
            text.append(1, '.').append(digits, 1);
        text.append(shortest.exponent < 0 ? "E-" : "E+");
        text.append(std::to_string(shortest.exponent < 0 ? -shortest.exponent : shortest.exponent));
    }
    return text;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    auto next = values.begin();
    while (true) {
        const std::size_t at = pattern.find("{}");
        if (at == std::string_view::npos || next == values.end())
            break;
        text += pattern.substr(0, at);
        text += *next++;
        pattern.remove_prefix(at + 2);
    }
    text += pattern;
    return text;
}

} // namespace lodarix::texts
