// The form's code, run by the interpreter, against the built-in rules that
// it must equal: over the project's and the guide's scripts and many seeded
// random ones, the window's state line after every command, the events
// trace's rows and texts, and the motion record are the same. And an edited
// program that differs in one line is told apart at the first event where
// it behaves otherwise; the comparison of two programs finds it there too,
// at the edited line, and finds the form's code equal to itself.

#include "core/program/form_code.h"
#include "core/program/form_program.h"
#include "core/program/reader.h"
#include "core/replay/motion_session.h"
#include "core/replay/program_compare.h"
#include "core/replay/state_json.h"
#include "core/trace/event_trace.h"
#include "core/trace/example_scripts.h"
#include "core/trace/session_script.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <map>
#include <memory>
#include <optional>
#include <random>

using namespace lodarix;

namespace {

using Script = std::vector<replay::Command>;
using Code = std::shared_ptr<const program::Program>;

// A session of the window model with its trace, run by the built-in rules
// or by a program.
struct Session {
    explicit Session(const Code& code)
    {
        if (code) {
            session.setEngine([code](lift::WindowOperations& window) {
                return std::make_unique<program::FormProgram>(code, window);
            });
        }
        session.addRuleObserver(&trace);
        session.load();
    }

    replay::MotionSession session{replay::MotionSession::NotLoaded{}};
    trace::EventTrace trace{session.recorder()};
};

bool sameTraces(const trace::EventTrace& a, const trace::EventTrace& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t row = 0; row < a.size(); ++row) {
        if (a.rows()[row] != b.rows()[row] || a.text(row) != b.text(row))
            return false;
    }
    return true;
}

// The first command after which the program's session differs from the
// built-in rules' (-1: the load), or none.
std::optional<int> firstDifference(const Code& code, const Script& script)
{
    Session rules(nullptr);
    try {
        Session program(code);
        const auto differ = [&](std::string_view command) {
            return replay::stateLine(rules.session.model(), command)
                != replay::stateLine(program.session.model(), command)
                || !sameTraces(rules.trace, program.trace);
        };
        if (differ("load"))
            return -1;
        for (std::size_t i = 0; i < script.size(); ++i) {
            rules.session.run(script[i]);
            try {
                program.session.run(script[i]);
            } catch (const program::ProgramError&) {
                return int(i);
            }
            if (differ(script[i].text))
                return int(i);
        }
        const auto& ours = program.session.recorder().rows();
        const auto& theirs = rules.session.recorder().rows();
        if (!std::equal(ours.begin(), ours.end(), theirs.begin(), theirs.end()))
            return int(script.size());
    } catch (const program::ProgramError&) {
        return -1;
    }
    return std::nullopt;
}

Script parsed(std::string_view text)
{
    Script script;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const replay::ParsedLine line = replay::parseLine(text.substr(0, end));
        if (const auto* command = std::get_if<replay::Command>(&line))
            script.push_back(*command);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return script;
}

// Up to 200 commands: grille clicks, picks (mid-trip among them) and ticks.
Script randomScript(unsigned seed)
{
    std::mt19937 random(seed);
    std::string text;
    const int length = std::uniform_int_distribution<int>(1, 200)(random);
    for (int i = 0; i < length; ++i) {
        const int kind = std::uniform_int_distribution<int>(0, 19)(random);
        text += kind < 3 ? "close\n"
            : kind < 4   ? "open\n"
            : kind < 9   ? "pick " + std::to_string(1 + int(random() % 11)) + "\n"
                         : "tick\n";
    }
    return parsed(text);
}

Code shipped()
{
    static const Code code =
        std::make_shared<const program::Program>(program::read(program::formCode()));
    return code;
}

// The form's code with its line (from 1) replaced, after checking what it held.
Code edited(int line, const QString& was, const QString& now)
{
    QStringList lines = QString::fromUtf8(program::formCode()).split('\n');
    if (lines.value(line - 1).trimmed() != was)
        qFatal("line %d of the form's code is no longer %s", line, qPrintable(was));
    lines[line - 1] = now;
    return std::make_shared<const program::Program>(program::read(lines.join('\n').toStdString()));
}

} // namespace

class TestFormCode : public QObject {
    Q_OBJECT

private slots:
    void equalsTheBuiltInRulesOnEveryScript()
    {
        std::vector<std::pair<QString, Script>> scripts;
        QDir folder(LODARIX_SCRIPTS);
        for (const QString& name : folder.entryList(QDir::Files)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            scripts.emplace_back(name, parsed(file.readAll().toStdString()));
        }
        for (const auto& example : trace::exampleScripts())
            scripts.emplace_back(QString::fromUtf8(example.fileName), parsed(example.text));
        for (unsigned seed = 1; seed <= LODARIX_RANDOM_SCRIPTS; ++seed)
            scripts.emplace_back("seed " + QString::number(seed), randomScript(seed));

        for (const auto& [name, script] : scripts) {
            const auto difference = firstDifference(shipped(), script);
            if (difference)
                QFAIL(qPrintable(name + " differs after command " + QString::number(*difference)));
        }
    }

    void anEditedLineIsToldApart_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("was");
        QTest::addColumn<QString>("now");
        const auto row = [](const char* name, int line, const char* was, const char* now) {
            QTest::newRow(name) << line << QString::fromUtf8(was) << QString::fromUtf8(now);
        };
        row("the load's cabin", 9, "CurrentFloor = 0", "CurrentFloor = 1");
        row("the load's timer", 11, "Timer1.Enabled = False", "Timer1.Enabled = True");
        row("the load's grille", 13, "Option2(1).Value = True", "List1.Visible = False");
        row("the logged floor", 17,
            "Text1(0).Text = Text1(0).Text & List1.List(CurrentFloor) & vbCrLf",
            "Text1(0).Text = Text1(0).Text & List1.List(TargetFloor) & vbCrLf");
        row("the log's line end", 17,
            "Text1(0).Text = Text1(0).Text & List1.List(CurrentFloor) & vbCrLf",
            "Text1(0).Text = Text1(0).Text & List1.List(CurrentFloor) & vbLf");
        row("the grille's test", 21, "If Option2(0).Value = False Then",
            "If Option2(0).Value = True Then");
        row("the warning replaces", 22, "Text1(0).Text = \"Затворете предпазната решетка!\"",
            "Text1(0).Text = Text1(0).Text & \"Затворете предпазната решетка!\"");
        row("the pick's idle floor", 25, "Option1(CurrentFloor).BackColor = &HFF00&",
            "Option1(TargetFloor).BackColor = &HFF00&");
        row("the cabin's colour", 26, "Option1(TargetFloor).BackColor = &H8080FF",
            "Option1(TargetFloor).BackColor = &H8080FE");
        row("the start from the old target", 27, "CurrentFloor = TargetFloor",
            "TargetFloor = Index");
        row("the target's colour", 29, "Option1(Index).BackColor = &HFF8080",
            "Option1(Index).BackColor = &H80FF80");
        row("the steps start", 30, "Timer1.Enabled = True", "Timer1.Enabled = False");
        row("up compares", 31,
            "If CurrentFloor < TargetFloor Then Text1(0).Text = \"Асансьорът се качва!\" & vbCrLf",
            "If CurrentFloor <= TargetFloor Then Text1(0).Text = \"Асансьорът се качва!\" & "
            "vbCrLf");
        row("down's message", 32,
            "If CurrentFloor > TargetFloor Then Text1(0).Text = \"Асансьорът слиза!\" & vbCrLf",
            "If CurrentFloor > TargetFloor Then Text1(0).Text = \"Асансьорът слиза\" & vbCrLf");
        row("the start floor's log", 33, "LogCurrentFloor", "' LogCurrentFloor");
        row("a step's idle colour", 37, "Option1(CurrentFloor).BackColor = &HFF00&",
            "Option1(CurrentFloor).BackColor = &HFF01&");
        row("up steps one floor", 38,
            "If CurrentFloor < TargetFloor Then CurrentFloor = CurrentFloor + 1",
            "If CurrentFloor < TargetFloor Then CurrentFloor = TargetFloor");
        row("down steps", 39, "If CurrentFloor > TargetFloor Then CurrentFloor = CurrentFloor - 1",
            "If CurrentFloor >= TargetFloor Then CurrentFloor = CurrentFloor - 1");
        row("the step's cabin", 40, "Option1(CurrentFloor).BackColor = &H8080FF",
            "Option1(TargetFloor).BackColor = &H8080FF");
        row("the arrival's test", 42, "If CurrentFloor = TargetFloor Then",
            "If CurrentFloor <> TargetFloor Then");
        row("the last stop's text", 44,
            "Text1(0).Text = Text1(0).Text & \"Последна спирка!\" & vbCrLf",
            "Text1(0).Text = \"Последна спирка!\" & vbCrLf");
        row("the grille opens on arrival", 45, "Option2(1).Value = True", "Timer1.Enabled = False");
    }

    void anEditedLineIsToldApart()
    {
        QFETCH(int, line);
        QFETCH(QString, was);
        QFETCH(QString, now);
        const Code code = edited(line, was, now);
        for (unsigned seed = 1; seed <= 200; ++seed) {
            if (firstDifference(code, randomScript(seed)))
                return;
        }
        QFAIL("no script tells the edited program apart");
    }

    // The session's own clicks and ticks, heard as they happen, replay to
    // the same window.
    void aSessionReplaysAsTheScriptOfItsOwnCommands()
    {
        for (unsigned seed = 1; seed <= 50; ++seed) {
            const Script script = randomScript(seed);
            Session live(shipped());
            trace::SessionScript heard;
            live.session.addRuleObserver(&heard);
            for (const replay::Command& command : script)
                live.session.run(command);
            Session again(shipped());
            for (const replay::Command& command : heard.commands())
                again.session.run(command);
            QCOMPARE(replay::stateLine(again.session.model(), ""),
                     replay::stateLine(live.session.model(), ""));
            QCOMPARE(again.trace.size(), live.trace.size());
        }
    }

    void theComparisonFindsTheEditedLine_data() { anEditedLineIsToldApart_data(); }

    void theComparisonFindsTheEditedLine()
    {
        QFETCH(int, line);
        QFETCH(QString, was);
        QFETCH(QString, now);
        // Where the edit changes a variable, not a write, the first write that
        // differs comes later (0: the edited program leaves a write out), on
        // the first script that tells them apart.
        const std::map<int, int> firstWriteThatDiffers = {{9, 25},  {21, 22}, {27, 31}, {33, 0},
                                                          {38, 40}, {39, 40}, {42, 43}};
        const auto writeLine = firstWriteThatDiffers.find(line);
        const Code code = edited(line, was, now);
        // The lesson's example scripts first, then seeded random ones.
        std::vector<Script> scripts;
        for (const auto& example : trace::exampleScripts())
            scripts.push_back(parsed(example.text));
        for (unsigned seed = 1; seed <= 200; ++seed)
            scripts.push_back(randomScript(seed));
        for (const Script& script : scripts) {
            const auto expected = replay::runEvents(shipped(), script);
            QVERIFY(!replay::firstDifference(replay::runEvents(shipped(), script), expected));
            const auto found = replay::firstDifference(replay::runEvents(code, script), expected);
            if (!found)
                continue;
            QCOMPARE(found->line,
                     writeLine == firstWriteThatDiffers.end() ? line : writeLine->second);
            // The window's state cannot part later than what the code wrote to it.
            const int stateParts = firstDifference(code, script).value_or(-2) + 2;
            QVERIFY2(found->event >= stateParts, found->text.c_str());
            return;
        }
        QFAIL("no script tells the edited program apart");
    }
};

QTEST_APPLESS_MAIN(TestFormCode)
#include "tst_form_code.moc"
