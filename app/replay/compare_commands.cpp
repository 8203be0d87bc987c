#include "app/replay/compare_commands.h"

#include "core/program/program_error.h"
#include "core/program/program_file.h"
#include "core/program/reader.h"
#include "core/replay/program_compare.h"
#include "core/texts/compare_texts.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <variant>

namespace lodarix::replay_tool {

namespace {

constexpr int Different = 1;
constexpr int Unreadable = 2;

// What a file held, or why it could not be had.
struct Read {
    std::string text;
    std::string failure;
};

Read readFile(const std::string& path)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return {{}, "cannot read " + path + ": it is a folder"};
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file)
            return {{}, "cannot read " + path + ": " + std::strerror(errno)};
        in = &file;
    }
    std::ostringstream bytes;
    bytes << in->rdbuf();
    if (in->bad())
        return {{}, "cannot read " + path};
    return {bytes.str(), {}};
}

struct ReadProgram {
    std::shared_ptr<const program::Program> program;
    std::string failure; // the file's or the reading error's, with the path
};

ReadProgram readProgram(const std::string& path)
{
    const Read file = readFile(path);
    if (!file.failure.empty())
        return {nullptr, file.failure};
    const auto text = program::programText(file.text);
    if (const auto* not_ = std::get_if<program::NotAProgram>(&text))
        return {nullptr, path + ": " + not_->reason};
    try {
        return {
            std::make_shared<const program::Program>(program::read(std::get<std::string>(text))),
            {}};
    } catch (const program::ProgramError& error) {
        return {nullptr, path + ": " + program::programErrorReport(error)};
    }
}

struct ReadScript {
    std::vector<replay::Command> commands;
    std::string failure;
};

ReadScript readScript(const std::string& path)
{
    const Read file = readFile(path);
    if (!file.failure.empty())
        return {{}, file.failure};
    ReadScript script;
    std::istringstream lines(file.text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const auto parsed = replay::parseLine(line);
        if (const auto* error = std::get_if<replay::ScriptError>(&parsed))
            return {{}, path + ": line " + std::to_string(number) + ": " + error->message};
        if (const auto* command = std::get_if<replay::Command>(&parsed))
            script.commands.push_back(*command);
    }
    return script;
}

int fail(const std::string& message)
{
    std::fflush(stdout);
    std::cerr << "lodarix-replay: " << message << '\n';
    return Unreadable;
}

std::string csvField(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void writeRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (const std::string& field : fields)
        row += (row.empty() ? "" : ",") + csvField(field);
    std::cout << row << "\r\n";
}

} // namespace

int compare(const std::string& reference, const std::string& program, const std::string& script)
{
    const ReadProgram original = readProgram(reference);
    if (!original.program)
        return fail(original.failure);
    const ReadProgram pupil = readProgram(program);
    if (!pupil.program)
        return fail(pupil.failure);
    const ReadScript commands = readScript(script);
    if (!commands.failure.empty())
        return fail(commands.failure);
    const auto difference =
        replay::firstDifference(replay::runEvents(pupil.program, commands.commands),
                                replay::runEvents(original.program, commands.commands));
    if (!difference) {
        std::cout << compare_texts::NoDifference << '\n';
        return 0;
    }
    std::cout << difference->text << '\n';
    return Different;
}

int check(const std::string& reference, const std::vector<std::string>& scripts,
          const std::vector<std::string>& programs)
{
    const ReadProgram original = readProgram(reference);
    if (!original.program)
        return fail(original.failure);
    std::vector<ReadScript> read;
    std::vector<std::vector<replay::EventRun>> expected;
    for (const std::string& script : scripts) {
        read.push_back(readScript(script));
        if (!read.back().failure.empty())
            return fail(read.back().failure);
        expected.push_back(replay::runEvents(original.program, read.back().commands));
    }
    writeRow({std::begin(compare_texts::CheckColumns), std::end(compare_texts::CheckColumns)});
    int status = 0;
    for (const std::string& path : programs) {
        const ReadProgram pupil = readProgram(path);
        if (!pupil.program) {
            writeRow({path, std::string(compare_texts::CheckFailed), "", "", "", pupil.failure});
            status = Different;
            continue;
        }
        bool equal = true;
        for (std::size_t i = 0; i < read.size() && equal; ++i) {
            const auto difference = replay::firstDifference(
                replay::runEvents(pupil.program, read[i].commands), expected[i]);
            if (!difference)
                continue;
            equal = false;
            writeRow({path, std::string(compare_texts::CheckDifferent), scripts[i],
                      std::to_string(difference->event),
                      difference->line ? std::to_string(difference->line) : "", difference->what});
        }
        if (equal)
            writeRow({path, std::string(compare_texts::CheckEqual), "", "", "", ""});
        else
            status = Different;
    }
    return status;
}

} // namespace lodarix::replay_tool
