// The CSV text of the motion record: three decimals of seconds, floor numbers,
// event names, the header first, and no trace of the stream's locale.

#include "core/motion/motion_csv.h"
#include "tests/support/european_numbers.h"

#include <QTest>

#include <locale>
#include <sstream>
#include <vector>

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
};

QTEST_GUILESS_MAIN(TestMotionCsv)
#include "tst_motion_csv.moc"
