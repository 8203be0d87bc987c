// The status text between the rules and the page's box, without a browser:
// what reads back after each kind of write, which writes the box gets as an
// append and which as a replacement, and the user's edits in between.

#include "web/crlf_text.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int failures = 0;

void check(bool condition, const char* what, int line)
{
    if (!condition) {
        std::printf("FAIL line %d: %s\n", line, what);
        ++failures;
    }
}
#define CHECK(condition) check((condition), #condition, __LINE__)

// A box that keeps line feeds as the page's does and logs how it was written.
class Box : public lodarix::web::LfTextBox {
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

    void type(const std::string& lfText)
    {
        held += lfText;
        edited = true;
    }

    std::string held;
    bool edited = false;
    int reads = 0;
    std::vector<std::string> writes;
};

void conversions()
{
    using lodarix::web::fromBoxText;
    using lodarix::web::toBoxText;
    CHECK(toBoxText("a\r\nb\rc\n\r\n") == "a\nb\nc\n\n");
    CHECK(fromBoxText("a\nb\n") == "a\r\nb\r\n");
    CHECK(fromBoxText(toBoxText("Етаж I\r\n")) == "Етаж I\r\n");
}

void aTripLogIsAppendedLineByLine()
{
    Box box;
    lodarix::web::CrLfText text;
    text.write(box, "Асансьорът се качва!\r\n");
    std::string status = text.read(box);
    status += "Етаж I\r\n";
    text.write(box, status);
    status = text.read(box);
    status += "Етаж II\r\n";
    text.write(box, status);
    CHECK(box.held == "Асансьорът се качва!\nЕтаж I\nЕтаж II\n");
    CHECK((box.writes == std::vector<std::string>{"replace", "append", "append"}));
    CHECK(box.reads == 0); // read from the copy, never from the box
    CHECK(text.read(box) == "Асансьорът се качва!\r\nЕтаж I\r\nЕтаж II\r\n");
}

void whatTheUserTypedStaysInFrontOfTheNextLine()
{
    Box box;
    lodarix::web::CrLfText text;
    text.write(box, "Етаж I\r\n");
    box.type("бележка");
    std::string status = text.read(box);
    CHECK(status == "Етаж I\r\nбележка");
    CHECK(box.reads == 1);
    status += "Етаж II\r\n";
    text.write(box, status);
    CHECK(box.held == "Етаж I\nбележкаЕтаж II\n");
    CHECK(box.writes.back() == "append");
}

void anEditBetweenReadAndWriteIsNotLost()
{
    Box box;
    lodarix::web::CrLfText text;
    text.write(box, "a\r\n");
    const std::string status = text.read(box) + "b\r\n";
    box.type("x");
    text.write(box, status);
    CHECK(box.writes.back() == "replace");
    CHECK(text.read(box) == "a\r\nb\r\n");
}

void writesThatWouldNotReadBackAreReplacedAndReadAnew()
{
    struct Case {
        const char* tail;
        const char* readBack;
    };
    const Case cases[] = {
        {"lone\rcr", "a\r\nlone\r\ncr"},
        {"lone\nlf", "a\r\nlone\r\nlf"},
        {"ends in cr\r", "a\r\nends in cr\r\n"},
    };
    for (const Case& c : cases) {
        Box box;
        lodarix::web::CrLfText text;
        text.write(box, "a\r\n");
        text.write(box, std::string("a\r\n") + c.tail);
        CHECK(box.writes.back() == "replace");
        CHECK(text.read(box) == c.readBack);
        CHECK(box.reads == 1);
    }
    Box box;
    lodarix::web::CrLfText text;
    text.write(box, "a\r\n");
    text.write(box, "a\r\n\xC3"); // a UTF-8 sequence cut short
    CHECK(box.writes.back() == "replace");
    text.read(box);
    CHECK(box.reads == 1);
}

void aShorterTextReplaces()
{
    Box box;
    lodarix::web::CrLfText text;
    text.write(box, "Етаж I\r\nЕтаж II\r\n");
    text.write(box, "Затворете предпазната решетка!");
    CHECK(box.held == "Затворете предпазната решетка!");
    CHECK(box.writes.back() == "replace");
    CHECK(text.read(box) == "Затворете предпазната решетка!");
    CHECK(box.reads == 0);
}

} // namespace

int main()
{
    conversions();
    aTripLogIsAppendedLineByLine();
    whatTheUserTypedStaysInFrontOfTheNextLine();
    anEditBetweenReadAndWriteIsNotLost();
    writesThatWouldNotReadBackAreReplacedAndReadAnew();
    aShorterTextReplaces();
    std::printf("%d failed\n", failures);
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
