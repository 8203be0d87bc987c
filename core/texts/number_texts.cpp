#include "core/texts/number_texts.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace lodarix::texts {

namespace {

// The digits of value with the decimal point dropped: round(|value| × 10^decimals).
// printf rounds an exact half to even; a half is taken away from zero here.
std::string scaledDigits(double magnitude, int decimals)
{
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.*f", decimals + 40, magnitude);
    std::string digits(exact);
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
