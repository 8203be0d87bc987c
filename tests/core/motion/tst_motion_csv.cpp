// The CSV text of the motion record: three decimals of seconds, floor numbers,
// event names, the header first, and no trace of the stream's locale.

#include "core/motion/motion_csv.h"
#include "tests/support/european_numbers.h"
#include "tests/support/motion_csv_reader.h"

#include <QTest>

#include <locale>
#include <sstream>
#include <stdexcept>
#include <vector>

using namespace lodarix;

Q_DECLARE_METATYPE(motion::Row)

namespace {

} // namespace

class TestMotionCsv : public QObject {
    Q_OBJECT

private slots:
    void oneLineARow_data()
    {
        using motion::Event;
        QTest::addColumn<motion::Row>("row");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("the start")
            << motion::Row{0, 1, 1, Event::Start, 800} << QByteArray("0.000,1,1,start\n");
        QTest::newRow("a step") << motion::Row{800, 2, 4, Event::Step, 800}
                                << QByteArray("0.800,2,4,step\n");
        QTest::newRow("milliseconds keep their zeros")
            << motion::Row{1005, 11, 3, Event::Pick, 800} << QByteArray("1.005,11,3,pick\n");
        QTest::newRow("a long session, interval not shown")
            << motion::Row{86'400'070, 7, 7, Event::Arrive, 1500}
            << QByteArray("86400.070,7,7,arrive\n");
    }

    void oneLineARow()
    {
        QFETCH(motion::Row, row);
        QFETCH(QByteArray, line);
        QCOMPARE(QByteArray::fromStdString(motion::csvLine(row)), line);
    }

    void theWholeRecordWhateverTheLocale()
    {
        const std::vector<motion::Row> rows{{0, 1, 1, motion::Event::Start, 800},
                                            {1234567, 2, 9, motion::Event::Pick, 800}};
        const QByteArray expected = "time_s,floor,target,event\n"
                                    "0.000,1,1,start\n"
                                    "1234.567,2,9,pick\n";
        std::ostringstream out;
        out.imbue(std::locale(std::locale::classic(), new test_support::EuropeanNumbers));
        motion::writeCsv(out, rows);
        QCOMPARE(QByteArray::fromStdString(out.str()), expected);
        QCOMPARE(QByteArray::fromStdString(motion::toCsv(rows)), expected);
        QCOMPARE(QByteArray::fromStdString(motion::toCsv({})), "time_s,floor,target,event\n");
    }

    void whatIsWrittenReadsBack()
    {
        using motion::Event;
        const std::vector<motion::Row> rows{{0, 1, 1, Event::Start, 1500},
                                            {-5, 11, 3, Event::Pick, 1500},
                                            {86'400'070, 7, 7, Event::Arrive, 1500}};
        QCOMPARE(motion::readCsv(motion::toCsv(rows), 1500), rows);
        QVERIFY(motion::readCsv(motion::toCsv({}), 800).empty());
    }

    void anythingElseIsRefused_data()
    {
        QTest::addColumn<QByteArray>("csv");
        const QByteArray header = "time_s,floor,target,event\n";
        QTest::newRow("no header") << QByteArray("0.000,1,1,start\n");
        QTest::newRow("no line end") << header + "0.000,1,1,start";
        QTest::newRow("a field short") << header + "0.000,1,start\n";
        QTest::newRow("a field more") << header + "0.000,1,1,start,x\n";
        QTest::newRow("two decimals") << header + "0.80,1,1,step\n";
        QTest::newRow("a decimal comma") << header + "0,800,1,1,step\n";
        QTest::newRow("a floor above 11") << header + "0.800,12,1,step\n";
        QTest::newRow("floor 0") << header + "0.800,1,0,step\n";
        QTest::newRow("an unknown event") << header + "0.800,1,1,jump\n";
        QTest::newRow("CR LF") << header + "0.800,1,1,step\r\n";
    }
    void anythingElseIsRefused()
    {
        QFETCH(QByteArray, csv);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, motion::readCsv(csv.toStdString(), 800));
    }
};

QTEST_GUILESS_MAIN(TestMotionCsv)
#include "tst_motion_csv.moc"
