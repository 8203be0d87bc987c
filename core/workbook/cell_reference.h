// Cell references as a sheet writes them: columns A to Z, then AA to ZZ,
// then AAA to XFD; rows from 1. Positions here count from 0.
#pragma once

#include <string>

namespace lodarix::workbook {

inline constexpr int MaxColumns = 16'384; // A to XFD
inline constexpr int MaxRows = 1'048'576;

// 0 is "A", 25 "Z", 26 "AA", 16383 "XFD". Throws std::out_of_range outside.
std::string columnName(int column);
// (0, 0) is "A1", (26, 11) "AA12". Throws std::out_of_range outside a sheet.
std::string cellReference(int column, int row);

} // namespace lodarix::workbook
