#include "core/workbook/workbook.h"

#include "core/workbook/shared_parts.h"
#include "core/workbook/sheet_name.h"
#include "core/workbook/sheet_xml.h"
#include "core/workbook/xml_names.h"
#include "core/workbook/xml_text.h"
#include "core/workbook/zip_writer.h"

#include <stdexcept>

namespace lodarix::workbook {

namespace {

void checkNames(std::span<const Sheet> sheets)
{
    if (sheets.empty())
        throw std::invalid_argument("a workbook has at least one sheet");
    for (std::size_t at = 0; at < sheets.size(); ++at) {
        if (!isSheetName(sheets[at].name))
            throw std::invalid_argument("not a sheet name: " + sheets[at].name);
        for (std::size_t before = 0; before < at; ++before) {
            if (sameSheetName(sheets[before].name, sheets[at].name))
                throw std::invalid_argument("two sheets named " + sheets[at].name);
        }
    }
}

std::string sheetPath(std::size_t at)
{
    return "worksheets/sheet" + std::to_string(at + 1) + ".xml";
}

std::string relationship(std::size_t id, std::string_view type, const std::string& target)
{
    std::string out = "<Relationship Id=\"rId" + std::to_string(id) + "\" Type=\"";
    out += RelationshipType;
    out += type;
    out += "\" Target=\"" + target + "\"/>";
    return out;
}

std::string contentType(const std::string& part, std::string_view type)
{
    std::string out = "<Override PartName=\"/" + part + "\" ContentType=\"";
    out += SpreadsheetContentType;
    out += type;
    out += "\"/>";
    return out;
}

std::string workbookXml(std::span<const Sheet> sheets)
{
    std::string out{XmlDeclaration};
    out += "<workbook xmlns=\"";
    out += SpreadsheetNamespace;
    out += "\" xmlns:r=\"";
    out += DocumentRelationshipsNamespace;
    out += "\"><sheets>";
    for (std::size_t at = 0; at < sheets.size(); ++at) {
        out += "<sheet name=\"";
        appendXmlText(out, sheets[at].name);
        const std::string number = std::to_string(at + 1);
        out += "\" sheetId=\"" + number + "\" r:id=\"rId" + number + "\"/>";
    }
    out += "</sheets><calcPr fullCalcOnLoad=\"1\"/></workbook>";
    return out;
}

} // namespace

std::string xlsx(std::span<const Sheet> sheets)
{
    checkNames(sheets);
    SharedStrings strings;
    Styles styles;
    std::vector<std::string> sheetParts;
    for (std::size_t at = 0; at < sheets.size(); ++at)
        sheetParts.push_back(sheetXml(sheets[at], at == 0, strings, styles));

    std::string types{XmlDeclaration};
    types += "<Types xmlns=\"";
    types += ContentTypesNamespace;
    types += "\"><Default Extension=\"rels\" "
             "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
             "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    types += contentType("xl/workbook.xml", "sheet.main+xml");

    std::string relationships{XmlDeclaration};
    relationships += "<Relationships xmlns=\"";
    relationships += RelationshipsNamespace;
    relationships += "\">";
    for (std::size_t at = 0; at < sheets.size(); ++at) {
        relationships += relationship(at + 1, "worksheet", sheetPath(at));
        types += contentType("xl/" + sheetPath(at), "worksheet+xml");
    }
    relationships += relationship(sheets.size() + 1, "styles", "styles.xml");
    types += contentType("xl/styles.xml", "styles+xml");
    if (!strings.empty()) {
        relationships += relationship(sheets.size() + 2, "sharedStrings", "sharedStrings.xml");
        types += contentType("xl/sharedStrings.xml", "sharedStrings+xml");
    }
    relationships += "</Relationships>";
    types += "</Types>";

    std::string packageRelationships{XmlDeclaration};
    packageRelationships += "<Relationships xmlns=\"";
    packageRelationships += RelationshipsNamespace;
    packageRelationships +=
        "\">" + relationship(1, "officeDocument", "xl/workbook.xml") + "</Relationships>";

    ZipWriter zip;
    zip.add("[Content_Types].xml", types);
    zip.add("_rels/.rels", packageRelationships);
    zip.add("xl/workbook.xml", workbookXml(sheets));
    zip.add("xl/_rels/workbook.xml.rels", relationships);
    for (std::size_t at = 0; at < sheets.size(); ++at)
        zip.add("xl/" + sheetPath(at), sheetParts[at]);
    zip.add("xl/styles.xml", styles.xml());
    if (!strings.empty())
        zip.add("xl/sharedStrings.xml", strings.xml());
    return zip.archive();
}

} // namespace lodarix::workbook
