// The motion record as a workbook: a row of numbers for each row of the
// record, equal to the CSV's; the trips as the motion window's table has
// them, their mean speeds as formulas of the storey height's cell with the
// results cached; the same bytes whatever the locale.

#include "core/motion/motion_csv.h"
#include "core/workbook/motion_workbook.h"
#include "tests/core/motion/session.h"
#include "tests/support/european_numbers.h"
#include "workbook_parts.h"
#include "zip_entries.h"

#include <QTest>

#include <clocale>
#include <locale>
#include <stdexcept>

using namespace lodarix;

namespace {

// Finished, a pick of the cabin's own floor, cut short by a pick that
// jumps, finished after idle ticks, and picked with no step yet.
const QString Session = QStringLiteral(
    "close, pick 4, tick 5, close, pick 4, tick, close, pick 11, tick 3, pick 2, tick 12, "
    "close, pick 6");

struct Sheets {
    QMap<QString, workbook_parts::Cell> record;
    QMap<QString, workbook_parts::Cell> trips;
};

Sheets read(const std::string& xlsx)
{
    const auto files = zip_entries::files(QByteArray::fromStdString(xlsx));
    const QStringList strings =
        workbook_parts::sharedStrings(files.value(QStringLiteral("xl/sharedStrings.xml")));
    return {workbook_parts::sheetCells(files.value(QStringLiteral("xl/worksheets/sheet1.xml")),
                                       strings),
            workbook_parts::sheetCells(files.value(QStringLiteral("xl/worksheets/sheet2.xml")),
                                       strings)};
}

QString cell(const QMap<QString, workbook_parts::Cell>& sheet, const char* column, qsizetype row)
{
    return sheet.value(QString::fromLatin1(column) + QString::number(row + 1)).value;
}

QStringList rowTexts(const QMap<QString, workbook_parts::Cell>& sheet, qsizetype row, int columns)
{
    QStringList texts;
    for (int column = 0; column < columns; ++column)
        texts << sheet.value(QChar(u'A' + column) + QString::number(row + 1)).value;
    return texts;
}

} // namespace

class TestMotionWorkbook : public QObject {
    Q_OBJECT

private slots:
    void aRowOfNumbersForEachRowOfTheRecord()
    {
        const auto recorded = session::recorded(Session);
        const auto rows = recorded->recorder().rows();
        const Sheets sheets =
            read(workbook::motionWorkbook(rows, recorded->recorder().trips(), {}));
        QCOMPARE(rowTexts(sheets.record, 0, 5),
                 (QStringList{"Време, s", "Етаж", "Крайна спирка", "Събитие", "Описание"}));
        const QMap<QString, QString> words{
            {"start", "начало"}, {"pick", "избор"}, {"step", "стъпка"}, {"arrive", "пристигане"}};
        QCOMPARE(sheets.record.size(), 5 * static_cast<qsizetype>(rows.size() + 1));
        for (std::size_t at = 0; at < rows.size(); ++at) {
            const qsizetype row = static_cast<qsizetype>(at) + 1;
            const QStringList csv =
                QString::fromStdString(motion::csvLine(rows[at])).trimmed().split(u',');
            for (const char* column : {"A", "B", "C"})
                QCOMPARE(sheets.record.value(column + QString::number(row + 1)).type, QString());
            QCOMPARE(cell(sheets.record, "A", row).toDouble(), csv.at(0).toDouble());
            QCOMPARE(cell(sheets.record, "B", row), csv.at(1));
            QCOMPARE(cell(sheets.record, "C", row), csv.at(2));
            QCOMPARE(cell(sheets.record, "D", row), csv.at(3));
            QCOMPARE(cell(sheets.record, "E", row), words.value(csv.at(3)));
        }
    }

    void theTripsAsTheWindowsTableHasThem_data()
    {
        QTest::addColumn<double>("storeyHeight");
        QTest::newRow("the lowest storey") << 2.5;
        QTest::newRow("the usual storey") << 3.0;
        QTest::newRow("the highest storey") << 4.0;
    }

    void theTripsAsTheWindowsTableHasThem()
    {
        QFETCH(double, storeyHeight);
        const motion::StoreyHeight height(storeyHeight);
        const auto recorded = session::recorded(Session);
        const auto& trips = recorded->recorder().trips();
        QCOMPARE(trips.size(), std::size_t{5});
        const Sheets sheets =
            read(workbook::motionWorkbook(recorded->recorder().rows(), trips, height));

        QCOMPARE(cell(sheets.trips, "A", 0), "Височина на етаж, m");
        QCOMPARE(cell(sheets.trips, "F", 0).toDouble(), storeyHeight);
        QCOMPARE(rowTexts(sheets.trips, 1, 7),
                 (QStringList{"№", "От етаж", "До етаж", "Етажи", "Време, s", "Средна скорост, m/s",
                              "Бележка"}));
        qsizetype cells = 2 + 7; // the height, its label and the header
        for (std::size_t at = 0; at < trips.size(); ++at) {
            const motion::Trip& trip = trips[at];
            const qsizetype row = static_cast<qsizetype>(at) + 2;
            const QString line = QString::number(row + 1);
            QCOMPARE(rowTexts(sheets.trips, row, 4),
                     (QStringList{QString::number(trip.number), QString::number(trip.startFloor),
                                  QString::number(trip.finalStop),
                                  QString::number(trip.floorsTravelled)}));
            QCOMPARE(cell(sheets.trips, "E", row).toDouble(), trip.durationSeconds());
            const workbook_parts::Cell speed = sheets.trips.value(u'F' + line);
            QCOMPARE(speed.formula, QStringLiteral("IF(E%1>0,D%1*$F$1/E%1,\"–\")").arg(line));
            if (const auto mean = motion::meanSpeed(trip, height)) {
                QCOMPARE(speed.type, QString());
                QCOMPARE(speed.value.toDouble(), *mean);
            } else {
                QCOMPARE(speed.type, "str");
                QCOMPARE(speed.value, "–");
            }
            const QString note = trip.interrupted ? QStringLiteral("прекъснат")
                : trip.running                    ? QStringLiteral("в движение")
                                                  : QString();
            QCOMPARE(cell(sheets.trips, "G", row), note);
            cells += note.isEmpty() ? 6 : 7;
        }
        QCOMPARE(sheets.trips.size(), cells);
    }

    void aRecordOfTheLoadAlone()
    {
        const auto recorded = session::recorded(QString());
        const std::string xlsx =
            workbook::motionWorkbook(recorded->recorder().rows(), recorded->recorder().trips(), {});
        const auto files = zip_entries::files(QByteArray::fromStdString(xlsx));
        for (auto part = files.cbegin(); part != files.cend(); ++part)
            QVERIFY2(workbook_parts::xmlError(part.value()).isEmpty(), qPrintable(part.key()));
        const Sheets sheets = read(xlsx);
        QCOMPARE(rowTexts(sheets.record, 1, 5), (QStringList{"0", "1", "1", "start", "начало"}));
        QCOMPARE(sheets.record.size(), 10);
        QCOMPARE(sheets.trips.size(), 2 + 7);
    }

    void theSameBytesInEveryLocale()
    {
        const auto recorded = session::recorded(Session);
        const auto write = [&recorded] {
            return workbook::motionWorkbook(recorded->recorder().rows(),
                                            recorded->recorder().trips(),
                                            motion::StoreyHeight(2.75));
        };
        const std::string inC = write();
        const std::locale global = std::locale::global(
            std::locale(std::locale::classic(), new test_support::EuropeanNumbers));
        const std::string cLocale = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "bg_BG.UTF-8");
        const std::string inBulgarian = write();
        std::setlocale(LC_ALL, cLocale.c_str());
        std::locale::global(global);
        QVERIFY(inC == inBulgarian);
    }

    void moreRowsThanASheetHolds()
    {
        const std::vector<motion::Row> rows(1'048'576, {0, 1, 1, motion::Event::Start, 800});
        QVERIFY_THROWS_EXCEPTION(std::length_error, workbook::motionSheets(rows, {}, {}));
    }
};

QTEST_GUILESS_MAIN(TestMotionWorkbook)
#include "tst_motion_workbook.moc"
