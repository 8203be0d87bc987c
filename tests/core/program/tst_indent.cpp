// Tab and Shift+Tab in an editor of the form's code: whole lines move in by
// four spaces, and out by as many leading spaces as there are, up to four;
// the empty line after a final line feed stays as it is.

#include "core/program/indent.h"

#include <QTest>

using namespace lodarix;

class TestIndent : public QObject {
    Q_OBJECT

private slots:
    void indents_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<bool>("outwards");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in: one line") << "If x Then" << false << "    If x Then";
        QTest::newRow("in: an empty line") << "" << false << "    ";
        QTest::newRow("in: each line, not the one after the last feed")
            << "a\n\n  b\n"
            << false << "    a\n    \n      b\n";
        QTest::newRow("out: four spaces at most") << "      a\n    b" << true << "  a\nb";
        QTest::newRow("out: fewer where fewer") << "  a\nb\n\tc" << true << "a\nb\n\tc";
        QTest::newRow("out: Cyrillic kept whole") << "    ' Етаж" << true << "' Етаж";
    }

    void indents()
    {
        QFETCH(QString, lines);
        QFETCH(bool, outwards);
        QFETCH(QString, expected);
        const std::string in = lines.toStdString();
        QCOMPARE(QString::fromStdString(program::indentLines(in, outwards)), expected);
    }

    void inAndOutAgainIsTheSame()
    {
        const std::string text = "Private Sub Form_Load()\n    x = 1\n\nEnd Sub\n";
        QCOMPARE(program::indentLines(program::indentLines(text, false), true), text);
    }
};

QTEST_APPLESS_MAIN(TestIndent)
#include "tst_indent.moc"
