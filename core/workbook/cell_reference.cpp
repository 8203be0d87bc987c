#include "core/workbook/cell_reference.h"

#include <algorithm>
#include <stdexcept>

namespace lodarix::workbook {

std::string columnName(int column)
{
    if (column < 0 || column >= MaxColumns)
        throw std::out_of_range("a sheet has columns A to XFD");
    // Bijective base 26: no digit stands for zero.
    std::string name;
    for (int rest = column + 1; rest > 0; rest = (rest - 1) / 26)
        name += static_cast<char>('A' + (rest - 1) % 26);
    std::reverse(name.begin(), name.end());
    return name;
}

std::string cellReference(int column, int row)
{
    if (row < 0 || row >= MaxRows)
        throw std::out_of_range("a sheet has rows 1 to 1048576");
    return columnName(column) + std::to_string(row + 1);
}

} // namespace lodarix::workbook
