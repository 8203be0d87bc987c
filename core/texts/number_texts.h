// Numbers as text, the one place they become text, whatever the process's
// C locale: in the Bulgarian texts with a decimal comma and no group
// separators, rounded to the nearest with halves away from zero, so that
// every face writes the same digits; in the machine formats (JSON, the
// workbook's XML, the motion CSV) with a decimal point. And the fillers of
// the Bulgarian texts' patterns.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lodarix::texts {

// 12.84 with 1 decimal is "12,8"; -0.004 with 2 is "-0,00". decimals: 0 to 9.
std::string decimal(double value, int decimals);
// Milliseconds as seconds with one decimal: 12840 is "12,8".
std::string seconds(std::int64_t ms);
// Milliseconds as seconds with three decimals and a point: 800 is "0.800", -5 is "-0.005".
std::string pointSeconds(std::int64_t ms);
// printf's %.*g with a point: 15 significant digits of 0.1 are "0.1".
// significant: 1 to 17.
std::string pointGeneral(double value, int significant);
// The shortest text that reads back as the same double: the fewest
// significant digits, in fixed notation for magnitudes from 1E-6 to below
// 1E+21 and in scientific notation outside, such as "0.8", "120", "-3.5E-7",
// "1E+300"; "0" for both zeros. Throws std::invalid_argument for infinities
// and NaN.
std::string shortestNumber(double value);

// pattern with each "{}" replaced by the next of values; a "{}" beyond them stays.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace lodarix::texts
