// The program that runs the form against a reference, as the faces compare
// them: the same program parts nowhere; an edited line parts at its event
// and line; no commands compare nothing; a script's bad line is told in the
// events view's words and nothing runs; blank lines and comments are skipped.

#include "core/program/form_code.h"
#include "core/program/reader.h"
#include "core/replay/script.h"
#include "core/texts/compare_texts.h"
#include "core/texts/editing_texts.h"
#include "core/trace/program_comparison.h"

#include <QTest>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace lodarix;

namespace {

std::shared_ptr<const program::Program> read(const std::string& source)
{
    return std::make_shared<const program::Program>(program::read(source));
}

// The original with Timer1_Timer painting the floor left behind yellow.
std::string yellowTimer()
{
    std::string source(program::formCode());
    const std::string line = "Option1(CurrentFloor).BackColor = &HFF00&\n    If CurrentFloor <";
    const auto at = source.find(line);
    source.replace(at, 41, "Option1(CurrentFloor).BackColor = &HFFFF&");
    return source;
}

int lineOf(const std::string& source, const std::string& text)
{
    const auto at = source.find(text);
    return 1 + static_cast<int>(std::count(source.begin(), source.begin() + at, '\n'));
}

std::vector<replay::Command> commands(std::initializer_list<const char*> lines)
{
    std::vector<replay::Command> out;
    for (const char* line : lines)
        out.push_back(std::get<replay::Command>(replay::parseLine(line)));
    return out;
}

} // namespace

class TestProgramComparison : public QObject {
    Q_OBJECT

private slots:
    void onCommands()
    {
        const auto original = read(std::string(program::formCode()));
        const std::string yellow = yellowTimer();
        const auto trip = commands({"close", "pick 3", "tick", "tick"});

        const auto same = trace::compareOnCommands(original, original, trip);
        QCOMPARE(same.text, std::string(compare_texts::NoDifference));
        QCOMPARE(same.line, 0);

        const auto parted = trace::compareOnCommands(read(yellow), original, trip);
        QVERIFY2(parted.text.starts_with("Събитие 4, Timer1_Timer: "), parted.text.c_str());
        QCOMPARE(parted.line, lineOf(yellow, "&HFFFF&"));
        QVERIFY(!parted.badScript);

        const auto none = trace::compareOnCommands(read(yellow), original, {});
        QCOMPARE(none.text, std::string(editing_texts::NoSessionToCompare));
    }

    void onScript()
    {
        const auto original = read(std::string(program::formCode()));
        const auto yellow = read(yellowTimer());
        const auto parted =
            trace::compareOnScript(yellow, original, "# a trip\r\nclose\n\npick 3\ntick\n");
        QVERIFY2(parted.text.starts_with("Събитие 4, Timer1_Timer: "), parted.text.c_str());

        const auto bad = trace::compareOnScript(yellow, original, "close\nfly 3\ntick\n");
        QVERIFY2(bad.text.starts_with("Ред 2: "), bad.text.c_str());
        QVERIFY(bad.badScript);
        QCOMPARE(bad.line, 0);
    }
};

QTEST_APPLESS_MAIN(TestProgramComparison)
#include "tst_program_comparison.moc"
