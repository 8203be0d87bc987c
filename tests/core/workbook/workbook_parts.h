// Reading the XML parts of a written workbook back for the tests, with
// QXmlStreamReader: whether a part is well-formed, the shared strings, the
// cells of a sheet, and the attributes of an element.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace workbook_parts {

// The parser's complaint, or an empty text for a well-formed part.
inline QString xmlError(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError()
        ? QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(reader.errorString())
        : QString();
}

inline QString attribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name)).toString();
}

// The attributes of each element named name, in document order.
inline QList<QXmlStreamAttributes> elements(const QByteArray& xml, const QString& name)
{
    QList<QXmlStreamAttributes> found;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == name)
            found << reader.attributes();
    }
    return found;
}

// The texts of the shared strings part, as XML reads them.
inline QStringList sharedStrings(const QByteArray& xml)
{
    QStringList texts;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"t")
            texts << reader.readElementText();
    }
    return texts;
}

struct Cell {
    QString type;    // the t attribute: "" for a number, "s" or "str"
    QString value;   // the shared string for "s", else the text of <v>
    QString formula; // the text of <f>
    int style = 0;   // the s attribute
};

inline QMap<QString, Cell> sheetCells(const QByteArray& xml, const QStringList& strings)
{
    QMap<QString, Cell> cells;
    QXmlStreamReader reader(xml);
    QString reference;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"c") {
            reference = attribute(reader.attributes(), "r");
            cells[reference].type = attribute(reader.attributes(), "t");
            cells[reference].style = attribute(reader.attributes(), "s").toInt();
        } else if (reader.name() == u"v") {
            Cell& cell = cells[reference];
            cell.value = reader.readElementText();
            if (cell.type == u"s")
                cell.value = strings.value(cell.value.toInt(), QStringLiteral("(no such string)"));
        } else if (reader.name() == u"f") {
            cells[reference].formula = reader.readElementText();
        }
    }
    return cells;
}

} // namespace workbook_parts
