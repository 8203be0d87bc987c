// The status text between the rules and a box that holds line feeds: what
// reads back after each kind of write, which writes the box gets as an
// append and which as a replacement, what it newly shows, the user's edits in
// between, and the characters a box does not keep.

#include "core/line_ends/crlf_text.h"

#include <QTest>

#include <string>
#include <utility>
#include <vector>

using namespace lodarix;

namespace {

// A box that keeps line feeds as a screen's box does and logs how it was
// written; it keeps every character but those named in refused.
class Box : public LineFeedBox {
public:
    std::string text() override
    {
        ++reads;
        return held;
    }
    void replace(const std::string& lfText) override
    {
        held = lfText;
        writes.push_back("replace");
    }
    void append(const std::string& lfText) override
    {
        held += lfText;
        writes.push_back("append");
    }
    bool takeUserEdit() override { return std::exchange(edited, false); }
    bool keeps(char32_t character) const override
    {
        return refused.find(character) == refused.npos;
    }

    void type(const std::string& lfText)
    {
        held += lfText;
        edited = true;
    }

    std::string held;
    std::u32string refused;
    bool edited = false;
    int reads = 0;
    std::vector<std::string> writes;
};

QByteArray bytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

} // namespace

class TestCrLfText : public QObject {
    Q_OBJECT

private slots:
    void lineEndsBecomeLineFeedsAndBack()
    {
        QCOMPARE(bytes(toLineFeeds("a\r\nb\rc\n\r\n")), QByteArray("a\nb\nc\n\n"));
        QCOMPARE(bytes(toCrLf("a\nb\n")), QByteArray("a\r\nb\r\n"));
        QCOMPARE(bytes(toCrLf(toLineFeeds("Етаж I\r\n"))), QByteArray("Етаж I\r\n"));
    }

    void aTripLogIsAppendedLineByLineFromTheCopy()
    {
        Box box;
        CrLfText text;
        QCOMPARE(bytes(text.write(box, "Асансьорът се качва!\r\n")),
                 QByteArray("Асансьорът се качва!\n"));
        for (const char* line : {"Етаж I\r\n", "Етаж II\r\n"})
            QCOMPARE(bytes(text.write(box, text.read(box) + line)), bytes(toLineFeeds(line)));
        QCOMPARE(bytes(box.held), QByteArray("Асансьорът се качва!\nЕтаж I\nЕтаж II\n"));
        QCOMPARE(box.writes, (std::vector<std::string>{"replace", "append", "append"}));
        QCOMPARE(box.reads, 0);
        QCOMPARE(bytes(text.read(box)),
                 QByteArray("Асансьорът се качва!\r\nЕтаж I\r\nЕтаж II\r\n"));
    }

    void theSameTextWrittenAgainIsShownAnew()
    {
        Box box;
        CrLfText text;
        text.write(box, "a\r\nb\r\n");
        QCOMPARE(bytes(text.write(box, text.read(box))), QByteArray("a\nb\n"));
        QCOMPARE(box.writes.back(), std::string("append"));
    }

    void whatTheUserTypedStaysInFrontOfTheNextLine()
    {
        Box box;
        CrLfText text;
        text.write(box, "Етаж I\r\n");
        box.type("бележка");
        std::string status = text.read(box);
        QCOMPARE(bytes(status), QByteArray("Етаж I\r\nбележка"));
        QCOMPARE(box.reads, 1);
        status += "Етаж II\r\n";
        QCOMPARE(bytes(text.write(box, status)), QByteArray("Етаж II\n"));
        QCOMPARE(bytes(box.held), QByteArray("Етаж I\nбележкаЕтаж II\n"));
        QCOMPARE(box.writes.back(), std::string("append"));
    }

    void anEditBetweenReadAndWriteIsNotLost()
    {
        Box box;
        CrLfText text;
        text.write(box, "a\r\n");
        const std::string status = text.read(box) + "b\r\n";
        box.type("x");
        QCOMPARE(bytes(text.write(box, status)), QByteArray("a\nb\n"));
        QCOMPARE(box.writes.back(), std::string("replace"));
        QCOMPARE(bytes(text.read(box)), QByteArray("a\r\nb\r\n"));
    }

    void aReplacementThatExtendsTheTextShowsOnlyItsTail()
    {
        Box box;
        CrLfText text;
        box.type("a\nb");
        QCOMPARE(bytes(text.write(box, text.read(box) + "\rc")), QByteArray("\nc"));
        QCOMPARE(box.writes.back(), std::string("replace"));
        box.type("d");
        QCOMPARE(bytes(text.write(box, "a\r\nb\r\ncd\r\n")), QByteArray("a\nb\ncd\n"));
    }

    void writesThatWouldNotReadBackAreReplacedAndReadAnew_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QByteArray>("readBack");
        QTest::newRow("a lone CR is a line end")
            << QByteArray("lone\rcr") << QByteArray("a\r\nlone\r\ncr");
        QTest::newRow("a lone LF is a line end")
            << QByteArray("lone\nlf") << QByteArray("a\r\nlone\r\nlf");
        QTest::newRow("a CR at the very end")
            << QByteArray("ends in cr\r") << QByteArray("a\r\nends in cr\r\n");
        QTest::newRow("a character the box does not keep")
            << QByteArray("b\xC2\xA0") << QByteArray("a\r\nb\xC2\xA0");
    }
    void writesThatWouldNotReadBackAreReplacedAndReadAnew()
    {
        QFETCH(QByteArray, tail);
        QFETCH(QByteArray, readBack);
        Box box;
        box.refused = U"\u00A0";
        CrLfText text;
        text.write(box, "a\r\n");
        text.write(box, "a\r\n" + tail.toStdString());
        QCOMPARE(box.writes.back(), std::string("replace"));
        QCOMPARE(bytes(text.read(box)), readBack);
        QCOMPARE(box.reads, 1);
    }

    void textThatIsNotUtf8IsReplacedAndReadAnew()
    {
        Box box;
        CrLfText text;
        text.write(box, "a\r\n");
        text.write(box, "a\r\n\xC3"); // a UTF-8 sequence cut short
        QCOMPARE(box.writes.back(), std::string("replace"));
        text.read(box);
        QCOMPARE(box.reads, 1);
    }

    void aBoxThatHoldsOtherThanItReadsIsReplacedShowingOnlyTheTail()
    {
        struct ConvertingBox : Box {
            bool heldAsRead() override { return false; }
        } box;
        CrLfText text;
        box.type("a\n");
        QCOMPARE(bytes(text.write(box, text.read(box) + "b\r\n")), QByteArray("b\n"));
        QCOMPARE(box.writes, std::vector<std::string>{"replace"});
        text.write(box, text.read(box) + "c\r\n");
        QCOMPARE(box.writes.back(), std::string("append"));
    }

    void aShorterTextReplacesWithoutReadingTheBox()
    {
        Box box;
        CrLfText text;
        text.write(box, "Етаж I\r\nЕтаж II\r\n");
        QCOMPARE(bytes(text.write(box, "Затворете предпазната решетка!")),
                 QByteArray("Затворете предпазната решетка!"));
        QCOMPARE(bytes(box.held), QByteArray("Затворете предпазната решетка!"));
        QCOMPARE(box.writes.back(), std::string("replace"));
        QCOMPARE(bytes(text.read(box)), QByteArray("Затворете предпазната решетка!"));
        QCOMPARE(box.reads, 0);
    }
};

QTEST_APPLESS_MAIN(TestCrLfText)
#include "tst_crlf_text.moc"
