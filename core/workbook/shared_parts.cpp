#include "core/workbook/shared_parts.h"

#include "core/workbook/xml_names.h"
#include "core/workbook/xml_text.h"

namespace lodarix::workbook {

namespace {

constexpr int FirstCustomFormat = 164; // below are the built-in number formats

std::string formatCode(int decimals)
{
    return decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

} // namespace

int SharedStrings::index(const std::string& text)
{
    ++uses_;
    const auto [at, added] = positions_.try_emplace(text, static_cast<int>(texts_.size()));
    if (added)
        texts_.push_back(&at->first);
    return at->second;
}

std::string SharedStrings::xml() const
{
    std::string out{XmlDeclaration};
    out += "<sst xmlns=\"";
    out += SpreadsheetNamespace;
    out += "\" count=\"" + std::to_string(uses_) + "\" uniqueCount=\""
        + std::to_string(texts_.size()) + "\">";
    for (const std::string* text : texts_) {
        out += "<si><t xml:space=\"preserve\">";
        appendXmlText(out, *text);
        out += "</t></si>";
    }
    out += "</sst>";
    return out;
}

Styles::Styles()
{
    index(false, -1);
}

int Styles::index(bool bold, int decimals)
{
    const auto [at, added] =
        positions_.try_emplace({bold, decimals}, static_cast<int>(formats_.size()));
    if (added)
        formats_.push_back(at->first);
    return at->second;
}

std::string Styles::xml() const
{
    // The custom number formats, one per number of decimals used.
    std::map<int, int> numberFormats;
    for (const auto& [bold, decimals] : formats_) {
        if (decimals >= 0)
            numberFormats.try_emplace(decimals, 0);
    }
    int next = FirstCustomFormat;
    for (auto& [decimals, id] : numberFormats)
        id = next++;

    std::string out{XmlDeclaration};
    out += "<styleSheet xmlns=\"";
    out += SpreadsheetNamespace;
    out += "\">";
    if (!numberFormats.empty()) {
        out += "<numFmts count=\"" + std::to_string(numberFormats.size()) + "\">";
        for (const auto& [decimals, id] : numberFormats)
            out += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\""
                + formatCode(decimals) + "\"/>";
        out += "</numFmts>";
    }
    out += "<fonts count=\"2\">"
           "<font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
           "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
           "</fonts>"
           "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
           "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
           "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border>"
           "</borders>"
           "<cellStyleXfs count=\"1\">"
           "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>";
    out += "<cellXfs count=\"" + std::to_string(formats_.size()) + "\">";
    for (const auto& [bold, decimals] : formats_) {
        const int numberFormat = decimals >= 0 ? numberFormats.at(decimals) : 0;
        out += "<xf numFmtId=\"" + std::to_string(numberFormat) + "\" fontId=\""
            + (bold ? "1" : "0") + "\" fillId=\"0\" borderId=\"0\" xfId=\"0\"";
        if (numberFormat != 0)
            out += " applyNumberFormat=\"1\"";
        if (bold)
            out += " applyFont=\"1\"";
        out += "/>";
    }
    out += "</cellXfs>"
           "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
           "</cellStyles>"
           "</styleSheet>";
    return out;
}

} // namespace lodarix::workbook
