// lodarix-replay [--motion | --xlsx WORKBOOK | --lines] [--program CODE] [FILE],
// lodarix-replay --compare REFERENCE --program CODE [FILE] and
// lodarix-replay --check REFERENCE --script FILE... PROGRAM...
// (compare_commands.h):
// loads the model window, runs the script's commands in order and prints the
// state after load and after each command as JSON Lines, or with --motion the
// motion record as CSV, each row as soon as it is made, or with --xlsx writes
// the motion record as a workbook once the script has run, or with --lines
// prints each statement of the form's code that ran. With --program the
// form's code in CODE runs the events in place of the built-in rules. A bad
// line or an unreadable file ends the run with one line on standard error and
// exit status 2; the lines already printed stand, and no workbook is written.
// An error in the form's code, and a workbook that cannot be written, are
// exit status 1, and leave no file behind.

#include "app/replay/compare_commands.h"
#include "core/files/whole_file.h"
#include "core/model/lodarix_model.h"
#include "core/motion/motion_csv.h"
#include "core/program/form_code.h"
#include "core/program/form_program.h"
#include "core/program/program_file.h"
#include "core/program/reader.h"
#include "core/replay/motion_session.h"
#include "core/replay/runner.h"
#include "core/replay/script.h"
#include "core/replay/state_json.h"
#include "core/replay/statement_json.h"
#include "core/workbook/motion_workbook.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using namespace lodarix;

namespace {

constexpr int BadInput = 2;
constexpr int CannotWrite = 1;
constexpr int ProgramFailed = 1;

void write(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

constexpr std::string_view Help =
    R"(Usage: lodarix-replay [options] [FILE]
       lodarix-replay --compare REFERENCE --program CODE [FILE]
       lodarix-replay --check REFERENCE --script FILE [--script FILE...] PROGRAM...
Runs a script of user actions against the lift without a window and prints the
state after loading and after each command as one JSON object a line, or with
--motion the cabin's motion as CSV.

Script: one command a line; blank lines and lines starting with # are skipped.
  close    select the closed grille button
  open     select the open grille button
  pick N   click the floor button N (1 to 11)
  tick     one period of the step timer passes

Options:
  -h, --help  Displays help on commandline options.
  --motion    Print the motion record as CSV, time_s,floor,target,event: a row
              at the load (start), at each accepted pick (pick) and at each step
              that runs (step, or arrive for the last of a trip). Every tick
              counts 0.800 s, whether or not a step runs; the other commands
              take no time.
  --xlsx WORKBOOK
              Write the motion record, on the same clock, as a workbook for a
              spreadsheet (.xlsx) to WORKBOOK, and print nothing.
  --lines     Print each statement of the form's code that ran, one JSON object
              a line: the event's number, the procedure, the line, the form's
              variables after it and the window's state.
  --program CODE
              Run the events with the form's code in the file CODE (UTF-8) in
              place of the built-in rules. An error in it ends the run with
              exit status 1 and the error on standard error.
  --compare REFERENCE
              Run the script through the form's code in CODE and in REFERENCE,
              each on a fresh form, and print where CODE first parts from it:
              the event, and in it the first write to the window that differs,
              with both values and lines. Exit status 0: no difference; 1: a
              difference; 2: a file that cannot be read, or a program that does
              not read.
  --check REFERENCE
              Run each PROGRAM and REFERENCE on every --script and print one CSV
              row a program: equal, the first difference (script, event, line,
              what), or why it could not run. Exit status 0: all equal; 1: any
              differs or fails; 2: the reference or a script cannot be read.
  --script FILE
              A script for --check; give it once for each script.

Arguments:
  FILE        The script; standard input when absent or -.
)";

void writeLine(std::string_view line)
{
    write(line);
    std::fputc('\n', stdout);
}

int fail(std::string_view message, int status = BadInput)
{
    std::fflush(stdout);
    const std::string text = "lodarix-replay: " + std::string(message) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
    return status;
}

struct Options {
    bool help = false;
    bool motion = false;
    bool lines = false;
    std::optional<std::string> workbook;
    std::optional<std::string> program;
    std::optional<std::string> compare;
    std::optional<std::string> check;
    std::vector<std::string> scripts;
    std::vector<std::string> files;
};

// Long options (--name), bundled short ones (-h) and "--", which ends the
// options; "-" alone is a file. Returns the error's text for a bad option.
std::variant<Options, std::string> parseArguments(int argc, char* argv[])
{
    Options options;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            options.files.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument.starts_with("--")) {
            const std::size_t equals = argument.find('=');
            const std::string_view name = argument.substr(2, equals - 2);
            if (name == "xlsx" || name == "program" || name == "compare" || name == "check"
                || name == "script") {
                std::string value;
                if (equals != std::string_view::npos)
                    value = std::string(argument.substr(equals + 1));
                else if (i + 1 < argc)
                    value = argv[++i];
                else
                    return "Missing value after '--" + std::string(name) + "'.";
                if (name == "script")
                    options.scripts.push_back(std::move(value));
                else
                    (name == "xlsx"          ? options.workbook
                         : name == "program" ? options.program
                         : name == "compare" ? options.compare
                                             : options.check) = std::move(value);
                continue;
            }
            if (name != "help" && name != "motion" && name != "lines")
                return "Unknown option '" + std::string(name) + "'.";
            if (equals != std::string_view::npos)
                return "Unexpected value after '--" + std::string(name) + "'.";
            (name == "help"         ? options.help
                 : name == "motion" ? options.motion
                                    : options.lines) = true;
        } else {
            for (const char letter : argument.substr(1)) {
                if (letter != 'h')
                    return "Unknown option '" + std::string(1, letter) + "'.";
                options.help = true;
            }
        }
    }
    return options;
}

// The form's code that runs the events, or none for the built-in rules.
struct FormCode {
    std::shared_ptr<const program::Program> program;
    std::string path; // where it was read, for its errors
};

int programFailed(const FormCode& code, const program::ProgramError& error)
{
    return fail(code.path + ": " + program::programErrorReport(error), ProgramFailed);
}

// Hands each command of the script to run, in order, until the end or the
// first bad line, or an error in the form's code.
int runScript(std::istream& script, const std::string& path, const FormCode& code,
              const std::function<void(const lodarix::replay::Command&)>& run)
{
    std::string line;
    try {
        for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
            const auto parsed = lodarix::replay::parseLine(line);
            if (const auto* error = std::get_if<lodarix::replay::ScriptError>(&parsed)) {
                return fail("line " + std::to_string(lineNumber) + ": " + error->message);
            }
            if (const auto* command = std::get_if<lodarix::replay::Command>(&parsed))
                run(*command);
        }
    } catch (const program::ProgramError& error) {
        return programFailed(code, error);
    }
    if (script.bad())
        return fail("cannot read " + path);
    return 0;
}

// The engine for the model, when the form's code runs it; listener hears each statement.
lift::RuleRunner::EngineMaker engineOf(const FormCode& code,
                                       program::FormProgram::Listener listener = {})
{
    if (!code.program)
        return {};
    return [program = code.program, listener](lift::WindowOperations& window) {
        return std::make_unique<program::FormProgram>(program, window, listener);
    };
}

// Loads the model or the session, with the form's code when there is one
// (and its engine not set yet, if withEngine); an error in its load is status 1.
template <class Loaded> int load(Loaded& loaded, const FormCode& code, bool withEngine = true)
{
    if (code.program && withEngine)
        loaded.setEngine(engineOf(code));
    try {
        loaded.load();
    } catch (const program::ProgramError& error) {
        return programFailed(code, error);
    }
    return 0;
}

// Counts the events that reach the form, a grille click among them.
class EventCounter final : public lift::RuleObserver {
public:
    int event() const { return event_; }
    void loaded(const lift::FormState&) override {}
    void floorPicked(const lift::FormState&, bool) override {}
    void stepRan(const lift::FormState&) override {}
    void procedureStarting(lift::Procedure, lift::FloorIndex) override { ++event_; }
    void grilleSelected(bool, const std::string&) override { ++event_; }

private:
    int event_ = 0;
};

int printLines(std::istream& script, const std::string& path, const FormCode& code)
{
    lodarix::LodarixModel model;
    EventCounter counter;
    std::string command = "load";
    model.setRuleObserver(&counter);
    model.setEngine(engineOf(code, [&](const program::StatementRan& ran) {
        writeLine(
            lodarix::replay::statementLine(counter.event(), ran.ran, ran.machine, model, command));
    }));
    if (const int status = load(model, code, false))
        return status;
    return runScript(script, path, code, [&](const lodarix::replay::Command& next) {
        command = next.text;
        lodarix::replay::run(next, model);
    });
}

int printStates(std::istream& script, const std::string& path, const FormCode& code)
{
    lodarix::LodarixModel model;
    if (const int status = load(model, code))
        return status;
    writeLine(lodarix::replay::stateLine(model, "load"));
    return runScript(script, path, code, [&model](const lodarix::replay::Command& command) {
        lodarix::replay::run(command, model);
        writeLine(lodarix::replay::stateLine(model, command.text));
    });
}

int printMotion(std::istream& script, const std::string& path, const FormCode& code)
{
    lodarix::replay::MotionSession session(lodarix::replay::MotionSession::NotLoaded{});
    if (const int status = load(session, code))
        return status;
    std::size_t printed = 0;
    const auto printNewRows = [&session, &printed] {
        const auto rows = session.recorder().rows();
        for (; printed < rows.size(); ++printed)
            write(motion::csvLine(rows[printed]));
    };
    write(motion::CsvHeader);
    printNewRows();
    return runScript(script, path, code,
                     [&session, &printNewRows](const lodarix::replay::Command& command) {
                         session.run(command);
                         printNewRows();
                     });
}

// The workbook of the session, once the whole script ran.
int writeWorkbook(std::istream& script, const std::string& path, const FormCode& code,
                  const std::string& workbook)
{
    lodarix::replay::MotionSession session(lodarix::replay::MotionSession::NotLoaded{});
    if (const int status = load(session, code))
        return status;
    const int status =
        runScript(script, path, code,
                  [&session](const lodarix::replay::Command& command) { session.run(command); });
    if (status != 0)
        return status;
    const auto& recorder = session.recorder();
    const std::string bytes = workbook::motionWorkbook(recorder.rows(), recorder.trips(), {});
    if (const auto failure = lodarix::files::writeWholeFile(workbook, bytes))
        return fail("cannot write " + workbook + ": " + failure->error.message(), CannotWrite);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const auto parsed = parseArguments(argc, argv);
    if (const auto* error = std::get_if<std::string>(&parsed))
        return fail(*error);
    const Options& options = std::get<Options>(parsed);
    if (options.help) {
        write(Help);
        return 0;
    }
    if (int(options.motion) + int(bool(options.workbook)) + int(options.lines)
            + int(bool(options.compare)) + int(bool(options.check))
        > 1)
        return fail("--motion, --xlsx, --lines, --compare and --check cannot be used together");
    if (!options.scripts.empty() && !options.check)
        return fail("--script goes with --check");
    if (options.check) {
        if (options.program)
            return fail("--check takes its programs as arguments, not --program");
        if (options.scripts.empty())
            return fail("--check needs at least one --script");
        if (options.files.empty())
            return fail("--check needs at least one program");
        return replay_tool::check(*options.check, options.scripts, options.files);
    }
    if (options.compare && !options.program)
        return fail("--compare needs --program");
    if (options.files.size() > 1)
        return fail("expected at most one script file, got "
                    + std::to_string(options.files.size()));

    const std::string path = options.files.empty() ? "-" : options.files.front();
    if (options.compare)
        return replay_tool::compare(*options.compare, *options.program, path);
    const bool fromStdin = path == "-";
    std::ifstream file;
    if (!fromStdin) {
        const std::filesystem::path filePath(path);
        std::error_code ignored;
        if (std::filesystem::is_directory(filePath, ignored))
            return fail("cannot read " + path + ": it is a folder");
        file.open(filePath, std::ios::binary);
        if (!file)
            return fail("cannot read " + path + ": " + std::strerror(errno));
    }
    FormCode code;
    if (options.program || options.lines) {
        std::string source(program::formCode());
        code.path = options.program.value_or("form_code.bas");
        if (options.program) {
            std::error_code ignored;
            if (std::filesystem::is_directory(*options.program, ignored))
                return fail("cannot read " + *options.program + ": it is a folder");
            std::ifstream programFile(*options.program, std::ios::binary);
            if (!programFile)
                return fail("cannot read " + *options.program + ": " + std::strerror(errno));
            std::ostringstream bytes;
            bytes << programFile.rdbuf();
            auto text = program::programText(bytes.str());
            if (const auto* notAProgram = std::get_if<program::NotAProgram>(&text))
                return fail("cannot read " + *options.program + ": " + notAProgram->reason);
            source = std::move(std::get<std::string>(text));
        }
        try {
            code.program = std::make_shared<const program::Program>(program::read(source));
        } catch (const program::ProgramError& error) {
            return programFailed(code, error);
        }
    }
    std::istream& script = fromStdin ? std::cin : file;
    if (options.workbook)
        return writeWorkbook(script, path, code, *options.workbook);
    if (options.lines)
        return printLines(script, path, code);
    return options.motion ? printMotion(script, path, code) : printStates(script, path, code);
}
