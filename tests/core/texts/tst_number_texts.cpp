// Numbers as text: the same digits whatever the process's locale and
// whichever face writes them, halves rounded away from zero, a decimal comma
// in the Bulgarian texts and a point in the machine formats (checked under
// a Bulgarian locale); and the fillers of the texts' patterns.

#include "core/texts/number_texts.h"

#include <QTest>

#include <clocale>
#include <string>

using lodarix::texts::decimal;

class TestNumberTexts : public QObject {
    Q_OBJECT

private slots:
    void decimalsAreRoundedToTheNearest_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("a clock") << 12.84 << 1 << "12,8";
        QTest::newRow("a whole number keeps its decimals") << 3.0 << 1 << "3,0";
        QTest::newRow("no decimals") << 2.5 << 0 << "3";
        QTest::newRow("an exact half goes up") << 2.25 << 1 << "2,3";
        QTest::newRow("a speed at a half") << 3.125 << 2 << "3,13";
        QTest::newRow("below a half in binary stays down") << 2.675 << 2 << "2,67";
        QTest::newRow("a carry through nines") << 9.996 << 2 << "10,00";
        QTest::newRow("a carry to a new digit") << 0.96 << 1 << "1,0";
        QTest::newRow("below one") << 0.05 << 2 << "0,05";
        QTest::newRow("tiny") << 0.004 << 2 << "0,00";
        QTest::newRow("negative") << -3.75 << 2 << "-3,75";
        QTest::newRow("a negative half goes away from zero") << -2.25 << 1 << "-2,3";
        QTest::newRow("no group separators") << 123456.5 << 1 << "123456,5";
    }
    void decimalsAreRoundedToTheNearest()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(decimal(value, decimals)), text);
    }

    void theProcessLocaleChangesNothing()
    {
        using namespace lodarix::texts;
        const std::string before = std::setlocale(LC_ALL, nullptr);
        QVERIFY(std::setlocale(LC_ALL, "bg_BG.UTF-8")); // the tests' set-up generates it
        const std::string written = decimal(1.5, 1) + ' ' + pointGeneral(0.1, 15) + ' '
            + pointGeneral(-2.5e-7, 15) + ' ' + shortestNumber(1234.5) + ' '
            + shortestNumber(-3.5e-7) + ' ' + shortestNumber(0.1 + 0.2) + ' ' + pointSeconds(-5);
        std::setlocale(LC_ALL, before.c_str());
        QCOMPARE(written,
                 std::string("1,5 0.1 -2.5e-07 1234.5 -3.5E-7 0.30000000000000004 -0.005"));
    }

    void secondsFromMilliseconds()
    {
        QCOMPARE(lodarix::texts::seconds(12840), std::string("12,8"));
        QCOMPARE(lodarix::texts::seconds(2250), std::string("2,3"));
        QCOMPARE(lodarix::texts::seconds(0), std::string("0,0"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, decimal(1.0, 10));
    }

    void patternsAreFilledInTurn()
    {
        using lodarix::texts::fill;
        QCOMPARE(fill("Курс {}: {} s", {"3", "2,4"}), std::string("Курс 3: 2,4 s"));
        QCOMPARE(fill("{} and {}", {"a{}"}), std::string("a{} and {}"));
        QCOMPARE(fill("none", {"x"}), std::string("none"));
    }
};

QTEST_GUILESS_MAIN(TestNumberTexts)
#include "tst_number_texts.moc"
