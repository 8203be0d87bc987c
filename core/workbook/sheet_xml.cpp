#include "core/workbook/sheet_xml.h"

#include "core/workbook/cell_reference.h"
#include "core/workbook/xml_names.h"
#include "core/workbook/xml_text.h"

#include <algorithm>
#include <stdexcept>

namespace lodarix::workbook {

namespace {

constexpr double WidestColumn = 255;
constexpr int MostDecimals = 15;

void check(const Sheet& sheet)
{
    if (sheet.rows.size() > static_cast<std::size_t>(MaxRows))
        throw std::length_error("a sheet holds at most 1048576 rows");
    if (sheet.columns.size() > static_cast<std::size_t>(MaxColumns))
        throw std::length_error("a sheet holds at most 16384 columns");
    for (const auto& row : sheet.rows) {
        if (row.size() > static_cast<std::size_t>(MaxColumns))
            throw std::length_error("a sheet holds at most 16384 columns");
    }
    for (const Column& column : sheet.columns) {
        if (!(column.width >= 0 && column.width <= WidestColumn))
            throw std::invalid_argument("a column is 0 to 255 characters wide");
        if (column.decimals < -1 || column.decimals > MostDecimals)
            throw std::invalid_argument("a column shows 0 to 15 decimals");
    }
    if (sheet.headerRows < 0 || sheet.headerRows >= MaxRows)
        throw std::invalid_argument("a header is 0 to 1048575 rows");
}

bool hasContent(const std::vector<Cell>& row)
{
    for (const Cell& cell : row) {
        if (!std::holds_alternative<std::monostate>(cell))
            return true;
    }
    return false;
}

// "A1:G12" for the cells in use, "A1" for none.
std::string dimension(const Sheet& sheet)
{
    std::size_t lastRow = 0;
    std::size_t columns = 0;
    for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
        const auto& cells = sheet.rows[row];
        for (std::size_t column = cells.size(); column > 0; --column) {
            if (!std::holds_alternative<std::monostate>(cells[column - 1])) {
                lastRow = row + 1;
                columns = std::max(columns, column);
                break;
            }
        }
    }
    if (lastRow == 0)
        return "A1";
    return "A1:" + cellReference(static_cast<int>(columns) - 1, static_cast<int>(lastRow) - 1);
}

void appendView(std::string& out, const Sheet& sheet, bool selected)
{
    out += "<sheetViews><sheetView workbookViewId=\"0\"";
    if (selected)
        out += " tabSelected=\"1\"";
    if (sheet.headerRows == 0) {
        out += "/></sheetViews>";
        return;
    }
    const std::string firstScrolled = cellReference(0, sheet.headerRows);
    out += "><pane ySplit=\"" + std::to_string(sheet.headerRows) + "\" topLeftCell=\""
        + firstScrolled + "\" activePane=\"bottomLeft\" state=\"frozen\"/>"
        + "<selection pane=\"bottomLeft\" activeCell=\"" + firstScrolled + "\" sqref=\""
        + firstScrolled + "\"/></sheetView></sheetViews>";
}

void appendColumns(std::string& out, const Sheet& sheet)
{
    std::string columns;
    for (std::size_t at = 0; at < sheet.columns.size(); ++at) {
        if (sheet.columns[at].width <= 0)
            continue;
        const std::string number = std::to_string(at + 1);
        columns += "<col min=\"" + number + "\" max=\"" + number + "\" width=\""
            + numberText(sheet.columns[at].width) + "\" customWidth=\"1\"/>";
    }
    if (!columns.empty())
        out += "<cols>" + columns + "</cols>";
}

struct CellWriter {
    std::string& out;
    SharedStrings& strings;

    void begin(const std::string& reference, int style, std::string_view type)
    {
        out += "<c r=\"" + reference + '"';
        if (style != 0)
            out += " s=\"" + std::to_string(style) + '"';
        if (!type.empty()) {
            out += " t=\"";
            out += type;
            out += '"';
        }
        out += '>';
    }

    void write(const std::string& reference, int style, const Cell& cell)
    {
        if (const auto* number = std::get_if<double>(&cell)) {
            begin(reference, style, {});
            out += "<v>" + numberText(*number) + "</v></c>";
        } else if (const auto* text = std::get_if<std::string>(&cell)) {
            begin(reference, style, "s");
            out += "<v>" + std::to_string(strings.index(*text)) + "</v></c>";
        } else if (const auto* formula = std::get_if<Formula>(&cell)) {
            const auto* cachedText = std::get_if<std::string>(&formula->cached);
            begin(reference, style, cachedText ? "str" : "");
            out += "<f>";
            appendXmlText(out, formula->expression);
            out += "</f><v>";
            if (cachedText)
                appendXmlText(out, *cachedText);
            else
                out += numberText(std::get<double>(formula->cached));
            out += "</v></c>";
        }
    }
};

} // namespace

std::string sheetXml(const Sheet& sheet, bool selected, SharedStrings& strings, Styles& styles)
{
    check(sheet);
    std::string out{XmlDeclaration};
    out += "<worksheet xmlns=\"";
    out += SpreadsheetNamespace;
    out += "\"><dimension ref=\"" + dimension(sheet) + "\"/>";
    appendView(out, sheet, selected);
    appendColumns(out, sheet);
    out += "<sheetData>";
    CellWriter cells{out, strings};
    for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
        if (!hasContent(sheet.rows[row]))
            continue;
        const bool bold = static_cast<int>(row) < sheet.headerRows;
        out += "<row r=\"" + std::to_string(row + 1) + "\">";
        for (std::size_t column = 0; column < sheet.rows[row].size(); ++column) {
            const Cell& cell = sheet.rows[row][column];
            if (std::holds_alternative<std::monostate>(cell))
                continue;
            const int decimals =
                column < sheet.columns.size() ? sheet.columns[column].decimals : -1;
            cells.write(cellReference(static_cast<int>(column), static_cast<int>(row)),
                        styles.index(bold, decimals), cell);
        }
        out += "</row>";
    }
    out += "</sheetData></worksheet>";
    return out;
}

} // namespace lodarix::workbook
