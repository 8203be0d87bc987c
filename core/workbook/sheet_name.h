// The names Excel takes for a sheet, and when two names are one to it: it
// compares them with case ignored, which is done here for Latin and Cyrillic
// letters.
#pragma once

#include <string_view>

namespace lodarix::workbook {

// 1 to 31 characters (UTF-16 units), none of []:*?/\ nor a control
// character, no apostrophe first or last, not "History"; UTF-8.
bool isSheetName(std::string_view name);

// The names differ only in the case of letters. Both must be UTF-8.
bool sameSheetName(std::string_view a, std::string_view b);

} // namespace lodarix::workbook
