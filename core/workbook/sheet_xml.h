// One sheet as the part xl/worksheets/sheetN.xml: its view (the frozen
// header), its columns' widths and its rows, each cell with its reference.
// Its texts and cell formats go to the tables the sheets share.
#pragma once

#include "core/workbook/shared_parts.h"
#include "core/workbook/workbook.h"

#include <string>

namespace lodarix::workbook {

// selected: the sheet the workbook opens on. Throws as xlsx() does for what
// is wrong in the sheet, its name aside.
std::string sheetXml(const Sheet& sheet, bool selected, SharedStrings& strings, Styles& styles);

} // namespace lodarix::workbook
