// The floors' captions and names, and the marker colours' channels.

#include "core/lift/colors.h"
#include "core/lift/floor_table.h"

#include <QTest>

#include <stdexcept>
#include <string>

using namespace lodarix;

using lift::FloorTable;

namespace {

// Roman numerals written out independently of the table under test.
std::string roman(int number)
{
    static const std::pair<int, const char*> steps[] = {
        {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    std::string result;
    for (const auto& [value, letters] : steps) {
        for (; number >= value; number -= value)
            result += letters;
    }
    return result;
}

} // namespace

class TestFloorTable : public QObject {
    Q_OBJECT

private slots:
    void namesAreTheWordFloorAndTheRomanNumber()
    {
        for (lift::FloorIndex index = 0; index < FloorTable::Count; ++index) {
            QCOMPARE(std::string(FloorTable::name(index)), "Етаж " + roman(index + 1));
            QCOMPARE(std::string(FloorTable::caption(index)), std::to_string(index + 1));
        }
    }

    void edgesOfTheTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("ground floor") << 0 << "1"
                                      << "Етаж I";
        QTest::newRow("longest name") << 7 << "8"
                                      << "Етаж VIII";
        QTest::newRow("tenth floor") << 9 << "10"
                                     << "Етаж X";
        QTest::newRow("top floor") << 10 << "11"
                                   << "Етаж XI";
    }

    void edgesOfTheTable()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        const auto floor = static_cast<lift::FloorIndex>(index);
        QCOMPARE(QString::fromUtf8(FloorTable::caption(floor).data()), caption);
        QCOMPARE(QString::fromUtf8(FloorTable::name(floor).data(),
                                   static_cast<qsizetype>(FloorTable::name(floor).size())),
                 name);
    }

    void theLongestNameHasNineCharacters()
    {
        qsizetype longest = 0;
        for (const std::string_view name : FloorTable::Names)
            longest =
                std::max(longest, QString::fromUtf8(name.data(), qsizetype(name.size())).size());
        QCOMPARE(longest, qsizetype(9));
    }

    void indicesOutsideTheBuildingAreRejected()
    {
        QVERIFY(!FloorTable::isValid(-1));
        QVERIFY(!FloorTable::isValid(11));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, FloorTable::name(11));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, FloorTable::caption(-1));
    }

    void markerColoursHaveRedInTheLowByte_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("hex");
        QTest::newRow("idle is green") << lift::ColorIdle << 0 << 255 << 0 << "#00FF00";
        QTest::newRow("cabin is light red") << lift::ColorCabin << 255 << 128 << 128 << "#FF8080";
        QTest::newRow("target is light blue")
            << lift::ColorTarget << 128 << 128 << 255 << "#8080FF";
        QTest::newRow("form background") << quint32(0x00FFC0C0) << 192 << 192 << 255 << "#C0C0FF";
    }

    void markerColoursHaveRedInTheLowByte()
    {
        QFETCH(quint32, color);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QString, hex);
        const lift::Rgb rgb = lift::toRgb(color);
        QCOMPARE(int(rgb.red), red);
        QCOMPARE(int(rgb.green), green);
        QCOMPARE(int(rgb.blue), blue);
        QCOMPARE(QString::fromStdString(lift::toHexRgb(color)), hex);
    }
};

QTEST_APPLESS_MAIN(TestFloorTable)
#include "tst_floor_table.moc"
