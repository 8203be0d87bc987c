#include "core/trace/script_run.h"

#include "core/motion/motion_csv.h"
#include "core/replay/runner.h"
#include "core/replay/state_json.h"
#include "core/texts/events_view_texts.h"
#include "core/texts/number_texts.h"
#include "core/workbook/motion_workbook.h"

#include <variant>

namespace lodarix::trace {

namespace words = events_texts;

ScriptRun::ScriptRun(std::string_view script)
    : session_(replay::MotionSession::NotLoaded{})
    , trace_(session_.recorder())
{
    session_.addRuleObserver(&trace_);
    session_.load();
    int lineNumber = 0;
    for (const std::string_view line : scriptLines(script)) {
        ++lineNumber;
        const replay::ParsedLine parsed = replay::parseLine(line);
        if (const auto* error = std::get_if<replay::ScriptError>(&parsed)) {
            stop_ = ScriptStop{lineNumber, scriptStopMessage(lineNumber, *error)};
            return;
        }
        if (const auto* command = std::get_if<replay::Command>(&parsed)) {
            session_.run(*command);
            ++commands_;
        }
    }
}

std::string ScriptRun::outcome() const
{
    if (stop_)
        return stop_->message;
    return texts::fill(words::ScriptRan,
                       {std::to_string(commands_), std::to_string(trace_.size())});
}

std::string ScriptRun::motionCsv() const
{
    return motion::toCsv(session_.recorder().rows());
}

std::optional<std::string> ScriptRun::workbook() const
{
    if (stop_)
        return std::nullopt;
    const motion::MotionRecorder& recorder = session_.recorder();
    return workbook::motionWorkbook(recorder.rows(), recorder.trips(), {});
}

std::vector<std::string_view> scriptLines(std::string_view script)
{
    std::vector<std::string_view> lines;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        lines.push_back(script.substr(0, end));
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    }
    return lines;
}

std::string jsonLines(std::string_view script)
{
    LodarixModel model;
    model.load();
    std::string out = replay::stateLine(model, "load") + '\n';
    for (const std::string_view line : scriptLines(script)) {
        const replay::ParsedLine parsed = replay::parseLine(line);
        if (std::holds_alternative<replay::ScriptError>(parsed))
            break;
        if (const auto* command = std::get_if<replay::Command>(&parsed)) {
            replay::run(*command, model);
            out += replay::stateLine(model, command->text);
            out += '\n';
        }
    }
    return out;
}

std::string scriptStopMessage(int line, const replay::ScriptError& error)
{
    std::string what;
    switch (error.problem) {
    case replay::Problem::UnknownCommand:
        what = texts::fill(words::UnknownCommand, {error.word});
        break;
    case replay::Problem::UnexpectedWord:
        what = texts::fill(words::NoArgument, {error.command, error.word});
        break;
    case replay::Problem::FloorMissing:
        what = std::string(words::FloorMissing);
        break;
    case replay::Problem::ExtraWord:
        what = texts::fill(words::OneFloorOnly, {error.word});
        break;
    case replay::Problem::NotAFloorNumber:
        what = texts::fill(words::NotAFloor, {error.word});
        break;
    }
    return texts::fill(words::ScriptStopped, {std::to_string(line), what});
}

} // namespace lodarix::trace
