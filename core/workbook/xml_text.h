// Text in the XML parts of a workbook. Texts are UTF-8 and escaped for XML;
// the characters XML cannot hold (the controls other than tab and line feed,
// U+FFFE and U+FFFF) become the _xHHHH_ escapes that spreadsheet programs
// read back, and a '_' that would start such an escape is itself escaped as
// _x005F_. A carriage return becomes a character reference, which XML keeps
// where a literal one would be read as a line feed. Numbers are written in
// the C locale's form whatever the program's locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lodarix::workbook {

// Appends text escaped as above. Throws std::invalid_argument for text that
// is not UTF-8 (overlong forms and surrogates included).
void appendXmlText(std::string& out, std::string_view text);

// The code points of UTF-8 text. Throws std::invalid_argument for text that
// is not UTF-8.
std::u32string codePoints(std::string_view text);

// The shortest text that reads back as the same double: the fewest
// significant digits, in fixed notation for magnitudes from 1E-6 to below
// 1E+21 and in scientific notation outside, such as "0.8", "120", "-3.5E-7", "1E+300";
// "0" for both zeros. A subnormal number (below 2.2E-308) may get a digit
// more from a C++ library whose streams refuse to read it back. Throws
// std::invalid_argument for infinities and NaN, which a cell cannot hold.
std::string numberText(double value);

} // namespace lodarix::workbook
