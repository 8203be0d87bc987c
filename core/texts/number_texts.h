// Numbers and fillers in the Bulgarian texts: a decimal comma and no group
// separators, whatever the process's locale, rounded to the nearest with
// halves away from zero, so that every face writes the same digits.
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
// pattern with each "{}" replaced by the next of values; a "{}" beyond them stays.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace lodarix::texts
