#include "core/motion/teacher_controls.h"

#include "core/motion/speed.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lodarix::motion {

namespace {

constexpr std::string_view Blanks = " \t\u00a0";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number as typed: an optional sign, digits, and at most one
// decimal comma or point followed by digits; in tenths, rounded half away
// from zero on the first dropped digit. Large values saturate.
std::optional<std::int64_t> readTenths(std::string_view text, bool fractionAllowed)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr std::int64_t Saturated = 1'000'000'000;
    std::int64_t tenths = 0;
    int digits = 0;
    std::size_t at = 0;
    for (; at < text.size() && isDigit(text[at]); ++at, ++digits)
        tenths = std::min(Saturated, tenths * 10 + (text[at] - '0'));
    tenths = std::min(Saturated, tenths * 10);
    if (at < text.size() && fractionAllowed && (text[at] == ',' || text[at] == '.')) {
        ++at;
        const std::size_t fraction = at;
        for (; at < text.size() && isDigit(text[at]); ++at, ++digits) {
            if (at == fraction)
                tenths += text[at] - '0';
            else if (at == fraction + 1 && text[at] >= '5')
                ++tenths;
        }
    }
    if (at != text.size() || digits == 0)
        return std::nullopt;
    return negative ? -tenths : tenths;
}

} // namespace

std::optional<int> readIntervalMs(std::string_view typed)
{
    const auto tenths = readTenths(typed, false);
    if (!tenths)
        return std::nullopt;
    return static_cast<int>(
        std::clamp<std::int64_t>(*tenths / 10, ShortestIntervalMs, LongestIntervalMs));
}

std::optional<double> readStoreyHeight(std::string_view typed)
{
    const auto tenths = readTenths(typed, true);
    if (!tenths)
        return std::nullopt;
    const auto within = std::clamp<std::int64_t>(*tenths, std::llround(StoreyHeight::Lowest * 10),
                                                 std::llround(StoreyHeight::Highest * 10));
    return static_cast<double>(within) / 10.0;
}

double storeyHeightWithin(double metres)
{
    if (std::isnan(metres))
        return StoreyHeight::Default;
    const double tenths =
        std::round(std::clamp(metres, StoreyHeight::Lowest, StoreyHeight::Highest) * 10);
    return tenths / 10.0;
}

} // namespace lodarix::motion
