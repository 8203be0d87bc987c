// What the code view says of a line: the line's text found by its number,
// without indentation, and the changes joined, or that nothing changed.

#include "core/program/line_report.h"

#include <QTest>

using namespace lodarix;
using namespace lodarix::program;

class TestLineReport : public QObject {
    Q_OBJECT

private slots:
    void aLineIsFoundByItsNumberWithoutItsIndentation_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("the first") << 1 << "Dim A As Integer";
        QTest::newRow("indented, with a CR before its end") << 3 << "A = 1";
        QTest::newRow("blank") << 4 << "";
        QTest::newRow("the last, with no line end") << 5 << "End Sub";
        QTest::newRow("past the end") << 6 << "";
        QTest::newRow("before the first") << 0 << "";
    }

    void aLineIsFoundByItsNumberWithoutItsIndentation()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        constexpr std::string_view source =
            "Dim A As Integer\nPrivate Sub Form_Load()\n\t  A = 1 \r\n   \nEnd Sub";
        const std::string_view found = sourceLine(source, line);
        QCOMPARE(QString::fromUtf8(found.data(), qsizetype(found.size())), text);
    }

    void changesAreJoinedOrSaidToBeNone_data()
    {
        QTest::addColumn<std::vector<Change>>("changes");
        QTest::addColumn<QString>("ran");
        QTest::addColumn<QString>("summary");
        QTest::newRow("none") << std::vector<Change>{} << "Ред 7: нищо не се промени"
                              << "Ред 7: A = 1. Нищо не се промени.";
        QTest::newRow("two, in order")
            << std::vector<Change>{{"A", Value::integer(0), Value::integer(1)},
                                   {"B", Value::integer(2), Value::integer(3)}}
            << "Ред 7: A = 0 → 1; B = 2 → 3"
            << "Ред 7: A = 1. A = 0 → 1; B = 2 → 3.";
    }

    void changesAreJoinedOrSaidToBeNone()
    {
        QFETCH(std::vector<Change>, changes);
        QFETCH(QString, ran);
        QFETCH(QString, summary);
        const std::string source = "\n\n\n\n\n\n    A = 1\n";
        QCOMPARE(QString::fromStdString(ranLineText(7, changes)), ran);
        QCOMPARE(QString::fromStdString(lineSummary(source, 7, changes)), summary);
    }
};

QTEST_MAIN(TestLineReport)
#include "tst_line_report.moc"
