#include "core/replay/program_compare.h"

#include "core/lift/rule_observer.h"
#include "core/model/lodarix_model.h"
#include "core/program/changes.h"
#include "core/program/form_program.h"
#include "core/program/program_error.h"
#include "core/program/value.h"
#include "core/replay/runner.h"
#include "core/texts/compare_texts.h"
#include "core/texts/number_texts.h"

#include <algorithm>
#include <cstdio>

namespace lodarix::replay {

namespace {

constexpr std::string_view StatusText = "Text1(0).Text";

std::string colorText(lift::Color color)
{
    char text[16];
    std::snprintf(text, sizeof text, "&H%X&", unsigned(color));
    return text;
}

// A text as the form's code would write it: "Етаж 1" & vbCrLf & "Етаж 2".
std::string textValue(std::string_view text)
{
    std::string written;
    const auto add = [&written](std::string piece) {
        written += (written.empty() ? "" : " & ") + std::move(piece);
    };
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end != 0)
            add(program::valueText(program::Value::string(std::string(text.substr(0, end)))));
        if (end == std::string_view::npos)
            break;
        const bool crlf = text.substr(end, 2) == "\r\n";
        add(crlf ? "vbCrLf" : text[end] == '\r' ? "vbCr" : "vbLf");
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return written.empty() ? "\"\"" : written;
}

// Two texts that differ, shown from the line where they part: "… & "5" & vbCrLf".
std::pair<std::string, std::string> partingTexts(const std::string& a, const std::string& b)
{
    std::size_t same = 0;
    while (same < a.size() && same < b.size() && a[same] == b[same])
        ++same;
    const std::size_t line = same == 0 ? 0 : a.rfind('\n', same - 1);
    if (line == std::string::npos || line == 0)
        return {textValue(a), textValue(b)};
    const auto tail = [line](const std::string& text) {
        return "… & " + textValue(std::string_view(text).substr(line + 1));
    };
    return {tail(a), tail(b)};
}

// What the form's code writes to the window, each write with its line.
class OperationLog final : public lift::RuleObserver {
public:
    void setMachine(const program::Machine* machine) { machine_ = machine; }
    std::vector<Operation> take() { return std::exchange(operations_, {}); }
    std::string takeProcedure() { return std::exchange(procedure_, {}); }

    void loaded(const lift::FormState&) override {}
    void floorPicked(const lift::FormState&, bool) override {}
    void stepRan(const lift::FormState&) override {}
    void procedureStarting(lift::Procedure procedure, lift::FloorIndex) override
    {
        procedure_ = procedure == lift::Procedure::FormLoad ? "Form_Load"
            : procedure == lift::Procedure::Option1Click    ? "Option1_Click"
                                                            : "Timer1_Timer";
    }
    void floorPainted(lift::FloorIndex floor, lift::Color color) override
    {
        add("Option1(" + std::to_string(floor) + ").BackColor", colorText(color));
    }
    void grilleOpened() override { add("Option2(1).Value", "True"); }
    void stepsSwitched(bool running) override { add("Timer1.Enabled", running ? "True" : "False"); }
    void statusRead(const std::string& text) override { status_ = text; }
    // A text that adds to the box's is kept as what it adds ("&" and the
    // tail), so that a long log costs its length once; any other as the
    // whole ("=" and the text). Where every write before was the same, the
    // box held the same, and the tails tell the texts apart.
    void statusWritten(const std::string& text) override
    {
        const bool adds = !status_.empty() && text.starts_with(status_);
        const std::string_view tail = std::string_view(text).substr(adds ? status_.size() : 0);
        add(std::string(StatusText), (adds ? "&" : "=") + std::string(tail),
            adds ? std::string(StatusText) + " & " + textValue(tail) : textValue(text));
        status_ = text;
    }
    void grilleSelected(bool, const std::string& statusText) override { status_ = statusText; }
    void floorNamesHidden() override { add("List1.Visible", "False"); }
    void stepPeriodSet(int periodMs) override { add("Timer1.Interval", std::to_string(periodMs)); }

private:
    // What the face does as an error stops the program (the timer stopped)
    // is no write of the program's.
    void add(std::string target, std::string value, std::string shown = {})
    {
        if (machine_ && !machine_->running())
            return;
        if (shown.empty())
            shown = value;
        operations_.push_back({std::move(target), std::move(value), machine_ ? machine_->line() : 0,
                               std::move(shown)});
    }

    const program::Machine* machine_ = nullptr;
    std::vector<Operation> operations_;
    std::string status_;
    std::string procedure_;
};

std::string eventsDifference(const EventRun& mine, const EventRun& theirs, int& line)
{
    const auto& a = mine.operations;
    const auto& b = theirs.operations;
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i])
            continue;
        line = a[i].line;
        if (a[i].target == b[i].target) {
            const auto [ours, theirs] = a[i].target != StatusText
                ? std::pair{a[i].value, b[i].value}
                : a[i].value[0] != b[i].value[0] ? std::pair{a[i].shown, b[i].shown}
                : a[i].value[0] == '='
                ? partingTexts(a[i].value.substr(1), b[i].value.substr(1))
                : std::pair{"… & " + textValue(std::string_view(a[i].value).substr(1)),
                            "… & " + textValue(std::string_view(b[i].value).substr(1))};
            return texts::fill(
                compare_texts::OtherValue,
                {a[i].target, ours, std::to_string(a[i].line), theirs, std::to_string(b[i].line)});
        }
        return texts::fill(compare_texts::OtherOperation,
                           {a[i].target, a[i].shown, std::to_string(a[i].line), b[i].target,
                            b[i].shown, std::to_string(b[i].line)});
    }
    if (mine.error != theirs.error) {
        line = mine.error ? mine.errorLine : 0;
        if (mine.error && theirs.error)
            return texts::fill(compare_texts::BothStoppedOtherwise, {*mine.error, *theirs.error});
        if (mine.error)
            return texts::fill(compare_texts::ProgramStopped, {*mine.error});
        return texts::fill(compare_texts::ReferenceStopped, {*theirs.error});
    }
    if (a.size() > common) {
        line = a[common].line;
        return texts::fill(compare_texts::ExtraOperation,
                           {a[common].target, a[common].shown, std::to_string(a[common].line)});
    }
    if (b.size() > common) {
        line = 0;
        return texts::fill(compare_texts::MissingOperation,
                           {b[common].target, b[common].shown, std::to_string(b[common].line)});
    }
    return {};
}

} // namespace

std::vector<EventRun> runEvents(const std::shared_ptr<const program::Program>& program,
                                std::span<const Command> commands)
{
    LodarixModel model;
    OperationLog log;
    model.setRuleObserver(&log);
    model.setEngine([&](lift::WindowOperations& window) {
        auto engine = std::make_unique<program::FormProgram>(program, window);
        log.setMachine(&engine->machine());
        return engine;
    });
    std::vector<EventRun> events;
    const auto event = [&](const std::string& name, const auto& run) {
        EventRun ran;
        try {
            run();
        } catch (const program::ProgramError& error) {
            ran.error = program::programErrorReport(error);
            ran.errorLine = error.line();
        }
        ran.procedure = log.takeProcedure();
        if (ran.procedure.empty())
            ran.procedure = name;
        ran.operations = log.take();
        events.push_back(std::move(ran));
        return !events.back().error;
    };
    if (!event("load", [&] { model.load(); }))
        return events;
    for (const Command& command : commands) {
        if (!event(command.text, [&] { run(command, model); }))
            break;
    }
    return events;
}

std::optional<Difference> firstDifference(std::span<const EventRun> program,
                                          std::span<const EventRun> reference)
{
    const std::size_t events = std::max(program.size(), reference.size());
    for (std::size_t i = 0; i < events; ++i) {
        // A program that stopped earlier differs at its error, already told.
        const EventRun none;
        const EventRun& mine = i < program.size() ? program[i] : none;
        const EventRun& theirs = i < reference.size() ? reference[i] : none;
        int line = 0;
        const std::string what = eventsDifference(mine, theirs, line);
        if (what.empty())
            continue;
        const std::string& procedure = mine.procedure.empty() ? theirs.procedure : mine.procedure;
        const int number = int(i) + 1;
        return Difference{
            number, line,
            texts::fill(compare_texts::EventPlace, {std::to_string(number), procedure, what}),
            what};
    }
    return std::nullopt;
}

} // namespace lodarix::replay
