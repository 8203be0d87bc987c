// The workbook file: cell references, number and XML text, sheet names,
// and the package: its parts well-formed and tied together by content types
// and relationships, its cells where and what they should be, its styles.

#include "core/workbook/cell_reference.h"
#include "core/workbook/sheet_name.h"
#include "core/workbook/workbook.h"
#include "core/workbook/xml_text.h"
#include "tests/support/european_numbers.h"
#include "workbook_parts.h"
#include "zip_entries.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <limits>
#include <locale>
#include <stdexcept>

using namespace lodarix;

using workbook::Cell;
using workbook::Formula;
using workbook::Sheet;

namespace {

std::string xml(std::string_view text)
{
    std::string out;
    workbook::appendXmlText(out, text);
    return out;
}

std::string fromBytes(const QByteArray& bytes)
{
    return bytes.toStdString();
}

QMap<QString, QByteArray> parts(const std::vector<Sheet>& sheets)
{
    return zip_entries::files(QByteArray::fromStdString(workbook::xlsx(sheets)));
}

// Significant digits of the text of a number, exponent aside.
int significantDigits(const std::string& text)
{
    const std::string mantissa = text.substr(0, text.find_first_of("Ee"));
    std::string digits;
    for (const char c : mantissa) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    const auto last = digits.find_last_not_of('0');
    return first == std::string::npos ? 0 : static_cast<int>(last - first + 1);
}

const std::vector<Sheet> ThreeSheets{
    {"Числа", {{1.5, 2.0}}, {}, 0},
    {"Текст", {{std::string("a"), std::string("b")}, {std::string("a")}}, {}, 1},
    {"Празен", {}, {}, 0},
};

} // namespace

class TestWorkbook : public QObject {
    Q_OBJECT

private slots:
    void columnNames_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << "A";
        QTest::newRow("last of one letter") << 25 << "Z";
        QTest::newRow("first of two") << 26 << "AA";
        QTest::newRow("AZ then BA") << 51 << "AZ";
        QTest::newRow("BA") << 52 << "BA";
        QTest::newRow("last of two") << 701 << "ZZ";
        QTest::newRow("first of three") << 702 << "AAA";
        QTest::newRow("the last column") << 16383 << "XFD";
    }

    void columnNames()
    {
        QFETCH(int, column);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(workbook::columnName(column)), name);
    }

    void cellReferences()
    {
        QCOMPARE(workbook::cellReference(0, 0), "A1");
        QCOMPARE(workbook::cellReference(26, 11), "AA12");
        QCOMPARE(workbook::cellReference(16383, 1048575), "XFD1048576");
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, workbook::columnName(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, workbook::columnName(16384));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, workbook::cellReference(0, -1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, workbook::cellReference(0, 1048576));
    }

    void numberTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("a step's time") << 0.8 << "0.8";
        QTest::newRow("a sum that is not three tenths") << 0.1 + 0.2 << "0.30000000000000004";
        QTest::newRow("milliseconds") << 1.005 << "1.005";
        QTest::newRow("a day and 70 ms") << 86400.07 << "86400.07";
        QTest::newRow("ten, not 1E+01") << 10.0 << "10";
        QTest::newRow("a negative integer") << -120.0 << "-120";
        QTest::newRow("twelve digits") << 123456789012.0 << "123456789012";
        QTest::newRow("the largest fixed") << 1e20 << "100000000000000000000";
        QTest::newRow("the smallest scientific") << 1e21 << "1E+21";
        QTest::newRow("a millionth") << 1e-6 << "0.000001";
        QTest::newRow("below a millionth") << -3.5e-7 << "-3.5E-7";
        QTest::newRow("the largest double") << DBL_MAX << "1.7976931348623157E+308";
        QTest::newRow("the smallest double")
            << std::numeric_limits<double>::denorm_min() << "5E-324";
    }

    void numberTexts()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(workbook::numberText(value)), text);
    }

    // Any double: the text reads back as it, with as few significant digits
    // as the shortest form the standard library finds.
    void numberTextsReadBackExactly()
    {
        QRandomGenerator64 random(7);
        for (int i = 0; i < 20'000; ++i) {
            const double value =
                i < 10'000 ? i * 0.001 * (i % 3 - 1) : std::bit_cast<double>(random.generate());
            if (!std::isfinite(value))
                continue;
            const std::string text = workbook::numberText(value);
            double back = 0;
            const auto read = std::from_chars(text.data(), text.data() + text.size(), back);
            QVERIFY2(read.ec == std::errc{} && read.ptr == text.data() + text.size()
                         && back == value,
                     text.c_str());
            std::array<char, 32> shortest{};
            const auto end = std::to_chars(shortest.data(), shortest.data() + shortest.size(),
                                           value, std::chars_format::scientific)
                                 .ptr;
            QCOMPARE(significantDigits(text), significantDigits(std::string(shortest.data(), end)));
        }
    }

    void numberTextsIgnoreTheLocale()
    {
        const std::locale global = std::locale::global(
            std::locale(std::locale::classic(), new test_support::EuropeanNumbers));
        const std::string cLocale = std::setlocale(LC_ALL, nullptr);
        const bool bulgarian = std::setlocale(LC_ALL, "bg_BG.UTF-8") != nullptr;
        const std::string texts =
            workbook::numberText(1234.5) + ' ' + workbook::numberText(-3.5e-7);
        std::setlocale(LC_ALL, cLocale.c_str());
        std::locale::global(global);
        QCOMPARE(texts, "1234.5 -3.5E-7");
        if (!bulgarian)
            QSKIP("no bg_BG.UTF-8 locale for the C library's part (see ensure_locales.sh)");
    }

    void numbersACellCannotHold()
    {
        for (const double value : {std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(), qQNaN()}) {
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, workbook::numberText(value));
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                     workbook::xlsx(std::vector<Sheet>{{"Лист", {{value}}}}));
        }
    }

    void xmlTexts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("escaped");
        QTest::newRow("markup") << QByteArray("<a href=\"x\">&'</a>")
                                << QByteArray("&lt;a href=&quot;x&quot;&gt;&amp;&apos;&lt;/a&gt;");
        QTest::newRow("tab and line feed kept") << QByteArray("a\tb\nc") << QByteArray("a\tb\nc");
        QTest::newRow("carriage return as a reference")
            << QByteArray("a\r\nb") << QByteArray("a&#13;\nb");
        QTest::newRow("controls") << QByteArray("\x01\x1f\x7f", 3)
                                  << QByteArray("_x0001__x001F_\x7f");
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray("a_x0000_b");
        QTest::newRow("the noncharacters XML refuses")
            << QByteArray("\xef\xbf\xbe\xef\xbf\xbf") << QByteArray("_xFFFE__xFFFF_");
        QTest::newRow("text that reads as an escape")
            << QByteArray("_x0041_ _X00aF_") << QByteArray("_x005F_x0041_ _x005F_X00aF_");
        QTest::newRow("underscores that do not")
            << QByteArray("_x004_ _xZZZZ_ _x0041 a_b") << QByteArray("_x004_ _xZZZZ_ _x0041 a_b");
        QTest::newRow("Cyrillic and beyond the BMP")
            << QByteArray("Асансьор ✓ 🛗") << QByteArray("Асансьор ✓ 🛗");
    }

    void xmlTexts()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, escaped);
        QCOMPARE(QByteArray::fromStdString(xml(fromBytes(text))), escaped);
    }

    void textThatIsNotUtf8_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("a lone continuation byte") << QByteArray("a\x80");
        QTest::newRow("cut short") << QByteArray("\xd0");
        QTest::newRow("cut short before ASCII") << QByteArray("\xe2\x9c"
                                                              "a");
        QTest::newRow("an overlong slash") << QByteArray("\xc0\xaf");
        QTest::newRow("an overlong three bytes") << QByteArray("\xe0\x80\xaf");
        QTest::newRow("a surrogate") << QByteArray("\xed\xa0\x80");
        QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80");
        QTest::newRow("a five-byte form") << QByteArray("\xf8\x88\x80\x80\x80");
        QTest::newRow("Latin-1") << QByteArray("caf\xe9");
    }

    void textThatIsNotUtf8()
    {
        QFETCH(QByteArray, text);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, xml(fromBytes(text)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 workbook::xlsx(std::vector<Sheet>{{"Лист", {{fromBytes(text)}}}}));
    }

    // What the shared strings part holds reads back, as XML, as the text
    // written with only the _xHHHH_ escapes left for the spreadsheet program.
    void textsReadBackThroughXml()
    {
        const std::vector<std::string> texts{"<>&\"'", "ред\r\nнов ред", std::string("a\0b", 3),
                                             "_x0041_", "  spaces kept  "};
        Sheet sheet{"Текст", {}, {}, 0};
        for (const std::string& text : texts)
            sheet.rows.push_back({text});
        const auto files = parts({sheet});
        const QByteArray shared = files.value(QStringLiteral("xl/sharedStrings.xml"));
        QCOMPARE(workbook_parts::xmlError(shared), QString());
        QCOMPARE(workbook_parts::sharedStrings(shared),
                 (QStringList{"<>&\"'", "ред\r\nнов ред", "a_x0000_b", "_x005F_x0041_",
                              "  spaces kept  "}));
    }

    void sheetNames_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("Cyrillic") << QByteArray("Движение") << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("31 letters") << QByteArray(31, 'a') << true;
        QTest::newRow("32 letters") << QByteArray(32, 'a') << false;
        QTest::newRow("31 Cyrillic letters, 62 bytes") << QString(31, u'ж').toUtf8() << true;
        QTest::newRow("30 letters and one outside the BMP, 32 units")
            << (QByteArray(30, 'a') + "🛗") << false;
        for (const char c : QByteArray("[]:*?/\\"))
            QTest::addRow("with %c", c) << (QByteArray("a") + c + "b") << false;
        QTest::newRow("an apostrophe inside") << QByteArray("it's") << true;
        QTest::newRow("an apostrophe first") << QByteArray("'a") << false;
        QTest::newRow("an apostrophe last") << QByteArray("a'") << false;
        QTest::newRow("reserved") << QByteArray("history") << false;
        QTest::newRow("a tab") << QByteArray("a\tb") << false;
        QTest::newRow("not UTF-8") << QByteArray("\xd0") << false;
    }

    void sheetNames()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, taken);
        QCOMPARE(workbook::isSheetName(fromBytes(name)), taken);
        const std::vector<Sheet> sheets{{fromBytes(name), {{1.0}}}};
        if (taken)
            QCOMPARE(workbook_parts::xmlError(parts(sheets).value("xl/workbook.xml")), QString());
        else
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, workbook::xlsx(sheets));
    }

    void sheetNamesAreOneWhateverTheCase()
    {
        QVERIFY(workbook::sameSheetName("Курсове", "КУРСОВЕ"));
        QVERIFY(workbook::sameSheetName("Sheet1", "sHEET1"));
        QVERIFY(workbook::sameSheetName("Ёж", "ёж"));
        QVERIFY(!workbook::sameSheetName("Курс", "Курсове"));
        QVERIFY_THROWS_EXCEPTION(
            std::invalid_argument,
            workbook::xlsx(std::vector<Sheet>{{"Курсове", {}}, {"курсове", {}}}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, workbook::xlsx(std::vector<Sheet>{}));
    }

    void partsAreWellFormed()
    {
        const auto files = parts(ThreeSheets);
        QCOMPARE(files.keys(),
                 (QStringList{"[Content_Types].xml", "_rels/.rels", "xl/_rels/workbook.xml.rels",
                              "xl/sharedStrings.xml", "xl/styles.xml", "xl/workbook.xml",
                              "xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml",
                              "xl/worksheets/sheet3.xml"}));
        for (auto part = files.cbegin(); part != files.cend(); ++part)
            QVERIFY2(workbook_parts::xmlError(part.value()).isEmpty(),
                     qPrintable(part.key() + QStringLiteral(": ")
                                + workbook_parts::xmlError(part.value())));
    }

    // Every part but the content types has its content type, each
    // relationship leads to a part, and the sheets are found in order.
    void partsAreTiedTogether_data()
    {
        QTest::addColumn<std::vector<Sheet>>("sheets");
        QTest::newRow("three sheets, texts") << ThreeSheets;
        QTest::newRow("numbers only, no shared strings") << std::vector<Sheet>{{"Числа", {{1.0}}}};
    }

    void partsAreTiedTogether()
    {
        QFETCH(std::vector<Sheet>, sheets);
        const auto files = parts(sheets);
        const QByteArray types = files.value("[Content_Types].xml");
        QSet<QString> typed;
        for (const auto& override : workbook_parts::elements(types, "Override")) {
            const QString part = workbook_parts::attribute(override, "PartName");
            QVERIFY2(part.startsWith(u'/') && files.contains(part.mid(1)), qPrintable(part));
            typed << part.mid(1);
        }
        QStringList defaults;
        for (const auto& byExtension : workbook_parts::elements(types, "Default"))
            defaults << workbook_parts::attribute(byExtension, "Extension");
        QCOMPARE(defaults, (QStringList{"rels", "xml"}));
        for (const QString& part : files.keys()) {
            if (!part.endsWith(u".rels") && part != QStringLiteral("[Content_Types].xml"))
                QVERIFY2(typed.contains(part),
                         qPrintable(part + QStringLiteral(" has no content type")));
        }

        const auto package = workbook_parts::elements(files.value("_rels/.rels"), "Relationship");
        QCOMPARE(package.size(), 1);
        QCOMPARE(workbook_parts::attribute(package.front(), "Target"), "xl/workbook.xml");
        QMap<QString, QString> targets; // relationship id: part
        for (const auto& relationship :
             workbook_parts::elements(files.value("xl/_rels/workbook.xml.rels"), "Relationship")) {
            const QString part =
                QStringLiteral("xl/") + workbook_parts::attribute(relationship, "Target");
            QVERIFY2(files.contains(part), qPrintable(part));
            targets.insert(workbook_parts::attribute(relationship, "Id"), part);
        }
        QCOMPARE(targets.size() + 4, files.size()); // all but the package's own parts
        const auto named = workbook_parts::elements(files.value("xl/workbook.xml"), "sheet");
        QCOMPARE(named.size(), static_cast<qsizetype>(sheets.size()));
        for (qsizetype at = 0; at < named.size(); ++at) {
            QCOMPARE(workbook_parts::attribute(named.at(at), "name").toStdString(),
                     sheets.at(static_cast<std::size_t>(at)).name);
            QCOMPARE(targets.value(named.at(at).value(QLatin1String("r:id")).toString()),
                     QStringLiteral("xl/worksheets/sheet%1.xml").arg(at + 1));
        }
    }

    void cellsWhereTheyBelong()
    {
        std::vector<Cell> wide(30, Cell{1.0});
        wide[2] = {};
        const std::vector<Sheet> sheets{
            {"Лист",
             {wide,
              {},
              {std::string("текст"), 2.5, std::string("текст")},
              {Formula{"A3&\"<\"", std::string("текст<")}, Formula{"B3*2", 5.0}}}}};
        const auto files = parts(sheets);
        const QByteArray sheet = files.value("xl/worksheets/sheet1.xml");
        const auto cells = workbook_parts::sheetCells(
            sheet, workbook_parts::sharedStrings(files.value("xl/sharedStrings.xml")));
        QCOMPARE(cells.size(), 29 + 3 + 2);
        QVERIFY(!cells.contains("C1"));
        QCOMPARE(cells.value("AD1").value, "1");
        QCOMPARE(cells.value("A3").type, "s");
        QCOMPARE(cells.value("A3").value, "текст");
        QCOMPARE(cells.value("C3").value, "текст");
        QCOMPARE(cells.value("B3").type, QString());
        QCOMPARE(cells.value("B3").value, "2.5");
        QCOMPARE(cells.value("A4").type, "str");
        QCOMPARE(cells.value("A4").formula, "A3&\"<\"");
        QCOMPARE(cells.value("A4").value, "текст<");
        QCOMPARE(cells.value("B4").type, QString());
        QCOMPARE(cells.value("B4").formula, "B3*2");
        QCOMPARE(cells.value("B4").value, "5");

        QStringList rows;
        for (const auto& row : workbook_parts::elements(sheet, "row"))
            rows << workbook_parts::attribute(row, "r");
        QCOMPARE(rows, (QStringList{"1", "3", "4"}));
        QCOMPARE(
            workbook_parts::attribute(workbook_parts::elements(sheet, "dimension").front(), "ref"),
            "A1:AD4");
        const auto shared = workbook_parts::elements(files.value("xl/sharedStrings.xml"), "sst");
        QCOMPARE(workbook_parts::attribute(shared.front(), "count"), "2");
        QCOMPARE(workbook_parts::attribute(shared.front(), "uniqueCount"), "1");
    }

    void headerColumnsAndFormats()
    {
        const std::vector<Sheet> sheets{
            {"Лист",
             {{std::string("време"), std::string("етаж")}, {0.8, 2.0}, {1.6, 3.0}},
             {{12.5, 3}, {0, -1}},
             1},
            {"Втори", {{1.0}}, {}, 0}};
        const auto files = parts(sheets);
        const QByteArray sheet = files.value("xl/worksheets/sheet1.xml");
        const auto pane = workbook_parts::elements(sheet, "pane");
        QCOMPARE(pane.size(), 1);
        QCOMPARE(workbook_parts::attribute(pane.front(), "ySplit"), "1");
        QCOMPARE(workbook_parts::attribute(pane.front(), "topLeftCell"), "A2");
        QCOMPARE(workbook_parts::attribute(pane.front(), "state"), "frozen");
        QCOMPARE(workbook_parts::attribute(workbook_parts::elements(sheet, "sheetView").front(),
                                           "tabSelected"),
                 "1");
        const QByteArray second = files.value("xl/worksheets/sheet2.xml");
        QVERIFY(workbook_parts::elements(second, "pane").isEmpty());
        QVERIFY(workbook_parts::attribute(workbook_parts::elements(second, "sheetView").front(),
                                          "tabSelected")
                    .isEmpty());
        const auto columns = workbook_parts::elements(sheet, "col");
        QCOMPARE(columns.size(), 1);
        QCOMPARE(workbook_parts::attribute(columns.front(), "min"), "1");
        QCOMPARE(workbook_parts::attribute(columns.front(), "width"), "12.5");

        // What each cell shows: bold or not, and its number format.
        const QByteArray styles = files.value("xl/styles.xml");
        QMap<QString, QString> formatCodes{{"0", "General"}};
        for (const auto& format : workbook_parts::elements(styles, "numFmt"))
            formatCodes.insert(workbook_parts::attribute(format, "numFmtId"),
                               workbook_parts::attribute(format, "formatCode"));
        QList<QXmlStreamAttributes> formats;
        QXmlStreamReader reader(styles);
        bool inCellFormats = false;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.name() == u"cellXfs")
                inCellFormats = reader.isStartElement();
            else if (inCellFormats && reader.isStartElement() && reader.name() == u"xf")
                formats << reader.attributes();
        }
        const auto shown = [&](const workbook_parts::Cell& cell) {
            const QXmlStreamAttributes& format = formats.value(cell.style);
            const QString font = workbook_parts::attribute(format, "fontId") == u"1"
                ? QStringLiteral("bold ")
                : QString();
            return font + formatCodes.value(workbook_parts::attribute(format, "numFmtId"));
        };
        const auto cells = workbook_parts::sheetCells(sheet, {});
        QCOMPARE(shown(cells.value("A1")), "bold 0.000");
        QCOMPARE(shown(cells.value("B1")), "bold General");
        QCOMPARE(shown(cells.value("A2")), "0.000");
        QCOMPARE(shown(cells.value("B3")), "General");
        const auto fonts = workbook_parts::elements(styles, "b");
        QCOMPARE(fonts.size(), 1);
    }

    void sheetsOutOfBounds()
    {
        const auto refused = [](Sheet sheet) {
            try {
                workbook::xlsx(std::vector<Sheet>{std::move(sheet)});
            } catch (const std::invalid_argument&) {
                return QStringLiteral("invalid");
            } catch (const std::length_error&) {
                return QStringLiteral("too long");
            }
            return QStringLiteral("written");
        };
        QCOMPARE(refused({"Лист", std::vector<std::vector<Cell>>(1'048'576)}), "written");
        QCOMPARE(refused({"Лист", std::vector<std::vector<Cell>>(1'048'577)}), "too long");
        QCOMPARE(refused({"Лист", {std::vector<Cell>(16'384, Cell{1.0})}}), "written");
        QCOMPARE(refused({"Лист", {std::vector<Cell>(16'385)}}), "too long");
        QCOMPARE(refused({"Лист", {}, {{255, 15}}}), "written");
        QCOMPARE(refused({"Лист", {}, {{256}}}), "invalid");
        QCOMPARE(refused({"Лист", {}, {{-1}}}), "invalid");
        QCOMPARE(refused({"Лист", {}, {{qQNaN()}}}), "invalid");
        QCOMPARE(refused({"Лист", {}, {{10, 16}}}), "invalid");
        QCOMPARE(refused({"Лист", {}, {{10, -2}}}), "invalid");
        QCOMPARE(refused({"Лист", {}, {}, -1}), "invalid");
    }

    void theSameWorkbookMakesTheSameBytes()
    {
        QCOMPARE(workbook::xlsx(ThreeSheets), workbook::xlsx(ThreeSheets));
    }
};

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
