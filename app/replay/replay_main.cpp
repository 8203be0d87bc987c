// lodarix-replay [--motion | --xlsx WORKBOOK] [FILE]: loads the model window,
// runs the script's commands in order and prints the state after load and
// after each command as JSON Lines, or with --motion the motion record as CSV,
// each row as soon as it is made, or with --xlsx writes the motion record as
// a workbook once the script has run. A bad line or an unreadable file ends
// the run with one line on standard error and exit status 2; the lines
// already printed stand, and no workbook is written. A workbook that cannot
// be written is exit status 1, and leaves no file behind.

#include "core/files/whole_file.h"
#include "core/model/lodarix_model.h"
#include "core/motion/motion_csv.h"
#include "core/replay/motion_session.h"
#include "core/replay/runner.h"
#include "core/replay/script.h"
#include "core/replay/state_json.h"
#include "core/workbook/motion_workbook.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

using namespace lodarix;

namespace {

constexpr int BadInput = 2;
constexpr int CannotWrite = 1;

void write(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

constexpr std::string_view Help =
    R"(Usage: lodarix-replay [options] [FILE]
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
    std::optional<std::string> workbook;
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
            if (name == "xlsx") {
                if (equals != std::string_view::npos)
                    options.workbook = std::string(argument.substr(equals + 1));
                else if (i + 1 < argc)
                    options.workbook = argv[++i];
                else
                    return std::string("Missing value after '--xlsx'.");
                continue;
            }
            if (name != "help" && name != "motion")
                return "Unknown option '" + std::string(name) + "'.";
            if (equals != std::string_view::npos)
                return "Unexpected value after '--" + std::string(name) + "'.";
            (name == "help" ? options.help : options.motion) = true;
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

// Hands each command of the script to run, in order, until the end or the
// first bad line.
int runScript(std::istream& script, const std::string& path,
              const std::function<void(const lodarix::replay::Command&)>& run)
{
    std::string line;
    for (int lineNumber = 1; std::getline(script, line); ++lineNumber) {
        const auto parsed = lodarix::replay::parseLine(line);
        if (const auto* error = std::get_if<lodarix::replay::ScriptError>(&parsed)) {
            return fail("line " + std::to_string(lineNumber) + ": " + error->message);
        }
        if (const auto* command = std::get_if<lodarix::replay::Command>(&parsed))
            run(*command);
    }
    if (script.bad())
        return fail("cannot read " + path);
    return 0;
}

int printStates(std::istream& script, const std::string& path)
{
    lodarix::LodarixModel model;
    model.load();
    writeLine(lodarix::replay::stateLine(model, "load"));
    return runScript(script, path, [&model](const lodarix::replay::Command& command) {
        lodarix::replay::run(command, model);
        writeLine(lodarix::replay::stateLine(model, command.text));
    });
}

int printMotion(std::istream& script, const std::string& path)
{
    lodarix::replay::MotionSession session;
    std::size_t printed = 0;
    const auto printNewRows = [&session, &printed] {
        const auto rows = session.recorder().rows();
        for (; printed < rows.size(); ++printed)
            write(motion::csvLine(rows[printed]));
    };
    write(motion::CsvHeader);
    printNewRows();
    return runScript(script, path,
                     [&session, &printNewRows](const lodarix::replay::Command& command) {
                         session.run(command);
                         printNewRows();
                     });
}

// The workbook of the session, once the whole script ran.
int writeWorkbook(std::istream& script, const std::string& path, const std::string& workbook)
{
    lodarix::replay::MotionSession session;
    const int status = runScript(script, path, [&session](const lodarix::replay::Command& command) {
        session.run(command);
    });
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
    if (options.motion && options.workbook)
        return fail("--motion and --xlsx cannot be used together");
    if (options.files.size() > 1)
        return fail("expected at most one script file, got "
                    + std::to_string(options.files.size()));

    const std::string path = options.files.empty() ? "-" : options.files.front();
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
    std::istream& script = fromStdin ? std::cin : file;
    if (options.workbook)
        return writeWorkbook(script, path, *options.workbook);
    return options.motion ? printMotion(script, path) : printStates(script, path);
}
