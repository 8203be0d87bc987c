// A workbook of sheets of rows of cells, and xlsx(), which writes it as an
// Office Open XML spreadsheet (.xlsx) that Excel and LibreOffice open: the
// parts' XML in a stored zip. Texts go to the shared strings part, each text
// once however often it is used; numbers are written in the C locale's form,
// so the file reads the same in every locale. A sheet's first rows may be its
// header: bold, and kept in view while the rest scrolls. A column may have a
// width and show its numbers with a fixed number of decimals. A formula
// keeps the result it had when written, for viewers that do not calculate;
// the workbook asks the programs that do to calculate it afresh on opening.
#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

namespace lodarix::workbook {

struct Formula {
    std::string expression; // as the file holds it: English names, commas, no leading '='
    std::variant<double, std::string> cached; // its result when written
};

using Cell = std::variant<std::monostate, double, std::string, Formula>;

struct Column {
    double width = 0;  // in characters of the default font; 0 keeps the default
    int decimals = -1; // the column's numbers shown with 0 to 15 decimals; -1 as they come
};

struct Sheet {
    std::string name;
    std::vector<std::vector<Cell>> rows; // from row 1, each from column A
    std::vector<Column> columns;         // from column A
    int headerRows = 0;                  // the first rows: bold, and kept in view
};

// The bytes of the .xlsx file. Throws std::invalid_argument for no sheets,
// a name that is not a sheet name (see isSheetName) or one given twice, text
// that is not UTF-8, a number that is not finite, a column's width or
// decimals or the header rows out of range; std::length_error for more rows
// or columns than a sheet holds.
std::string xlsx(std::span<const Sheet> sheets);

} // namespace lodarix::workbook
